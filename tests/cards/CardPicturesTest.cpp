#include "CardBacks.h"
#include "CardFaces.h"
#include "CardId.h"
#include "CardLibrary.h"

#include <QImage>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>

namespace {

bool isRedInk(QRgb pixel)
{
    return qAlpha(pixel) == 255 && qRed(pixel) > 150 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

bool isBlackInk(QRgb pixel)
{
    return qAlpha(pixel) == 255 && qRed(pixel) < 70 && qGreen(pixel) < 70 && qBlue(pixel) < 70;
}

struct InkCount
{
    int red = 0;
    int black = 0;
};

// Counts the inked pixels of a region given in logical pixels.
InkCount inkIn(const QPixmap &picture, const QRect &logical)
{
    const QImage image = picture.toImage();
    const qreal ratio = picture.devicePixelRatio();
    const QRect region(logical.topLeft() * ratio, logical.size() * ratio);
    InkCount count;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            count.red += isRedInk(image.pixel(x, y));
            count.black += isBlackInk(image.pixel(x, y));
        }
    }
    return count;
}

// Separate marks of ink met when walking along a strip, lines across it counting as inked when
// any pixel on them is; the card's outline is left out.
int inkMarks(const QImage &image, const QRect &strip, Qt::Orientation along)
{
    const QRect inside = strip & image.rect().adjusted(1, 1, -1, -1);
    const bool down = along == Qt::Vertical;
    int marks = 0;
    bool inMark = false;
    for (int i = 0; i < (down ? inside.height() : inside.width()); ++i) {
        bool inked = false;
        for (int j = 0; j < (down ? inside.width() : inside.height()); ++j) {
            const QRgb pixel = down ? image.pixel(inside.left() + j, inside.top() + i)
                                    : image.pixel(inside.left() + i, inside.top() + j);
            inked = inked || isRedInk(pixel) || isBlackInk(pixel);
        }
        marks += inked && !inMark;
        inMark = inked;
    }
    return marks;
}

int distinctPictures(const std::vector<QPixmap> &pictures)
{
    QSet<QByteArray> seen;
    for (const QPixmap &picture : pictures) {
        const QImage image = picture.toImage();
        seen.insert(
            QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
    }
    return int(seen.size());
}

// The corner indices: top left, and upside down at the bottom right.
const QRect TopLeftIndex(2, 2, 12, 24);
const QRect BottomRightIndex(57, 70, 12, 24);

class CardPicturesTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { library = new CardLibrary; }
    static void TearDownTestSuite()
    {
        delete library;
        library = nullptr;
    }

    static CardLibrary *library;
};

CardLibrary *CardPicturesTest::library = nullptr;
}

TEST_F(CardPicturesTest, ListsHoldEveryPictureAtItsSize)
{
    const struct
    {
        const char *name;
        const std::vector<QPixmap> &list;
        size_t count;
        QSize size;
    } lists[] = {
        {"faces", library->faces, 52, {71, 96}},
        {"backsUpright", library->backsUpright, 9, {71, 96}},
        {"backsUpsideDown", library->backsUpsideDown, 9, {71, 96}},
        {"backsCounterClockwise", library->backsCounterClockwise, 9, {96, 71}},
        {"backsClockwise", library->backsClockwise, 9, {96, 71}},
    };
    for (const auto &list : lists) {
        ASSERT_EQ(list.list.size(), list.count) << list.name;
        for (const QPixmap &picture : list.list)
            EXPECT_EQ(picture.deviceIndependentSize().toSize(), list.size) << list.name;
    }
}

TEST_F(CardPicturesTest, EveryCardIdDrawsItsOwnFace)
{
    EXPECT_EQ(distinctPictures(library->faces), 52);

    // 12 is the Ace of Clubs: one large black pip in the middle. 13 the Two of Diamonds: an
    // empty middle between two red pips.
    const QImage aceOfClubs = library->faces[12].toImage();
    EXPECT_TRUE(isBlackInk(aceOfClubs.pixel(35, 48)));
    const QImage twoOfDiamonds = library->faces[13].toImage();
    EXPECT_EQ(twoOfDiamonds.pixel(35, 48), qRgb(255, 255, 255));
    EXPECT_TRUE(isRedInk(twoOfDiamonds.pixel(35, 22)));
    EXPECT_TRUE(isRedInk(twoOfDiamonds.pixel(35, 73)));
}

TEST_F(CardPicturesTest, DiamondsAndHeartsAreRedClubsAndSpadesBlackInBothCorners)
{
    for (int id = 0; id < CardId::CardCount; ++id) {
        const bool red = CardId::isRed(CardId::suitOf(id));
        for (const QRect &corner : {TopLeftIndex, BottomRightIndex}) {
            const InkCount ink = inkIn(library->faces[id], corner);
            EXPECT_EQ(ink.red > 0, red) << "card " << id;
            EXPECT_EQ(ink.black > 0, !red) << "card " << id;
        }
    }
}

