#include "AboutBox.h"
#include "Application.h"
#include "BestScoreNameDialog.h"
#include "BestScores.h"
#include "BestScoresWindow.h"
#include "DeckChooser.h"
#include "GolfLayoutDialog.h"
#include "GolfResultsDialog.h"
#include "Keys.h"
#include "LauncherWindow.h"
#include "ModalAnswer.h"
#include "PokerSpeedDialog.h"
#include "QuestionDialog.h"
#include "StartUp.h"
#include "TempDataDir.h"
#include "TwelveNamesDialog.h"
#include "TwelveRules.h"
#include "TwelveScoreSheet.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace {

int tabStops(QWidget *dialog)
{
    int stops = 0;
    for (const QWidget *control : dialog->findChildren<QWidget *>())
        stops += control->isVisible() && control->isEnabled()
            && (control->focusPolicy() & Qt::TabFocus);
    return stops;
}

class DialogKeysTest : public TempDataDir
{
protected:
    ~DialogKeysTest() override { setMainWindow(nullptr); }

    // Opens a dialog, walks it with Tab and leaves it with the key; the dialog must close.
    void leaveWith(Qt::Key key, const std::function<void()> &open)
    {
        bool tabbed = false;
        bool closed = false;
        onNextModal([&](QWidget *modal) {
            QWidget *before = modal->focusWidget();
            pressKey(modal, Qt::Key_Tab);
            tabbed = modal->focusWidget() != before || tabStops(modal) < 2;
            pressKey(modal, key);
            closed = !modal->isVisible();
            if (!closed)
                modal->close();
        });
        open();
        EXPECT_TRUE(tabbed) << "Tab moves to the next control";
        EXPECT_TRUE(closed) << QTest::toString(key);
    }

    const std::unique_ptr<LauncherWindow> program{createWindows()};
};

}

TEST_F(DialogKeysTest, EveryDialogTakesTabReturnAndEsc)
{
    PerSeat<std::string> names{"", "Anna", "Bob", "Cecil", "Dora"};
    GolfLayout layout;
    TwelveGame game;
    NewGame(game);
    const struct
    {
        const char *dialog;
        std::function<void()> open;
        bool escCloses;
    } dialogs[] = {
        {"question", [] { AskYesNo("Are you sure?"); }, true},
        {"names", [&] { twelveNamesDialog->editNames(names); }, true},
        {"score sheet", [&] { twelveScoreSheet->ShowScoreSheet(game, 0); }, true},
        {"best scores", [] { bestScoresWindow->ShowBestScoreWindow(bestScoreList()); }, true},
        {"name entry", [] { bestScoreNameDialog->askName(100); }, true},
        {"Golf settings", [&] { golfLayoutDialog->chooseLayout(layout, true); }, true},
        // Esc is the results' "Clear Scores".
        {"Golf results", [&] { golfResultsDialog->showResults(layout); }, false},
        {"speed", [] { pokerSpeedDialog->chooseMoveStep(5); }, true},
        {"deck chooser", [] { deckChooser->exec(); }, true},
        {"About", [] { aboutBox->exec(); }, true},
    };
    for (const auto &d : dialogs) {
        SCOPED_TRACE(d.dialog);
        leaveWith(Qt::Key_Return, d.open);
        if (d.escCloses)
            leaveWith(Qt::Key_Escape, d.open);
    }
}
