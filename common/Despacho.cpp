#include "common/Despacho.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThreadPool>

void DespacharParaInterface(std::function<void()> trabalho)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) {
        trabalho();
        return;
    }
    QThreadPool::globalInstance()->start([app, trabalho = std::move(trabalho)]() mutable {
        QMetaObject::invokeMethod(app, std::move(trabalho), Qt::QueuedConnection);
    });
}
