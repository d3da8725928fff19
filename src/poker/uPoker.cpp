#include "uPoker.h"

TfrmPoker::TfrmPoker(QWidget *parent)
    : GameWindow(parent)
{
    setWindowTitle(QStringLiteral("Kovra - Poker"));
    resize(640, 480);
}
