#include "TwelveSettingsDialog.h"
#include "ModalAnswer.h"
#include "QuestionDialog.h"
#include "TwelveDialogHelpers.h"
#include "TwelveSettingsHost.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString DifficultyQuestion
    = "While playing you can't change difficulty level.\nTo change it start a new game.\n"
      "Do you want to change it and start a new game?";
const QString ScoringQuestion
    = "While playing you can't change scoring system.\nTo change it start a new game.\n"
      "Do you want to change it and start a new game?";

// Stands in for the Twelve window: notes what the dialog changes in it.
class FakeTwelveWindow : public TwelveSettingsHost
{
public:
    TwelveSpeeds &speeds() override { return tableSpeeds; }
    TwelveGame &game() override { return twelve; }
    bool gameInProgress() const override { return inProgress; }
    void setFastDraw(bool fast) override { fastDraws.push_back(fast); }
    void NewGame() override { newGames.push_back({twelve.Difficulty, twelve.ScoringMode}); }

    TwelveSpeeds tableSpeeds;
    TwelveGame twelve;
    bool inProgress = true;
    std::vector<bool> fastDraws;
    // Difficulty and scoring mode at each new game.
    std::vector<std::pair<double, int>> newGames;
};

class TwelveSettingsDialogTest : public testing::Test
{
protected:
    // Shows the dialog, runs `change` while it is open, then closes it with Enter (OK) or
    // Esc (Cancel), pressed on a slider as the keyboard would.
    void showSettings(const std::function<void()> &change, Qt::Key closingKey)
    {
        onNextModal([&](QWidget *modal) {
            ASSERT_EQ(modal, &dialog);
            change();
            QTest::keyClick(dialog.turnSpeedSlider, closingKey);
        });
        dialog.ShowSettings(window);
        EXPECT_FALSE(dialog.isVisible());
    }

    QList<int> positions() const
    {
        return {dialog.moveSpeedSlider->value(), dialog.turnSpeedSlider->value(),
                dialog.bidSpeedSlider->value(), dialog.levelSlider->value(),
                dialog.levelBox->value()};
    }

    QuestionDialog question;
    TwelveSettingsDialog dialog;
    QuestionScript questions{question};
    FakeTwelveWindow window;
};

TEST_F(TwelveSettingsDialogTest, DefaultsShowAsTheirPositions)
{
    QList<int> shown;
    bool simple = false;
    showSettings(
        [&] {
            shown = positions();
            simple = dialog.simpleScoringButton->isChecked();
        },
        Qt::Key_Return);
    EXPECT_EQ(shown, QList<int>({10, 8, 30, 2, 1}));
    EXPECT_TRUE(simple);
    EXPECT_TRUE(questions.asked.isEmpty());
    EXPECT_EQ(window.tableSpeeds.MoveStep, 100);
    EXPECT_EQ(window.tableSpeeds.TurnStep, 64);
    EXPECT_EQ(window.tableSpeeds.BidDelay, 1);
    EXPECT_EQ(window.twelve.Difficulty, 1.0);
    EXPECT_TRUE(window.newGames.empty());
}

TEST_F(TwelveSettingsDialogTest, DifficultyBarAndSpinEditFollowEachOther)
{
    QSignalSpy barMoves(dialog.levelSlider, &QSlider::valueChanged);
    QSignalSpy spinMoves(dialog.levelBox, &QSpinBox::valueChanged);
    for (int position = 2; position <= 8; ++position) {
        dialog.levelSlider->setValue(position);
        EXPECT_EQ(dialog.levelBox->value(), position - 1);
    }
    EXPECT_EQ(barMoves.count(), 6);
    EXPECT_EQ(spinMoves.count(), 6) << "one exchange per move";

    barMoves.clear();
    spinMoves.clear();
    QLineEdit *typed = dialog.levelBox->findChild<QLineEdit *>();
    typed->selectAll();
    QTest::keyClicks(typed, "4");
    EXPECT_EQ(dialog.levelSlider->value(), 5);
    EXPECT_EQ(barMoves.count(), 1);
    EXPECT_EQ(spinMoves.count(), 1);

    QTest::keyClick(dialog.levelSlider, Qt::Key_Up);
    EXPECT_EQ(dialog.levelSlider->value(), 4) << "Up moves towards the easy end at the top";
    EXPECT_EQ(dialog.levelBox->value(), 3);
}

struct QuestionCase
{
    const char *what;
    bool inProgress;
    int difficultyPosition;
    bool average;
    QStringList answers;
    QStringList asked;
    double difficulty;
    int scoringMode;
    int newGames;
};

