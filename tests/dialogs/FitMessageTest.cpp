#include "FitMessage.h"

#include <gtest/gtest.h>

namespace {

// Ten pixels a character: the standard label (306 pixels) holds 30 characters.
int tenPerCharacter(const QString &text)
{
    return static_cast<int>(text.size()) * 10;
}

FitMessage::Result fit(const QString &text)
{
    return FitMessage::breakLongWords(text, tenPerCharacter);
}

}

TEST(FitMessageTest, HeightGrowsWithLengthAndTenPixelsPerLineFeed)
{
    EXPECT_EQ(FitMessage::dialogHeight("Are you sure to quit?"), 154);
    const QString plain = "abcdefghijklmnopqrstu";
    const QString twoLines = "abcdefghijklmnopqrs\n\n";
    EXPECT_EQ(FitMessage::dialogHeight(twoLines) - FitMessage::dialogHeight(plain), 20);
}

TEST(FitMessageTest, OrdinaryTextKeepsTheStandardWidthAndIsLeftToTheLabel)
{
    const QString text = "Are you sure to quit this game and start a new one?";
    const auto result = fit(text);
    EXPECT_EQ(result.text, text);
    EXPECT_EQ(result.dialogWidth, FitMessage::StandardWidth);
}

TEST(FitMessageTest, LongPathIsBrokenAfterTheLastSeparatorThatFits)
{
    const auto windows = fit("Cannot open file:\nC:\\ProgramFiles\\KovraCardGamesX\\Help.rtf");
    EXPECT_EQ(windows.text, "Cannot open file:\nC:\\ProgramFiles\\\nKovraCardGamesX\\Help.rtf");
    EXPECT_EQ(windows.dialogWidth, FitMessage::StandardWidth);

    const auto unix = fit("Cannot open file:\n/home/player/games/kovra/card-games/Golf.rtf");
    EXPECT_EQ(unix.text, "Cannot open file:\n/home/player/games/kovra/\ncard-games/Golf.rtf");
}

TEST(FitMessageTest, WordWithoutBreakPointGetsItsOwnLineAndWidensTheDialog)
{
    const QString word(40, QLatin1Char('x'));
    const auto alone = fit(word);
    EXPECT_EQ(alone.text, word);
    EXPECT_EQ(alone.dialogWidth, 400 + 30);

    const auto followed = fit(word + " end");
    EXPECT_EQ(followed.text, word + " end");
    EXPECT_EQ(followed.dialogWidth, 410 + 30);

    const auto afterLineFeed = fit("Cannot open file:\n" + word);
    EXPECT_EQ(afterLineFeed.text, "Cannot open file:\n" + word);
    EXPECT_EQ(afterLineFeed.dialogWidth, 400 + 30);
}

TEST(FitMessageTest, SeparatorThatItselfOverflowsEndsItsLine)
{
    const QString part(30, QLatin1Char('a'));
    const auto result = fit(part + "\\rest");
    EXPECT_EQ(result.text, part + "\\\nrest");
    EXPECT_EQ(result.dialogWidth, 310 + 30);
}
