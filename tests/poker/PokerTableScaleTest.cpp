#include "HintFrame.h"
#include "IniFile.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "PokerSettings.h"
#include "PokerTableLayout.h"
#include "PokerWindowFixture.h"
#include "PressButton.h"
#include "ReferencePicture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace Layout = PokerTableLayout;

namespace {

class PokerTableScaleTest : public PokerWindowTest
{
protected:
    // Where the table's texts lie as designed: the pay table, the score, the buttons, the coach and
    // the labels under the cards.
    static QList<QRect> designedTextPlaces()
    {
        return {QRect(20, 5, 360, 240), QRect(392, 40, 186, 90), Layout::InvertRect,
                Layout::OkRect,         Layout::CoachRect,       QRect(0, 351, 578, 20)};
    }
};

}

TEST_F(PokerTableScaleTest, AtTheDesignedSizeTheTableLooksAsItDidBeforeItScaled)
{
    open(RuntDeal);
    pressCard(1);
    pressCard(3);
    ASSERT_EQ(window->table->size(), Layout::ClientSize);
    EXPECT_EQ(compareWithReference(window->table, designedTextPlaces(), "poker-designed"),
              QString());
}

namespace {

// Resizes the window so that its table is this size.
void resizeTable(PokerWindow &window, QSize table)
{
    window.resize(window.size() - window.table->size() + table);
}

}

TEST_F(PokerTableScaleTest, LargerTablesShowEverythingLargerAndPressesActOnWhatIsShown)
{
    open(RuntDeal);
    for (const qreal factor : {1.5, 2.0}) {
        SCOPED_TRACE(factor);
        resizeTable(*window, (QSizeF(Layout::ClientSize) * factor).toSize());
        for (int position = 0; position < CardsInHand; ++position) {
            const Picture *card = window->cardPictures[window->game().hand()[position]];
            EXPECT_NEAR(card->width(), 71 * factor, 1);
            EXPECT_NEAR(card->height(), 96 * factor, 1);
            EXPECT_NEAR(card->x(), Layout::CardLeft(position) * factor, 1);
            EXPECT_EQ(card->pixmap().size(), card->size() * window->devicePixelRatio())
                << "drawn at the size shown, not stretched";
        }
        EXPECT_NEAR(window->okButton->geometry().top(), Layout::OkRect.top() * factor, 1);
        EXPECT_EQ(window->scoreLabel->font().pixelSize(), qRound(40 * factor));
        EXPECT_EQ(window->background->geometry(), window->table->rect());
    }

    // The third card, pressed where it shows, is marked; a press on its cross unmarks it.
    const QRect third = window->cardPictures[window->game().hand()[2]]->geometry();
    pressAt(third.center(), Qt::LeftButton);
    EXPECT_TRUE(window->game().isMarked(2));
    EXPECT_EQ(window->DiscardMarks[2]->geometry(), third);
    pressAt(third.center(), Qt::LeftButton);
    EXPECT_FALSE(window->game().isMarked(2));
    pressAt(window->invertButton->geometry().center(), Qt::LeftButton);
    EXPECT_TRUE(window->game().isMarked(0) && window->game().isMarked(4));

    // The hint's frames and the keyboard's grow with the cards.
    window->Hint();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->hintFrames[0]->isVisible(); }, 20000));
    const QWidget *hinted = window->hintFrames[0]->picture();
    EXPECT_EQ(window->hintFrames[0]->geometry(), hinted->geometry().adjusted(-6, -6, 6, 6));
    resizeTable(*window, Layout::ClientSize * 3 / 2);
    ASSERT_TRUE(window->hintFrames[0]->isVisible()) << "a resize keeps the hint";
    EXPECT_EQ(window->hintFrames[0]->geometry(), hinted->geometry().adjusted(-5, -5, 5, 5));
}

