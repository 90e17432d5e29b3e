#include "windows/Centralizar.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentralizarNaJanela(QWidget *janela, QWidget *referencia)
{
    const QRect area = referencia ? referencia->window()->frameGeometry()
                                  : QGuiApplication::primaryScreen()->availableGeometry();
    janela->move(area.center() - janela->rect().center());
}
