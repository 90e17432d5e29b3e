#pragma once
class QWidget;

// Places a window centred on another (on the screen when there is none).
void CentralizarNaJanela(QWidget *janela, QWidget *referencia);
