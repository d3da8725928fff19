#include "StartUp.h"

#include "Application.h"
#include "uFo.h"
#include "uPokerSpeed.h"
#include "uValasz.h"

TfrmFo *createWindows()
{
    setApplicationTitle(QStringLiteral("Kovra - Card Games 1"));
    auto *launcher = new TfrmFo;
    setMainWindow(launcher);
    new TfrmValasz(launcher);
    new TfrmPokerSpeed(launcher);
    return launcher;
}
