#include "TableScale.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr QSize Designed{784, 526};

}

TEST(TableScale, FitsCentredKeepingProportionsNeverBelowDesigned)
{
    const struct
    {
        QSize widget;
        qreal factor;
        QPoint origin;
    } cases[] = {
        {{784, 526}, 1, {0, 0}},     {{1176, 789}, 1.5, {0, 0}}, {{1568, 1052}, 2, {0, 0}},
        {{1920, 1052}, 2, {176, 0}}, // wider than the table: bands left and right
        {{1568, 1200}, 2, {0, 74}},  {{600, 400}, 1, {0, 0}}, // smaller than designed: drawn as
                                                              // designed, cut
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.widget.width() << "x" << c.widget.height());
        const TableScale scale = TableScale::fitting(c.widget, Designed);
        EXPECT_DOUBLE_EQ(scale.factor(), c.factor);
        EXPECT_EQ(scale.origin(), c.origin);
    }
}

// Cards that overlap by 15 designed pixels still meet without a gap or a double pixel when
// scaled by 1.5, and every widget pixel maps back to the designed pixel it shows.
TEST(TableScale, NeighboursShareEdgesAndPixelsMapBack)
{
    const TableScale scale = TableScale::fitting({1176 + 40, 789}, Designed);
    ASSERT_DOUBLE_EQ(scale.factor(), 1.5);
    for (int left = 255; left < 255 + 13 * 15; left += 15) {
        const QRect card = scale.toWidget(QRect(left, 316, 71, 96));
        const QRect next = scale.toWidget(QRect(left + 15, 316, 71, 96));
        const QRect strip = scale.toWidget(QRect(left, 316, 15, 96));
        EXPECT_EQ(strip.right() + 1, next.left());
        EXPECT_EQ(card.left(), strip.left());
        for (int x = strip.left(); x <= strip.right(); ++x)
            EXPECT_EQ(scale.toDesigned({x, card.top()}).x() / 15 * 15, left) << x;
    }
    for (int x = 0; x < 300; ++x) {
        const QPoint designed = scale.toDesigned({x, 0});
        const QRect pixel = scale.toWidget(QRect(designed, QSize(1, 1)));
        EXPECT_TRUE(x >= pixel.left() && x <= pixel.right()) << x;
    }
    EXPECT_EQ(scale.toWidgetWithin(QRect(128, 72, 75, 25)), QRect(192, 108, 113, 38));
}

// A layout that grows with its widget keeps its corner, takes the whole widget and holds the
// least size it needs at the scale; a picture placed whole has one size wherever it lies.
TEST(TableScale, FillingAnchorsAtTheCornerAndGivesTheDesignedRoom)
{
    const struct
    {
        QSize widget;
        QSize designed;
    } cases[] = {
        {{621, 403}, {621, 403}},   {{800, 500}, {644, 403}}, {{1242, 806}, {621, 403}},
        {{1920, 1000}, {773, 403}}, {{400, 300}, {400, 300}}, // smaller: shown as designed
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.widget.width() << "x" << c.widget.height());
        const TableScale scale = TableScale::filling(c.widget, {621, 403});
        EXPECT_NEAR(scale.factor(),
                    std::max(1.0, std::min(c.widget.width() / 621.0, c.widget.height() / 403.0)),
                    1e-9);
        EXPECT_EQ(scale.origin(), QPoint());
        EXPECT_EQ(scale.designedSize(c.widget), c.designed);
    }
    const TableScale half = TableScale::filling({932, 605}, {621, 403});
    for (int left = 5; left < 600; left += 79)
        EXPECT_EQ(half.toWidgetWhole(QRect(left, 23, 71, 96)).size(), QSize(107, 144)) << left;
}
