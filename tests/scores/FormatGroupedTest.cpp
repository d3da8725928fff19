#include "FormatGrouped.h"

#include <gtest/gtest.h>
#include <limits>

TEST(FormatGroupedTest, PutsOneBlankBetweenGroupsOfThreeDigits)
{
    const struct
    {
        qint64 value;
        const char *text;
    } cases[] = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1 000"},
        {1234567, "1 234 567"},
        {-1234, "-1 234"},
        {-999, "-999"},
        {-1000000, "-1 000 000"},
        {std::numeric_limits<qint64>::max(), "9 223 372 036 854 775 807"},
        {std::numeric_limits<qint64>::min(), "-9 223 372 036 854 775 808"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatGrouped(c.value), QString::fromLatin1(c.text)) << c.value;
}