TEST_F(PokerTableScaleTest, CardsSlideAtTheTablesScaleAndTheNewOnesLieWhereTheyShould)
{
    open(RuntDeal);
    resizeTable(*window, Layout::ClientSize * 2);
    random.push(40);
    const Picture *leaving = window->cardPictures[window->game().hand()[1]];
    pressAt(leaving->geometry().center(), Qt::LeftButton);
    const int top = leaving->y();
    window->Proceed();
    ASSERT_TRUE(window->slideTimer->isActive());
    window->MoveTick();
    EXPECT_EQ(leaving->y(), top + 2 * window->MoveStep());
    finishSlide();
    EXPECT_FALSE(leaving->isVisible());
    const Picture *arrived = window->cardPictures[window->game().hand()[1]];
    EXPECT_EQ(arrived->geometry(),
              window->cardPictures[window->game().hand()[0]]->geometry().translated(2 * 91, 0));
}

// A table of another shape shows the whole table centred at the largest scale that fits, and
// the background picture covers all of it, cut rather than stretched.
TEST_F(PokerTableScaleTest, TheBackgroundCoversAWindowOfAnyShape)
{
    open(RuntDeal);
    resizeTable(*window, {1400, 600});
    const qreal scale = 600.0 / 377;
    const Picture *first = window->cardPictures[window->game().hand()[0]];
    EXPECT_NEAR(first->x(), (1400 - 578 * scale) / 2 + 20 * scale, 1);
    EXPECT_NEAR(first->y(), (377 - 126) * scale, 1);
    EXPECT_EQ(window->background->geometry(), QRect(0, 0, 1400, 600));
    const QImage shown = window->background->pixmap().toImage();
    EXPECT_EQ(shown.size(), QSize(1400, 600) * window->devicePixelRatio());
    // Cut at the top and bottom: the picture's middle row lies in the middle.
    const QImage source = QImage(":/poker/Background.jpg");
    const QColor sourceMiddle = source.pixelColor(289, 188);
    const QColor shownMiddle = shown.pixelColor(700, 300);
    EXPECT_NEAR(shownMiddle.red(), sourceMiddle.red(), 24);
    EXPECT_NEAR(shownMiddle.green(), sourceMiddle.green(), 24);
}

TEST_F(PokerTableScaleTest, SizeAndPlaceAreKeptInPokerIniAndBroughtOntoTheScreen)
{
    open(RuntDeal);
    EXPECT_EQ(window->table->size(), Layout::ClientSize) << "no size kept: as designed";
    window->move(60, 70);
    resizeTable(*window, {700, 450});
    window->Proceed();
    answerNextModal(QStringLiteral("No"));
    window->close();
    IniFile written(dataPath("Poker.ini"));
    const struct
    {
        const char *key;
        int value;
    } expected[] = {
        {"FormSzel", 708}, {"FormMag", 506}, {"FormBal", 60}, {"FormTeto", 70}, {"FormStatusz", 1}};
    for (const auto &key : expected)
        EXPECT_EQ(written.readInteger("Beallitas", key.key, -1), key.value) << key.key;

    open(RuntDeal);
    EXPECT_EQ(window->table->size(), QSize(700, 450));
    EXPECT_EQ(window->pos(), QPoint(60, 70));

    // A place on a screen since unplugged comes back to the primary screen, a size larger
    // than the screen is brought down to it, and a maximized window opens maximized.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    writeDataFile("Poker.ini",
                  "[Beallitas]\r\nFormSzel=90000\r\nFormMag=90000\r\n"
                  "FormBal=-50000\r\nFormTeto=40000\r\nFormStatusz=1\r\n");
    open(RuntDeal);
    EXPECT_LE(window->width(), screen.width());
    EXPECT_LE(window->height(), screen.height());
    EXPECT_EQ(window->pos(), screen.topLeft() + PokerReturnOffset);
    writeDataFile("Poker.ini", "[Beallitas]\r\nFormStatusz=2\r\nFormSzel=700\r\n");
    open(RuntDeal);
    EXPECT_TRUE(window->isMaximized());
}