// Overlapped cards show only a strip of each card: the left 15 or the top 18 pixels. Rank and
// suit must both be in the top-left half of it, as separate marks: a Ten's digits and a suit make
// three.
TEST_F(CardPicturesTest, CornerIndexShowsRankAndSuitInTheVisibleStrips)
{
    const struct
    {
        int id;
        int leftMarks;
        int topMarks;
    } cases[] = {{0, 2, 2}, {8, 2, 3}, {38, 2, 2}, {47, 2, 3}, {23, 2, 2}};
    for (const auto &c : cases) {
        const QImage face = library->faces[c.id].toImage();
        EXPECT_EQ(inkMarks(face, QRect(0, 0, 15, 48), Qt::Vertical), c.leftMarks) << c.id;
        EXPECT_EQ(inkMarks(face, QRect(0, 0, 35, 18), Qt::Horizontal), c.topMarks) << c.id;
    }
}

TEST_F(CardPicturesTest, CornersOutsideTheRoundedCardAreTransparent)
{
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap upright = CardBacks::paint(6, ratio);
        const QPixmap pictures[] = {
            CardFaces::paint(38, ratio),
            upright,
            CardBacks::turned(upright, CardBacks::Turn::UpsideDown),
            CardBacks::turned(upright, CardBacks::Turn::CounterClockwise),
            CardBacks::turned(upright, CardBacks::Turn::Clockwise),
        };
        for (const QPixmap &picture : pictures) {
            const QImage image = picture.toImage();
            const QRect all = image.rect();
            for (const QPoint corner :
                 {all.topLeft(), all.topRight(), all.bottomLeft(), all.bottomRight()})
                EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << ratio;
            EXPECT_EQ(qAlpha(image.pixel(all.center())), 255);
            // The edge between the corners is the card's own.
            EXPECT_EQ(qAlpha(image.pixel(all.center().x(), 0)), 255);
        }
    }
}

TEST_F(CardPicturesTest, PicturesAreDrawnAtTheScreensPixelRatio)
{
    const QPixmap face = CardFaces::paint(10, 2);
    EXPECT_EQ(face.devicePixelRatio(), 2);
    EXPECT_EQ(face.size(), QSize(142, 192));
    EXPECT_EQ(face.deviceIndependentSize().toSize(), QSize(71, 96));
    const QPixmap side = CardBacks::turned(CardBacks::paint(0, 2), CardBacks::Turn::Clockwise);
    EXPECT_EQ(side.devicePixelRatio(), 2);
    EXPECT_EQ(side.deviceIndependentSize().toSize(), QSize(96, 71));
}

// Each pixel of a small picture in its own colour shows where a turn takes every pixel.
TEST_F(CardPicturesTest, BacksTurnTheWayTheirListsSay)
{
    constexpr int W = 3, H = 2;
    QImage upright(W, H, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x)
            upright.setPixel(x, y, qRgb(40 * x, 100 * y, 200));
    }
    const struct
    {
        CardBacks::Turn turn;
        std::function<QPoint(int, int)> to;
    } turns[] = {
        {CardBacks::Turn::Upright, [](int x, int y) { return QPoint(x, y); }},
        {CardBacks::Turn::UpsideDown, [](int x, int y) { return QPoint(W - 1 - x, H - 1 - y); }},
        // The right edge comes to the top.
        {CardBacks::Turn::CounterClockwise, [](int x, int y) { return QPoint(y, W - 1 - x); }},
        // The top edge comes to the right.
        {CardBacks::Turn::Clockwise, [](int x, int y) { return QPoint(H - 1 - y, x); }},
    };
    for (const auto &t : turns) {
        const QImage turned = CardBacks::turned(QPixmap::fromImage(upright), t.turn).toImage();
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x)
                EXPECT_EQ(turned.pixel(t.to(x, y)), upright.pixel(x, y)) << int(t.turn);
        }
    }
}

TEST_F(CardPicturesTest, BackListsHoldTheUprightBacksTurned)
{
    for (int back = 0; back < CardBacks::BackCount; ++back) {
        const QPixmap &upright = library->backsUpright[back];
        EXPECT_EQ(library->backsUpsideDown[back].toImage(),
                  CardBacks::turned(upright, CardBacks::Turn::UpsideDown).toImage());
        EXPECT_EQ(library->backsCounterClockwise[back].toImage(),
                  CardBacks::turned(upright, CardBacks::Turn::CounterClockwise).toImage());
        EXPECT_EQ(library->backsClockwise[back].toImage(),
                  CardBacks::turned(upright, CardBacks::Turn::Clockwise).toImage());
    }
    EXPECT_EQ(distinctPictures(library->backsUpright), 9);
}

TEST_F(CardPicturesTest, SelectionFrameIsADarkRingAroundATransparentBack)
{
    const QImage frame = CardBacks::paintSelectionFrame(1).toImage();
    EXPECT_EQ(frame.size(), QSize(87, 113));
    // Inside the 8-pixel ring a 71 x 96 back shows through.
    EXPECT_EQ(qAlpha(frame.pixel(8, 56)), 0);
    EXPECT_EQ(qAlpha(frame.pixel(43, 8 + 95)), 0);
    EXPECT_EQ(qAlpha(frame.pixel(78, 56)), 0);
    for (const QPoint ring : {QPoint(2, 56), QPoint(43, 2), QPoint(84, 56), QPoint(43, 110)}) {
        const QRgb pixel = frame.pixel(ring);
        EXPECT_EQ(qAlpha(pixel), 255);
        EXPECT_LT(qGray(pixel), 100);
    }
}
