#include "common/Despacho.h"

#include <QCoreApplication>
#include <QMetaObject>

// Posted straight to the application's queue: two dispatches run in the order they were made (the
// progress display's reset before the status a run leaves behind).
void DespacharParaInterface(std::function<void()> trabalho)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) {
        trabalho();
        return;
    }
    QMetaObject::invokeMethod(app, std::move(trabalho), Qt::QueuedConnection);
}
