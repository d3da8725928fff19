#include "TwelveWindowFixture.h"

#include "BestScores.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "QuestionDialog.h"
#include "TwelveNamesDialog.h"
#include "TwelveSettingsDialog.h"

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
            names << table().nameLabels[seat]->text();
        return names;
    }

    // Opens the settings from the menu, changes what `change` changes, presses OK or Cancel.
    void changeSettings(const std::function<void()> &change, bool ok)
    {
        onNextModal([&](QWidget *) {
            change();
            (ok ? twelveSettingsDialog->okButton : twelveSettingsDialog->cancelButton)->click();
        });
        window->settingsAction->trigger();
    }
};

TEST_F(TwelveSideWindowsTest, TheNamesDialogRenamesTheTable)
{
    open();
    const QStringList before = nameLabels();
    onNextModal([](QWidget *) {
        twelveNamesDialog->nameEdits[1]->setText("John");
        twelveNamesDialog->nameEdits[3]->setText("Eric");
        twelveNamesDialog->cancelButton->click();
    });
    window->namesAction->trigger();
    EXPECT_EQ(nameLabels(), before) << "Cancel renames nobody";

    onNextModal([](QWidget *) {
        EXPECT_EQ(twelveNamesDialog->nameEdits[1]->text(), "Eric") << "box 2 is the left seat";
        twelveNamesDialog->nameEdits[1]->setText("John");
        twelveNamesDialog->nameEdits[3]->setText("Eric");
        twelveNamesDialog->okButton->click();
    });
    window->namesAction->trigger();
    EXPECT_EQ(nameLabels(), (QStringList{"Player", "Eric", "Paul", "John"}))
        << "left and right opponents swapped";
}

TEST_F(TwelveSideWindowsTest, ASpeedChangeAppliesToTheRunningGameWithoutAQuestion)
{
    open();
    changeSettings([] { twelveSettingsDialog->moveSpeedSlider->setValue(3); }, true);
    EXPECT_EQ(window->pace().MoveStep, 9);
    EXPECT_EQ(game().RoundNo, 1) << "the game goes on";
    const QPoint before = table().backs[3]->pos();
    window->moveTick();
    EXPECT_EQ(table().backs[3]->pos(), before + QPoint(0, 9)) << "the next step moves 9 pixels";
}

TEST_F(TwelveSideWindowsTest, ANewDifficultyStartsANewGameWithItsTitleAndList)
{
    open();
    pressFace(heldCard(HumanSeat));
    changeSettings(
        [] {
            answerNextModal(QStringLiteral("Yes"));
            twelveSettingsDialog->levelSlider->setValue(6);
            twelveSettingsDialog->averageScoringButton->setChecked(true);
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
    changeSettings([] { twelveSettingsDialog->levelSlider->setValue(8); }, true);
    EXPECT_EQ(game().Difficulty, 4.0);
    EXPECT_EQ(game().Holding, before.Holding) << "no new deal";
    EXPECT_EQ(window->windowTitle(), "Twelve - Difficulty: 7, Scoring: Simple");
}

TEST_F(TwelveSideWindowsTest, TheFlickerBoxToggledThenCancelledIsWhatTheFileKeeps)
{
    open();
    const bool fast = twelveSettingsDialog->fastDrawBox->isChecked();
    changeSettings([] { twelveSettingsDialog->fastDrawBox->toggle(); }, false);
    window->state().GameOver = true;
    window->close();
    EXPECT_TRUE(readDataFile("Twelve.ini").contains(fast ? "Gyors=0" : "Gyors=1"));
}
