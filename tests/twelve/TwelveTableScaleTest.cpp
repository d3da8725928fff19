#include "TwelveTableScale.h"

#include <gtest/gtest.h>

namespace {

constexpr QSize Designed{784, 526};

}

TEST(TwelveTableScale, FitsCentredKeepingProportionsNeverBelowDesigned)
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
TEST(TwelveTableScale, NeighboursShareEdgesAndPixelsMapBack)
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
