#include "FocusFrame.h"
#include "GolfKeys.h"
#include "GolfWindowFixture.h"
#include "HintFrame.h"
#include "Keys.h"
#include "ReferencePicture.h"

namespace {

class GolfTableScaleTest : public GolfWindowTest
{
protected:
    // A deal with the stock turned a few times and the hint's frame on the card it names.
    void openWithHint()
    {
        open(fourOnFive());
        for (int turn = 0; turn < 5; ++turn)
            window->turnStock();
        window->onHint();
        ASSERT_TRUE(adviceArrives());
        ASSERT_TRUE(window->hintFrame->isVisible());
    }

    // Resizes the window so that its table is this many times its designed size.
    void scaleTable(qreal factor)
    {
        const QSize table = (QSizeF(621, 403) * factor).toSize();
        window->resize(window->size() - window->table->size() + table);
        ASSERT_EQ(window->table->size(), table);
    }

    // A left press where the window system would deliver it: to the topmost picture under
    // that point of the table.
    void pressAt(QPoint onTable)
    {
        QWidget *target = window->table->childAt(onTable);
        ASSERT_NE(target, nullptr);
        clickWidget(target, Qt::LeftButton, target->mapFrom(window->table, onTable));
    }
};

// How far a frame reaches beyond its card.
int reach(const QWidget *frame, const QWidget *card)
{
    return card->geometry().left() - frame->geometry().left();
}
}

TEST_F(GolfTableScaleTest, AtTheDesignedSizeTheTableLooksAsItDidBeforeItScaled)
{
    openWithHint();
    ASSERT_EQ(window->table->size(), QSize(621, 403));
    const QRect counter(0, stock().y() + 103, 79, 30);
    EXPECT_EQ(compareWithReference(window->table, {counter}, "golf-designed"), QString());
}

TEST_F(GolfTableScaleTest, LargerTablesShowLargerCardsDrawnForTheirSizeWhereTheLayoutPutsThem)
{
    open(fourOnFive());
    for (const qreal factor : {1.5, 2.0}) {
        SCOPED_TRACE(factor);
        scaleTable(factor);
        for (const int id : {card(Four), card(Five), card(Two)}) {
            const QSize size = picture(id)->size();
            EXPECT_NEAR(size.width(), 71 * factor, 1);
            EXPECT_NEAR(size.height(), 96 * factor, 1);
            EXPECT_EQ(picture(id)->pixmap().size(), size * window->devicePixelRatio())
                << "drawn at the size shown, not stretched";
        }
        EXPECT_EQ(window->stockPicture->size(), picture(card(Four))->size());
        EXPECT_EQ(window->stockPicture->pixmap().size(),
                  window->stockPicture->size() * window->devicePixelRatio());
    }
    // At twice the size every designed place is twice as far from the corner, the stock and
    // foundation keeping to the bottom.
    const auto twice = [](int x, int y) { return QPoint(2 * x, 2 * y); };
    EXPECT_EQ(picture(card(Two))->pos(), twice(5, 5));
    EXPECT_EQ(picture(card(Four))->pos(), twice(5, 4 * 18 + 5));
    EXPECT_EQ(picture(window->game().Tableau(6, 4))->pos(), twice(6 * 79 + 5, 4 * 18 + 5));
    EXPECT_EQ(window->stockPicture->pos(), twice(5, 403 - 152));
    EXPECT_EQ(picture(card(Five))->pos(), twice(5 + 79, 403 - 152));
    EXPECT_EQ(window->stockCountLabel->geometry().right() + 1, 2 * 79);
    EXPECT_EQ(window->stockCountLabel->y(), 2 * (403 - 152 + 103));
    EXPECT_EQ(window->stockCountLabel->font().pixelSize(), 40);
}

TEST_F(GolfTableScaleTest, ClicksKeysAndFramesActOnTheCardsAsShown)
{
    open(fourOnFive());
    scaleTable(2);
    // The Four of Clubs lies at the foot of the first column, over the Six of Diamonds, and
    // plays on the Five; a press on the strip of the Six that shows above it acts on the Six,
    // which does not.
    const QRect four = picture(card(Four))->geometry();
    pressAt(QPoint(four.center().x(), four.top() - 4));
    EXPECT_EQ(window->game().FoundationCount(), 1);
    pressAt(four.center());
    EXPECT_EQ(window->game().FoundationCount(), 2);
    EXPECT_EQ(topCard(), card(Four));

    // The hint's frame and the keyboard's grow with the cards they surround, and Return plays
    // the card the keyboard's frame is on.
    window->onHint();
    ASSERT_TRUE(adviceArrives());
    QWidget *hinted = window->hintFrame->picture();
    ASSERT_NE(hinted, nullptr);
    EXPECT_EQ(window->hintFrame->geometry(), hinted->geometry().adjusted(-6, -6, 6, 6));
    FocusFrame *keyboard = window->findChild<FocusFrame *>();
    pressKey(window.get(), Qt::Key_Right);
    ASSERT_NE(keyboard->picture(), nullptr);
    EXPECT_EQ(reach(keyboard, keyboard->picture()), 2 * (3 + 2 * 1));
    EXPECT_EQ(keyboard->picture(), picture(card(Six, 1)));
}
