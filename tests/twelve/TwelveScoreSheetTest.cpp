#include "TwelveScoreSheet.h"
#include "ModalAnswer.h"
#include "TempDataDir.h"
#include "TwelveDialogHelpers.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <functional>

namespace {

const QColor DarkBlue(0, 0, 160);
const QColor DarkRed(160, 0, 0);
const QColor Black(0, 0, 0);

int rowTop(int row)
{
    return 21 * row + 10;
}

class TwelveScoreSheetTest : public TempDataDir
{
protected:
    TwelveScoreSheetTest() { game.PlayerNames = {"", "Player", "John", "Paul", "Eric"}; }

    // Sets row `row` of the scores in seat order.
    void setRow(int row, PerSeat<int> totals) { game.Scores[row] = totals; }

    // Shows the sheet, runs `look` while it is open, and closes it with Enter.
    void showSheet(int score, const std::function<void()> &look)
    {
        onNextModal([&](QWidget *modal) {
            ASSERT_EQ(modal, sheet.get());
            look();
            QTest::keyClick(sheet->scrollArea, Qt::Key_Return);
        });
        sheet->ShowScoreSheet(game, score);
        EXPECT_FALSE(sheet->isVisible());
    }

    QLabel *cell(int row, int column) const { return sheet->cellLabels[row][column]; }
    QColor colour(int row, int column) const
    {
        return cell(row, column)->palette().color(QPalette::WindowText);
    }
    QStringList rowTexts(int row) const
    {
        QStringList texts;
        for (const QLabel *label : sheet->cellLabels[row])
            texts << label->text();
        return texts;
    }
    bool rowHidden(int row) const
    {
        return std::all_of(sheet->cellLabels[row].begin(), sheet->cellLabels[row].end(),
                           [](const QLabel *label) { return label->isHidden(); });
    }

