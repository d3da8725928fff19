#include "DeckChooser.h"
#include "Application.h"
#include "CardLibrary.h"
#include "Click.h"
#include "Keys.h"
#include "ModalAnswer.h"
#include "Picture.h"

#include <QFrame>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Where a back sits in the 3 x 3 grid.
QPoint gridPosition(int back)
{
    return {(back * 91) % 273 + 20, (back / 3) * 116 + 20};
}

QPoint framedBack(const DeckChooser &chooser)
{
    return chooser.selectionFrame->pos() + QPoint(8, 8);
}

class DeckChooserTest : public testing::Test
{
protected:
    // Opens the chooser on the game's back, runs the player's actions while it is open and returns
    // whether it closed with OK.
    bool choose(int gameBack, const std::function<void()> &actions)
    {
        chooser.ChosenBack = gameBack;
        onNextModal([&](QWidget *) { actions(); });
        return chooser.exec() == QDialog::Accepted;
    }

    void clickBack(int back) { clickWidget(chooser.backPictures[back]); }

    CardLibrary library;
    DeckChooser chooser;
};

}

TEST_F(DeckChooserTest, ShowsTheBacksInAGridWithTheButtonsBelow)
{
    ASSERT_EQ(chooser.backPictures.size(), 9u);
    const QRect backArea(0, 0, chooser.width(), chooser.buttonPanel->y());
    for (int back = 0; back < 9; ++back) {
        const Picture *picture = chooser.backPictures[back];
        EXPECT_EQ(picture->geometry(), QRect(gridPosition(back), QSize(71, 96)));
        EXPECT_EQ(picture->tag(), back);
        EXPECT_EQ(picture->pixmap().toImage(), library.backsUpright[back].toImage());
        // The frame fits around every back without leaving the window.
        EXPECT_TRUE(backArea.contains(QRect(gridPosition(back) - QPoint(8, 8), QSize(88, 114))));
    }
    EXPECT_EQ(chooser.buttonPanel->geometry(),
              QRect(0, chooser.height() - 41, chooser.width(), 41));
    EXPECT_EQ(chooser.cancelButton->geometry(), QRect(104, 8, 75, 25));
    EXPECT_EQ(chooser.okButton->geometry(), QRect(200, 8, 75, 25));
    EXPECT_EQ(chooser.cancelButton->text(), "Cancel");
    EXPECT_EQ(chooser.okButton->text(), "OK");
    EXPECT_EQ(chooser.selectionFrame->size(), QSize(88, 114));
}

TEST_F(DeckChooserTest, CaptionFollowsTheApplicationTitleAndTheGlobalPointsHere)
{
    const QString title = applicationTitle();
    setApplicationTitle("Kovra - Card Games 1");
    {
        DeckChooser another;
        EXPECT_EQ(another.windowTitle(), "Kovra - Card Games 1 - Card Decks");
        EXPECT_EQ(deckChooser, &another);
    }
    EXPECT_EQ(deckChooser, nullptr);
    setApplicationTitle(title);
}

TEST_F(DeckChooserTest, ClickingABackFramesItAndMakesItPending)
{
    chooser.show();
    for (const int back : {4, 0, 8, 2, 6}) {
        clickBack(back);
        EXPECT_EQ(framedBack(chooser), gridPosition(back));
        EXPECT_EQ(chooser.PendingBack, back);
    }
    chooser.hide();
}

TEST_F(DeckChooserTest, OkWithoutAClickReturnsTheCurrentBack)
{
    QPoint framed;
    EXPECT_TRUE(choose(5, [&] {
        framed = framedBack(chooser);
        chooser.okButton->click();
    }));
    EXPECT_EQ(framed, gridPosition(5));
    EXPECT_EQ(chooser.ChosenBack, 5);
}

TEST_F(DeckChooserTest, OkTakesTheClickedBack)
{
    EXPECT_TRUE(choose(1, [&] {
        clickBack(7);
        chooser.okButton->click();
    }));
    EXPECT_EQ(chooser.ChosenBack, 7);
}

TEST_F(DeckChooserTest, CancelKeepsTheBackAndReopeningFramesTheGamesBack)
{
    EXPECT_FALSE(choose(3, [&] {
        clickBack(8);
        chooser.cancelButton->click();
    }));
    EXPECT_EQ(chooser.ChosenBack, 3);

    QPoint framed;
    EXPECT_FALSE(choose(chooser.ChosenBack, [&] {
        framed = framedBack(chooser);
        chooser.reject();
    }));
    EXPECT_EQ(framed, gridPosition(3));
    EXPECT_EQ(chooser.ChosenBack, 3);
}

// A back index from a damaged settings file must not reach past the nine pictures.
TEST_F(DeckChooserTest, UnknownBackIndexFramesTheFirstBack)
{
    for (const int unknown : {9, -1, 1000}) {
        QPoint framed;
        EXPECT_TRUE(choose(unknown, [&] {
            framed = framedBack(chooser);
            chooser.okButton->click();
        }));
        EXPECT_EQ(framed, gridPosition(0));
        EXPECT_EQ(chooser.ChosenBack, 0);
    }
}

// The arrows walk the grid and stop at its edges; Return takes the choice, Esc keeps the back.
TEST_F(DeckChooserTest, ArrowsChooseReturnTakesAndEscKeeps)
{
    const struct
    {
        std::vector<Qt::Key> keys;
        int framed;
        int chosen;
    } cases[] = {
        {{Qt::Key_Right, Qt::Key_Down, Qt::Key_Return}, 4, 4},
        {{Qt::Key_Left, Qt::Key_Up, Qt::Key_Return}, 0, 0},
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
          Qt::Key_Enter},
         8,
         8},
        {{Qt::Key_Right, Qt::Key_Escape}, 1, 0},
    };
    for (const auto &c : cases) {
        choose(0, [&] {
            for (const Qt::Key key : c.keys) {
                if (&key == &c.keys.back()) {
                    EXPECT_EQ(framedBack(chooser), gridPosition(c.framed));
                }
                pressKey(&chooser, key);
            }
        });
        EXPECT_EQ(chooser.ChosenBack, c.chosen);
        EXPECT_FALSE(chooser.isVisible());
    }
    EXPECT_EQ(chooser.backPictures[0]->accessibleName(), "Card back 1");
}
