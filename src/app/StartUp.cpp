#include "StartUp.h"

#include "Application.h"
#include "Random.h"
#include "u12Beall.h"
#include "u4NevBekerA.h"
#include "uEredmeny.h"
#include "uFo.h"
#include "uGolfBeall.h"
#include "uGolfPontok.h"
#include "uHelp1.h"
#include "uKartyak.h"
#include "uNevjegy.h"
#include "uNyert.h"
#include "uPokerSpeed.h"
#include "uReszeredmA.h"
#include "uValasz.h"

#include <QApplication>
#include <QFont>

TfrmFo *createWindows()
{
    // The program's own icon is compiled in: it shows before any game has been opened, and
    // when no icon file lies beside the program.
    Q_INIT_RESOURCE(ProgramIcon);
    loadApplicationIcon(QStringLiteral(":/app/KVR1.ico"));
    setApplicationTitle(QStringLiteral("Kovra - Card Games 1"));
    auto *launcher = new TfrmFo;
    setMainWindow(launcher);
    new TfrmKartyak(launcher);
    new TfrmValasz(launcher);
    new TfrmReszeredmA(launcher);
    new Tfrm4NevBekerA(launcher);
    new TfrmEredmeny(launcher);
    new TfrmNyert(launcher);
    new Tfrm12Beall(launcher);
    new TfrmGolfBeall(launcher);
    new TfrmGolfPontok(launcher);
    new TfrmNevjegy(launcher);
    new TfrmHelp1(launcher);
    new TfrmPokerSpeed(launcher);
    return launcher;
}

void prepareApplication()
{
    // The program's forms were laid out in "MS Sans Serif", which has no clone here.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QApplication::setFont([] {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(13);
        return font;
    }());
    programRandom();
}
