#include "AnsiText.h"

#include <gtest/gtest.h>

TEST(AnsiTextTest, CentralEuropeanLettersRoundTripAsWindows1250Bytes)
{
    const QString name = QStringLiteral("Őrsi Űrsula é");
    const QByteArray bytes = AnsiText::encode(name);
    EXPECT_EQ(bytes, QByteArray("\xd5rsi \xdbrsula \xe9"));
    EXPECT_EQ(AnsiText::decode(bytes), name);
}

TEST(AnsiTextTest, LettersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(AnsiText::encode(QStringLiteral("a\u4e2db")), QByteArray("a?b"));
    EXPECT_EQ(AnsiText::encode(QStringLiteral("\U0001F600")), QByteArray("?"));
    // A control character the file held comes back as the same byte.
    EXPECT_EQ(AnsiText::encode(AnsiText::decode("a\x1a\x81"
                                                "b")),
              QByteArray("a\x1a\x81"
                         "b"));
}
