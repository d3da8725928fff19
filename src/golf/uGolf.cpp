#include "uGolf.h"

TfrmGolf::TfrmGolf(QWidget *parent)
    : GameWindow(parent)
{
    setWindowTitle(QStringLiteral("Kovra - Golf"));
    resize(640, 480);
}
