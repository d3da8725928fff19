#include <QImage>
#include <QRect>
#include <QString>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int DenseScale = 2;

QString resource(const QString &name, int scale)
{
    const QString dense = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return QStringLiteral(":/twelve/") + name + dense + QStringLiteral(".png");
}

// The pixel of a picture drawn at `scale` that lies under the logical pixel `at`.
QPoint devicePixel(QPoint at, int scale)
{
    return at * scale + QPoint(scale / 2, scale / 2);
}

}

TEST(TwelvePictures, EachComesAtItsSizeAndTwiceAsDense)
{
    const struct
    {
        const char *name;
        QSize size;
    } pictures[] = {
        {"BidPlus1", {94, 25}},   {"BidPlus5", {94, 25}},      {"BidAtAllCosts", {94, 25}},
        {"BidNoMore", {94, 25}},  {"ButtonPanel", {113, 137}}, {"EndOfRound", {329, 105}},
        {"GameOver", {329, 105}}, {"RunFrame", {15, 30}},      {"AuctionFrame", {88, 114}},
        {"Bid1", {89, 67}},       {"Bid2", {89, 67}},          {"Bid3", {89, 67}},
        {"Bid4", {89, 67}},
    };
    for (const auto &picture : pictures) {
        for (const int scale : {1, DenseScale}) {
            const QString path = resource(QString::fromLatin1(picture.name), scale);
            const QImage image(path);
            EXPECT_EQ(image.size(), picture.size * scale) << qPrintable(path);
            EXPECT_TRUE(image.hasAlphaChannel()) << qPrintable(path);
        }
    }
}

// The frames lie over cards that must show through whole, and their outline must be solid.
TEST(TwelvePictures, FramesAreClearOverTheCardAndSolidOnTheirEdge)
{
    const struct
    {
        const char *name;
        std::vector<QRect> clear; // logical pixels that show the card below
        std::vector<QPoint> edge; // logical pixels on the outline
    } frames[] = {
        {"RunFrame", {QRect(3, 3, 9, 24)}, {{0, 15}, {14, 15}, {7, 0}, {7, 29}}},
        // The card lies at (8, 8), 71 x 96 with round corners.
        {"AuctionFrame",
         {QRect(8, 12, 71, 88), QRect(12, 8, 63, 96)},
         {{44, 0}, {0, 57}, {87, 57}, {44, 113}, {3, 3}, {84, 110}}},
    };
    for (const auto &frame : frames) {
        for (const int scale : {1, DenseScale}) {
            const QString path = resource(QString::fromLatin1(frame.name), scale);
            const QImage image(path);
            ASSERT_FALSE(image.isNull()) << qPrintable(path);
            for (const QRect &logical : frame.clear) {
                const QRect area(logical.topLeft() * scale, logical.size() * scale);
                for (int y = area.top(); y <= area.bottom(); ++y)
                    for (int x = area.left(); x <= area.right(); ++x)
                        ASSERT_EQ(qAlpha(image.pixel(x, y)), 0)
                            << qPrintable(path) << " at " << x << "," << y;
            }
            for (const QPoint logical : frame.edge) {
                const QPoint at = devicePixel(logical, scale);
                EXPECT_EQ(qAlpha(image.pixel(at)), 255)
                    << qPrintable(path) << " at " << at.x() << "," << at.y();
            }
        }
    }
}
