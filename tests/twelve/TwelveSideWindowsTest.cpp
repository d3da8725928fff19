#include "TwelveWindowFixture.h"

#include "BestScores.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "u12Beall.h"
#include "u4NevBekerA.h"
#include "uValasz.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

// The names and settings dialogs opened from the Twelve window's menu act on its table.
class TwelveSideWindowsTest : public TwelveWindowTest
{
protected:
    QStringList nameLabels() const
    {
        QStringList names;
        for (int seat = 1; seat <= SeatCount; ++seat)
            names << table().lblNev[seat]->text();
        return names;
    }

    // Opens the settings from the menu, changes what `change` changes, presses OK or Cancel.
    void changeSettings(const std::function<void()> &change, bool ok)
    {
        onNextModal([&](QWidget *) {
            change();
            (ok ? frm12Beall->bbtnOk : frm12Beall->bbtnMegsem)->click();
        });
        window->Settings1->trigger();
    }
};

TEST_F(TwelveSideWindowsTest, TheNamesDialogRenamesTheTable)
{
    open();
    const QStringList before = nameLabels();
    onNextModal([](QWidget *) {
        frm4NevBekerA->edtNames[1]->setText("John");
        frm4NevBekerA->edtNames[3]->setText("Eric");
        frm4NevBekerA->bbtnMegsem->click();
    });
    window->Names1->trigger();
    EXPECT_EQ(nameLabels(), before) << "Cancel renames nobody";

    onNextModal([](QWidget *) {
        EXPECT_EQ(frm4NevBekerA->edtNames[1]->text(), "Eric") << "box 2 is the left seat";
        frm4NevBekerA->edtNames[1]->setText("John");
        frm4NevBekerA->edtNames[3]->setText("Eric");
        frm4NevBekerA->bbtnOk->click();
    });
    window->Names1->trigger();
    EXPECT_EQ(nameLabels(), (QStringList{"Player", "Eric", "Paul", "John"}))
        << "left and right opponents swapped";
}

TEST_F(TwelveSideWindowsTest, ASpeedChangeAppliesToTheRunningGameWithoutAQuestion)
{
    open();
    changeSettings([] { frm12Beall->trbMozgSeb->setValue(3); }, true);
    EXPECT_EQ(window->pace().MoveStep, 9);
    EXPECT_EQ(game().RoundNo, 1) << "the game goes on";
    const QPoint before = table().backs[3]->pos();
    window->tmrKeslTimer();
    EXPECT_EQ(table().backs[3]->pos(), before + QPoint(0, 9)) << "the next step moves 9 pixels";
}

TEST_F(TwelveSideWindowsTest, ANewDifficultyStartsANewGameWithItsTitleAndList)
{
    open();
    pressFace(heldCard(HumanSeat));
    changeSettings(
        [] {
            answerNextModal(QStringLiteral("Yes"));
            frm12Beall->trbOkos->setValue(6);
            frm12Beall->rbAtlag->setChecked(true);
        },
        true);
    EXPECT_EQ(game().Difficulty, 3.0);
    EXPECT_EQ(game().ScoringMode, AverageScoring);
    EXPECT_EQ(game().TurnSlot[HumanSeat].MoveState, MoveNotPut) << "a new deal";
    EXPECT_EQ(window->windowTitle(), "Twelve - Difficulty: 5, Scoring: Average based");
    EXPECT_EQ(bestScoreList().filePath(), dataPath("Twelve5A.ere"));
}

TEST_F(TwelveSideWindowsTest, AfterTheGameSettingsChangeWithoutQuestionOrGame)
{
    open();
    window->state().GameOver = true;
    const TwelveGame before = game();
    changeSettings([] { frm12Beall->trbOkos->setValue(8); }, true);
    EXPECT_EQ(game().Difficulty, 4.0);
    EXPECT_EQ(game().Holding, before.Holding) << "no new deal";
    EXPECT_EQ(window->windowTitle(), "Twelve - Difficulty: 7, Scoring: Simple");
}

TEST_F(TwelveSideWindowsTest, TheFlickerBoxToggledThenCancelledIsWhatTheFileKeeps)
{
    open();
    const bool fast = frm12Beall->chbGyors->isChecked();
    changeSettings([] { frm12Beall->chbGyors->toggle(); }, false);
    window->state().GameOver = true;
    window->close();
    EXPECT_TRUE(readDataFile("Twelve.ini").contains(fast ? "Gyors=0" : "Gyors=1"));
}
