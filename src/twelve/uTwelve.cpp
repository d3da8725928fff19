#include "uTwelve.h"

TfrmTwelve::TfrmTwelve(QWidget *parent)
    : GameWindow(parent)
{
    setWindowTitle(QStringLiteral("Twelve"));
    resize(640, 480);
}