    SeatOrderRoundTheTable roundTheTable;
    TwelveGame game;
    std::unique_ptr<TwelveScoreSheet> sheet = std::make_unique<TwelveScoreSheet>();
};

TEST_F(TwelveScoreSheetTest, FirstRoundShowsOneBoldRowWithTheSeatsRoundTheTable)
{
    game.RoundNo = 1;
    setRow(1, {0, 1000, 1100, 975, -1250});
    showSheet(0, [&] {
        EXPECT_EQ(sheet->windowTitle(), "Twelve - Points");
        EXPECT_EQ(rowTexts(0), QStringList({"", "Player", "Eric", "Paul", "John"}));
        EXPECT_TRUE(cell(0, 0)->isHidden());
        EXPECT_EQ(rowTexts(1), QStringList({"1.", "1 000", "-1 250", "975", "1 100"}));
        for (int column = 0; column < TwelveScoreSheet::SheetColumns; ++column) {
            EXPECT_TRUE(cell(1, column)->isVisible());
            EXPECT_TRUE(cell(1, column)->font().bold());
            EXPECT_FALSE(cell(1, column)->font().strikeOut());
        }
        EXPECT_EQ(colour(1, 4), DarkBlue) << "John, seat 2, leads";
        EXPECT_EQ(colour(1, 1), Black);
        EXPECT_TRUE(rowHidden(2));
        EXPECT_TRUE(sheet->finalScoreLabel->isHidden());
    });
}

TEST_F(TwelveScoreSheetTest, LeaderColourFollowsTheCurrentTotalsInEveryRow)
{
    game.RoundNo = 3;
    setRow(1, {0, 1000, 1000, 1025, 1100});
    setRow(2, {0, 1050, 1025, 1075, 1100});
    setRow(3, {0, 1150, 1050, 1150, 1100});
    showSheet(0, [&] {
        for (int row = 1; row <= 3; ++row) {
            SCOPED_TRACE(row);
            EXPECT_EQ(colour(row, 1), DarkBlue) << "Player, tied for the lead";
            EXPECT_EQ(colour(row, 3), DarkBlue) << "Paul, tied for the lead";
            EXPECT_EQ(colour(row, 2), Black) << "Eric led earlier but not now";
            EXPECT_EQ(colour(row, 4), Black);
            EXPECT_EQ(cell(row, 1)->font().strikeOut(), row < 3);
            EXPECT_TRUE(cell(row, 1)->font().bold());
        }
    });
}

TEST_F(TwelveScoreSheetTest, ANewGameHidesTheRowsAndFinalLineOfTheLastOne)
{
    game.RoundNo = RoundCount;
    game.GameOver = true;
    showSheet(1100, [&] {
        EXPECT_FALSE(rowHidden(RoundCount));
        EXPECT_TRUE(sheet->finalScoreLabel->isVisible());
    });
    game.RoundNo = 2;
    game.GameOver = false;
    showSheet(0, [&] {
        EXPECT_FALSE(rowHidden(2));
        for (int row = 3; row < TwelveScoreSheet::SheetRows; ++row)
            EXPECT_TRUE(rowHidden(row)) << row;
        EXPECT_TRUE(sheet->finalScoreLabel->isHidden());
    });
}

TEST_F(TwelveScoreSheetTest, LastRoundTurnsTheLeaderRedAndShowsTheUngroupedScore)
{
    game.RoundNo = RoundCount;
    setRow(RoundCount, {0, 1250, 1100, 975, 1000});
    showSheet(1250, [&] {
        EXPECT_EQ(colour(RoundCount, 1), DarkBlue);
        EXPECT_TRUE(sheet->finalScoreLabel->isHidden()) << "only once the game is over";
    });

    game.GameOver = true;
    showSheet(1250, [&] {
        EXPECT_EQ(cell(RoundCount, 1)->text(), "1 250");
        EXPECT_EQ(colour(RoundCount, 1), DarkRed);
        EXPECT_EQ(colour(1, 1), DarkRed);
        EXPECT_EQ(colour(RoundCount, 2), Black);
        EXPECT_FALSE(cell(RoundCount, 1)->font().strikeOut());
        EXPECT_TRUE(sheet->finalScoreLabel->isVisible());
        EXPECT_EQ(sheet->finalScoreLabel->text(), "Your score is 1250 points!");
        EXPECT_EQ(sheet->finalScoreLabel->geometry(), QRect(0, rowTop(RoundCount) + 40, 625, 24));
    });

    showSheet(-1250,
              [&] { EXPECT_EQ(sheet->finalScoreLabel->text(), "Your score is -1250 points!"); });
}

TEST_F(TwelveScoreSheetTest, GridStandsWhereTheSheetIsLaidOut)
{
    EXPECT_EQ(sheet->size(), QSize(632, 428));
    EXPECT_EQ(sheet->scrollArea->geometry(), QRect(0, 0, 632, 387));
    EXPECT_EQ(sheet->okButton->geometry(), QRect(480, 8, 75, 25));
    const int lefts[] = {34, 180, 326, 472};
    for (int row : {1, 7, 51}) {
        EXPECT_EQ(cell(row, 0)->geometry(), QRect(3, rowTop(row), 25, 17));
        EXPECT_EQ(cell(row, 0)->text(), QString("%1.").arg(row));
        for (int column = 1; column <= 4; ++column)
            EXPECT_EQ(cell(row, column)->geometry(),
                      QRect(lefts[column - 1], rowTop(row), 137, 17));
    }
    EXPECT_EQ(cell(0, 2)->geometry(), QRect(180, 5, 137, 22));
    EXPECT_EQ(cell(0, 2)->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(cell(3, 3)->font().family(), "Arial");
    EXPECT_EQ(cell(3, 3)->font().pointSize(), 10);
    EXPECT_EQ(sheet->finalScoreLabel->font().pixelSize(), 20);
}

TEST_F(TwelveScoreSheetTest, WallTextureTilesTheSheetAndItsLackLeavesItPlain)
{
    // Below the first row, and one texture width further right.
    const QPoint spots[] = {{5, 300}, {133, 300}};
    game.RoundNo = 1;
    showSheet(0, [&] {
        const QImage shown = sheet->background->grab().toImage();
        for (QPoint at : spots)
            EXPECT_EQ(shown.pixelColor(at), sheet->palette().color(QPalette::Window))
                << "no texture in an empty folder: the window's face";
    });

    copyShippedFile(QStringLiteral("Fal - Feh\u00e9r.bmp"));
    const QImage texture(dataPath(QStringLiteral("Fal - Feh\u00e9r.bmp")));
    ASSERT_EQ(texture.width(), 128);
    sheet = std::make_unique<TwelveScoreSheet>();
    showSheet(0, [&] {
        const QImage shown = sheet->background->grab().toImage();
        for (QPoint at : spots)
            EXPECT_EQ(shown.pixelColor(at), texture.pixelColor(5, 300 % 128));
    });
}

}
