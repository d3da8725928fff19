#include "StartUp.h"

#include "AboutBox.h"
#include "Application.h"
#include "BestScoreNameDialog.h"
#include "BestScoresWindow.h"
#include "CardLibrary.h"
#include "DeckChooser.h"
#include "GolfLayoutDialog.h"
#include "GolfResultsDialog.h"
#include "HelpViewer.h"
#include "LauncherWindow.h"
#include "PokerSpeedDialog.h"
#include "QuestionDialog.h"
#include "Random.h"
#include "TwelveNamesDialog.h"
#include "TwelveScoreSheet.h"
#include "TwelveSettingsDialog.h"

#include <QApplication>
#include <QFont>

LauncherWindow *createWindows()
{
    // The program's own icon is compiled in: it shows before any game has been opened, and
    // when no icon file lies beside the program.
    Q_INIT_RESOURCE(ProgramIcon);
    loadApplicationIcon(QStringLiteral(":/app/KVR1.ico"));
    setApplicationTitle(QStringLiteral("Kovra - Card Games 1"));
    auto *launcher = new LauncherWindow;
    setMainWindow(launcher);
    new CardLibrary(launcher);
    new DeckChooser(launcher);
    new QuestionDialog(launcher);
    new TwelveScoreSheet(launcher);
    new TwelveNamesDialog(launcher);
    new BestScoresWindow(launcher);
    new BestScoreNameDialog(launcher);
    new TwelveSettingsDialog(launcher);
    new GolfLayoutDialog(launcher);
    new GolfResultsDialog(launcher);
    new AboutBox(launcher);
    new HelpViewer(launcher);
    new PokerSpeedDialog(launcher);
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
