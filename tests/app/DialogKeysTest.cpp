#include "Application.h"
#include "BestScores.h"
#include "Keys.h"
#include "ModalAnswer.h"
#include "StartUp.h"
#include "TempDataDir.h"
#include "TwelveRules.h"
#include "u4NevBekerA.h"
#include "uEredmeny.h"
#include "uFo.h"
#include "uGolfBeall.h"
#include "uGolfPontok.h"
#include "uKartyak.h"
#include "uNevjegy.h"
#include "uNyert.h"
#include "uPokerSpeed.h"
#include "uReszeredmA.h"
#include "uValasz.h"

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

    const std::unique_ptr<TfrmFo> program{createWindows()};
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
        {"names", [&] { frm4NevBekerA->editNames(names); }, true},
        {"score sheet", [&] { frmReszeredmA->ShowScoreSheet(game, 0); }, true},
        {"best scores", [] { frmEredmeny->ShowBestScoreWindow(bestScoreList()); }, true},
        {"name entry", [] { frmNyert->askName(100); }, true},
        {"Golf settings", [&] { frmGolfBeall->chooseLayout(layout, true); }, true},
        // Esc is the results' "Clear Scores".
        {"Golf results", [&] { frmGolfPontok->showResults(layout); }, false},
        {"speed", [] { frmPokerSpeed->chooseMoveStep(5); }, true},
        {"deck chooser", [] { frmKartyak->exec(); }, true},
        {"About", [] { frmNevjegy->exec(); }, true},
    };
    for (const auto &d : dialogs) {
        SCOPED_TRACE(d.dialog);
        leaveWith(Qt::Key_Return, d.open);
        if (d.escCloses)
            leaveWith(Qt::Key_Escape, d.open);
    }
}