TEST_F(TwelveSettingsDialogTest, DifficultyAndScoringChangeDuringAGameOnlyWithANewGame)
{
    const QuestionCase cases[] = {
        {"speed only", true, 2, false, {}, {}, 1.0, SimpleScoring, 0},
        {"difficulty, Cancel",
         true,
         6,
         true,
         {"Cancel"},
         {DifficultyQuestion},
         1.0,
         SimpleScoring,
         0},
        {"difficulty and scoring, Yes",
         true,
         6,
         true,
         {"Yes"},
         {DifficultyQuestion},
         3.0,
         AverageScoring,
         1},
        {"scoring only, Cancel",
         true,
         2,
         true,
         {"Cancel"},
         {ScoringQuestion},
         1.0,
         SimpleScoring,
         0},
        {"scoring only, Yes", true, 2, true, {"Yes"}, {ScoringQuestion}, 1.0, AverageScoring, 1},
        {"after game over", false, 8, true, {}, {}, 4.0, AverageScoring, 0},
    };
    for (const QuestionCase &c : cases) {
        SCOPED_TRACE(c.what);
        window = FakeTwelveWindow();
        window.inProgress = c.inProgress;
        questions.asked.clear();
        questions.answers = c.answers;
        showSettings(
            [&] {
                dialog.levelSlider->setValue(c.difficultyPosition);
                (c.average ? dialog.averageScoringButton : dialog.simpleScoringButton)
                    ->setChecked(true);
                dialog.moveSpeedSlider->setValue(5);
                dialog.turnSpeedSlider->setValue(3);
                dialog.bidSpeedSlider->setValue(1);
            },
            Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(questions.asked, c.asked);
        EXPECT_EQ(window.twelve.Difficulty, c.difficulty);
        EXPECT_EQ(window.twelve.ScoringMode, c.scoringMode);
        ASSERT_EQ(int(window.newGames.size()), c.newGames);
        if (c.newGames) {
            EXPECT_EQ(window.newGames[0], std::make_pair(c.difficulty, c.scoringMode))
                << "the new game starts with the new settings";
        }
        EXPECT_EQ(window.tableSpeeds.MoveStep, 25) << "speeds apply whatever the answer";
        EXPECT_EQ(window.tableSpeeds.TurnStep, 9);
        EXPECT_EQ(window.tableSpeeds.BidDelay, 842);
        EXPECT_EQ(window.fastDraws.size(), 1u);
    }
}

TEST_F(TwelveSettingsDialogTest, CancelStoresNothingButTheFlickerBoxKeepsItsState)
{
    dialog.fastDrawBox->setChecked(true);
    showSettings(
        [&] {
            dialog.fastDrawBox->click();
            dialog.moveSpeedSlider->setValue(3);
            dialog.levelSlider->setValue(8);
            dialog.averageScoringButton->setChecked(true);
        },
        Qt::Key_Escape);
    EXPECT_FALSE(dialog.fastDrawBox->isChecked());
    EXPECT_TRUE(window.fastDraws.empty()) << "the drawing mode stays as it was for now";
    EXPECT_EQ(window.tableSpeeds.MoveStep, 100);
    EXPECT_EQ(window.twelve.Difficulty, 1.0);
    EXPECT_EQ(window.twelve.ScoringMode, SimpleScoring);
    EXPECT_TRUE(questions.asked.isEmpty());

    bool boxOnShowing = true;
    showSettings([&] { boxOnShowing = dialog.fastDrawBox->isChecked(); }, Qt::Key_Return);
    EXPECT_FALSE(boxOnShowing) << "showing leaves the box alone";
    EXPECT_EQ(window.fastDraws, std::vector<bool>({false}));
}

TEST_F(TwelveSettingsDialogTest, ValuesNoPositionStandsForShowAtTheNearestEnd)
{
    struct Case
    {
        TwelveSpeeds speeds;
        double difficulty;
        QList<int> shown;
    };
    const Case cases[] = {
        {{-100, -1, 0}, 0.0, {1, 1, 30, 2, 1}},
        {{100000, 5000, -7}, 9.5, {12, 9, 30, 9, 8}},
        {{100, 64, 100000}, 1.0, {10, 8, 1, 2, 1}},
    };
    for (const Case &c : cases) {
        window.tableSpeeds = c.speeds;
        window.twelve.Difficulty = c.difficulty;
        window.inProgress = false;
        QList<int> shown;
        showSettings([&] { shown = positions(); }, Qt::Key_Escape);
        EXPECT_EQ(shown, c.shown);
    }
}

TEST_F(TwelveSettingsDialogTest, ControlsStandWhereTheDialogIsLaidOut)
{
    EXPECT_EQ(dialog.size(), QSize(416, 305));
    EXPECT_EQ(dialog.windowTitle(), "Twelve - Settings");
    EXPECT_EQ(dialog.leftPanel->geometry(), QRect(8, 8, 271, 249));
    EXPECT_EQ(dialog.rightPanel->geometry(), QRect(288, 8, 120, 249));
    EXPECT_EQ(dialog.buttonPanel->geometry(), QRect(0, 265, 416, 40));
    EXPECT_EQ(dialog.fastDrawBox->geometry().topLeft(), QPoint(10, 17));
    EXPECT_EQ(dialog.moveSpeedSlider->geometry(), QRect(117, 57, 149, 33));
    EXPECT_EQ(dialog.turnSpeedSlider->geometry(), QRect(117, 105, 149, 33));
    EXPECT_EQ(dialog.bidSpeedSlider->geometry(), QRect(117, 153, 149, 33));
    EXPECT_EQ(dialog.bidSpeedSlider->pageStep(), 7);
    EXPECT_EQ(dialog.moveSpeedSlider->maximum(), 12);
    EXPECT_EQ(dialog.turnSpeedSlider->maximum(), 9);
    EXPECT_EQ(dialog.simpleScoringButton->pos(), QPoint(140, 201));
    EXPECT_EQ(dialog.averageScoringButton->pos(), QPoint(222, 201));
    EXPECT_EQ(dialog.levelBox->geometry(), QRect(69, 7, 37, 26));
    EXPECT_EQ(dialog.levelSlider->geometry(), QRect(14, 32, 27, 209));
    EXPECT_EQ(dialog.okButton->geometry(), QRect(208, 9, 75, 24));
    EXPECT_EQ(dialog.cancelButton->geometry(), QRect(112, 9, 75, 24));
}

}
