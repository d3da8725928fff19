// The table at 1.5 and 2 times its designed size, as a player who maximises the window sees
// it: everything where the scaled layout says, clicks on what shows.
#include "TwelveWindowFixture.h"
#include "WindowPlacement.h"

#include "Picture.h"
#include "TableScale.h"
#include "TwelveRoom.h"
#include "TwelveTableLayout.h"

#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QWindow>

using namespace TwelveTableLayout;

namespace {

class TwelveScaledTableTest : public TwelveWindowTest, public testing::WithParamInterface<qreal>
{
protected:
    void openScaled()
    {
        open();
        const QSize scaled = (QSizeF(TableSize) * GetParam()).toSize();
        window->resize(window->size() - table().size() + scaled);
        ASSERT_EQ(table().size(), scaled);
        scale = TableScale::fitting(scaled, TableSize);
        ASSERT_DOUBLE_EQ(scale.factor(), GetParam());
    }

    // A press and release at a designed point of the table, as the window system delivers it.
    void clickAt(QPoint designed)
    {
        const QPoint at = table().mapTo(window.get(), scale.toWidget(designed));
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    }

    TableScale scale;
};

}

TEST_P(TwelveScaledTableTest, PartsLieWhereTheScaledLayoutSays)
{
    openScaled();
    for (const PlacedCard &card : handLayout(HumanSeat, game().Holding[HumanSeat], true))
        EXPECT_EQ(table().faces[card.card]->geometry(),
                  scale.toWidget(QRect(card.place, UprightCard)));
    for (int seat = 1; seat <= SeatCount; ++seat) {
        EXPECT_EQ(table().scoreBoxes[seat]->geometry(), scale.toWidget(scoreBox(seat)));
        EXPECT_EQ(table().nameLabels[seat]->geometry(), scale.toWidget(NameLabels[seat]));
    }
    EXPECT_EQ(table().noMoreButton->geometry(),
              scale.toWidget(QRect(BidButtonPlaces[3], BidButtonSize)));
    EXPECT_EQ(table().statusLine->geometry(),
              scale.toWidget(QRect(0, H - StatusHeight, W, StatusHeight)));
    // Pictures are drawn for the size they are shown at, not stretched.
    const Picture *face = table().faces[heldCard(HumanSeat)];
    EXPECT_NEAR(face->pixmap().width(), face->width() * face->devicePixelRatioF(), 1);
    EXPECT_NEAR(table().bidButtonBackdrop->pixmap().width(),
                table().bidButtonBackdrop->width() * table().bidButtonBackdrop->devicePixelRatioF(),
                1);
    EXPECT_NEAR(table().scoreLabels[1]->font().pointSizeF(), 10 * GetParam(), 0.01);

    putAndTurnUp();
    for (int slot = 1; slot <= SlotCount; ++slot)
        EXPECT_EQ(table().faces[game().TurnSlot[slot].Card]->geometry(),
                  scale.toWidget(QRect(middleCard(slot), UprightCard)));
}

// The speeds are designed pixels per tick: a larger table takes as many ticks.
TEST_P(TwelveScaledTableTest, CardsTravelInAsManyTicks)
{
    openScaled();
    pressFace(heldCard(HumanSeat));
    int ticks = 0;
    while (state() == TurnState::Travelling) {
        window->moveTick();
        ++ticks;
    }
    int longest = 0;
    for (int seat = 1; seat <= SeatCount; ++seat)
        longest = std::max(longest, (travelStart(seat) - middleCard(seat)).manhattanLength());
    const int step = window->pace().MoveStep;
    EXPECT_EQ(ticks, (longest + step - 1) / step);
}

// A hand card shows a strip beside its right neighbour and above the next row: a click on the
// strip puts it. A click where no card lies, beside the row or between two middle cards, does
// nothing.
TEST_P(TwelveScaledTableTest, AClickOnTheVisiblePartOfAHandCardPutsThatCard)
{
    openScaled();
    const auto placed = handLayout(HumanSeat, game().Holding[HumanSeat], true);
    ASSERT_GE(placed.size(), 2u);
    const PlacedCard first = placed.front();
    clickAt(QPoint(first.place.x() - 5, first.place.y() + SuitStep / 2));
    EXPECT_EQ(game().TurnSlot[HumanSeat].MoveState, MoveNotPut) << "beside the row";

    const PlacedCard second = placed[1];
    clickAt(second.place + QPoint(Overlap / 2, SuitStep / 2));
    EXPECT_EQ(game().TurnSlot[HumanSeat].Card, second.card);
    ASSERT_EQ(game().TurnSlot[HumanSeat].MoveState, MoveTravelling);

    tickUntilWaiting();
    ASSERT_EQ(state(), TurnState::Choosing);
    const QPoint betweenSlots4And3(middleCard(4).x() + CardWidth + 7, CentreY);
    clickAt(betweenSlots4And3);
    EXPECT_EQ(state(), TurnState::Choosing);
    clickAt(middleCard(3) + QPoint(CardWidth / 2, CardHeight / 2));
    EXPECT_EQ(game().Wanted[HumanSeat], 3);
}

INSTANTIATE_TEST_SUITE_P(Scales, TwelveScaledTableTest, testing::Values(1.5, 2.0));

// The window's size, place and state come back from "Twelve.ini" as the player left them,
// within what a screen can show; values far out of range cannot make it huge.
TEST_F(TwelveWindowTest, TheWindowKeepsItsSizePlaceAndState)
{
    writeDataFile("Twelve.ini",
                  "[Beallitas]\r\nFormSzel=99999999\r\nFormMag=-5\r\n"
                  "FormBal=30\r\nFormTeto=40\r\nFormStatusz=1\r\n");
    open();
    EXPECT_EQ(table().height(), H) << "as designed, the smallest it can be";
    EXPECT_LE(window->width(), window->screen()->availableGeometry().width()) << "no wider";
    EXPECT_EQ(window->pos(), QPoint(30, 40));

    window->move(50, 60);
    window->resize(window->size() - table().size() + QSize(1176, 789));
    window->placement->note();
    window->showMaximized();
    window->placement->note();
    window->state().GameOver = true;
    window->close();
    const QByteArray saved = readDataFile("Twelve.ini");
    for (const char *line :
         {"FormSzel=1184", "FormMag=845", "FormBal=50", "FormTeto=60", "FormStatusz=2"})
        EXPECT_TRUE(saved.contains(line)) << line << "\n" << saved.constData();

    open();
    EXPECT_TRUE(window->isMaximized());
}

namespace {

class TwelveRoomTest : public TempDataDir
{
};

}

// A wall texture magnified four times is blended between its pixels, not drawn as blocks: a
// texture of two colours shows colours between them.
TEST_F(TwelveRoomTest, MagnifiedWallsAreSmoothed)
{
    QImage checker(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < checker.height(); ++y)
        for (int x = 0; x < checker.width(); ++x)
            checker.setPixelColor(x, y, (x + y) % 2 ? Qt::black : Qt::white);
    ASSERT_TRUE(checker.save(dataPath(QStringLiteral("Fal - Sárga.bmp"))));

    const QImage room = TwelveRoom::paint(4).toImage();
    // Inside the left wall, a few texture pixels long.
    QSet<QRgb> colours;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            colours.insert(room.pixel(4 * 20 + x, 4 * 250 + y));
    EXPECT_GT(colours.size(), 2);
}
