#include "TwelveNamesDialog.h"
#include "BestScoreNameDialog.h"
#include "DataDir.h"
#include "IniFile.h"
#include "ModalAnswer.h"
#include "QuestionDialog.h"
#include "TwelveDialogHelpers.h"
#include "TwelveNames.h"
#include "TwelveSettings.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString NamesMustDiffer = QStringLiteral("Names must be different.");

class TwelveNamesDialogTest : public testing::Test
{
protected:
    // Types each text into its box, top to bottom, as the player would, and presses Enter.
    void typeAndPressEnter(const std::array<QString, SeatCount> &typed)
    {
        for (int box = 0; box < SeatCount; ++box) {
            QLineEdit *edit = dialog.nameEdits[box];
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            // Key by key with its text, as a keyboard layout with accented letters sends them.
            for (QChar letter : typed[box])
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter),
                                    Qt::NoModifier);
        }
        QTest::keyClick(dialog.nameEdits[SeatCount - 1], Qt::Key_Return);
    }

    QStringList boxTexts() const
    {
        QStringList texts;
        for (const QLineEdit *edit : dialog.nameEdits)
            texts << edit->text();
        return texts;
    }

    QuestionDialog question;
    BestScoreNameDialog nyert;
    TwelveNamesDialog dialog;
    QuestionScript questions{question};
    PerSeat<std::string> seats = dialog.defaultNames();
};

TEST(TwelveNames, TidyingTakesBlanksOffBothEndsAndEveryControlCharacterOut)
{
    const std::pair<QString, QString> cases[] = {
        {" John ", "John"},
        {"\tJohn\r\n", "John"},
        {QString("\x01\x1f") + "Jo hn" + QChar(0x7f) + QChar(0x85), "Jo hn"},
        {QString(QChar(0xa0)) + "Anna" + QChar(0x3000), "Anna"},
        {"Jo\thn\nSmith", "JohnSmith"},
        {"   ", ""},
        {"Bartholomew Fitz-Simmons", "Bartholomew Fit"},
        {"  Bartholomew Fitz", "Bartholomew Fit"},
        // Cut after a blank, the name does not end in one.
        {"Bartholomew Fi tz", "Bartholomew Fi"},
        // A letter outside the basic plane is not cut in half.
        {QString(14, 'a') + QString::fromUcs4(U"\U0001F600"), QString(14, 'a')},
    };
    for (const auto &[typed, tidied] : cases)
        EXPECT_EQ(tidiedName(typed), tidied) << typed.toStdString();
}

TEST_F(TwelveNamesDialogTest, FreshProgramListsTheSeatsRoundTheTable)
{
    EXPECT_EQ(seats, (PerSeat<std::string>{"", "Player", "John", "Paul", "Eric"}));
    EXPECT_EQ(dialog.windowTitle(), "Twelve - Names");

    QStringList shown;
    onNextModal([&](QWidget *) {
        shown = boxTexts();
        dialog.cancelButton->click();
    });
    {
        SeatOrderRoundTheTable roundTheTable;
        EXPECT_FALSE(dialog.editNames(seats));
    }
    EXPECT_EQ(shown, QStringList({"Player", "Eric", "Paul", "John"}));

    onNextModal([&](QWidget *) {
        shown = boxTexts();
        dialog.cancelButton->click();
    });
    dialog.editNames(seats);
    EXPECT_EQ(shown, QStringList({"Player", "John", "Paul", "Eric"})) << "seat order off";
}

TEST_F(TwelveNamesDialogTest, EqualNamesAfterTidyingAreRefusedUntilMadeDifferent)
{
    SeatOrderRoundTheTable roundTheTable;
    QStringList whileRefused;
    bool openWhileRefused = false;
    onNextModal([&](QWidget *) {
        typeAndPressEnter({"Player", " John ", "Paul", "John"});
        openWhileRefused = dialog.isVisible();
        whileRefused = boxTexts();
        EXPECT_EQ(seats[2], "John") << "nothing changes while refused";
        typeAndPressEnter({"Player", "john", "Paul", "John"});
    });
    EXPECT_TRUE(dialog.editNames(seats));

    EXPECT_EQ(questions.asked, QStringList({NamesMustDiffer}));
    EXPECT_TRUE(openWhileRefused);
    EXPECT_EQ(whileRefused, QStringList({"Player", " John ", "Paul", "John"}));
    EXPECT_EQ(seats, (PerSeat<std::string>{"", "Player", "John", "Paul", "john"}));
}

TEST_F(TwelveNamesDialogTest, TwoEmptyNamesAreEqual)
{
    onNextModal([&](QWidget *) {
        typeAndPressEnter({"Player", "  ", "", "Eric"});
        dialog.cancelButton->click();
    });
    EXPECT_FALSE(dialog.editNames(seats));
    EXPECT_EQ(questions.asked, QStringList({NamesMustDiffer}));
}

TEST_F(TwelveNamesDialogTest, SwappingBoxesTwoAndFourSwapsLeftAndRight)
{
    SeatOrderRoundTheTable roundTheTable;
    onNextModal([&](QWidget *) { typeAndPressEnter({"Player", "John", "Paul", "Eric"}); });
    EXPECT_TRUE(dialog.editNames(seats));
    EXPECT_EQ(seats[4], "John") << "left";
    EXPECT_EQ(seats[2], "Eric") << "right";
    EXPECT_TRUE(questions.asked.isEmpty());
}

TEST_F(TwelveNamesDialogTest, CancelAfterEditingChangesNothing)
{
    SeatOrderRoundTheTable roundTheTable;
    nyert.nameEdit->setText("Anonymus");
    onNextModal([&](QWidget *) {
        for (QLineEdit *edit : dialog.nameEdits)
            QTest::keyClicks(edit, "x");
        QTest::keyClick(dialog.nameEdits[0], Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog.editNames(seats));
    EXPECT_EQ(seats, dialog.defaultNames());
    EXPECT_EQ(nyert.nameEdit->text(), "Anonymus");
}

TEST_F(TwelveNamesDialogTest, OkProposesThePlayersNameForTheTopScores)
{
    SeatOrderRoundTheTable roundTheTable;
    nyert.nameEdit->setText("Anonymus");
    onNextModal([&](QWidget *) {
        typeAndPressEnter({QString("  Zs\u00f3fia Ny\u00e1ri "), "Eric", "Paul", "John"});
    });
    EXPECT_TRUE(dialog.editNames(seats));
    EXPECT_EQ(seats[1], "Zs\u00f3fia Ny\u00e1ri");
    EXPECT_EQ(nyert.nameEdit->text(), QString("Zs\u00f3fia Ny\u00e1ri"));
}

// "Søren" would be saved as "S?ren": the dialog names the letter and keeps the names until the
// player types one the settings file can hold, which then reads back exactly.
TEST_F(TwelveNamesDialogTest, ALetterTheSettingsFileCannotHoldIsRefusedByName)
{
    SeatOrderRoundTheTable roundTheTable;
    bool openWhileRefused = false;
    onNextModal([&](QWidget *) {
        typeAndPressEnter({"Player", "Eric", QString("S\u00f8ren"), "John"});
        openWhileRefused = dialog.isVisible();
        EXPECT_EQ(dialog.focusWidget(), dialog.nameEdits[2]);
        EXPECT_EQ(seats[3], "Paul") << "nothing changes while refused";
        typeAndPressEnter({"Player", "Eric", QString("S\u00f6ren \u0141uk"), "John"});
    });
    EXPECT_TRUE(dialog.editNames(seats));
    EXPECT_TRUE(openWhileRefused);
    ASSERT_EQ(questions.asked.size(), 1);
    EXPECT_TRUE(questions.asked[0].contains(QString("\"\u00f8\"")))
        << questions.asked[0].toStdString();

    const QTemporaryDir data;
    overrideDataDirForTests(data.path());
    TwelveSettings settings;
    settings.PlayerNames = seats;
    writeTwelveSettings(settings);
    EXPECT_EQ(readTwelveSettings(dialog.defaultNames()).PlayerNames[3], "S\u00f6ren \u0141uk");
}

// Names the dialog could not have left, written into the settings file by hand, would give a
// game that cannot be kept: the table starts from the designed names instead.
TEST(TwelveNames, ASettingsFileWithNamesNoGameCanKeepGivesTheDesignedOnes)
{
    const PerSeat<std::string> designed{"", "Player", "John", "Paul", "Eric"};
    const struct
    {
        const char *what;
        QByteArray names;
        PerSeat<std::string> read;
    } cases[] = {
        {"names of its own",
         "Nev1=Ann\r\nNev2=\r\nNev3=  Cid\x01 \r\n",
         {"", "Ann", "", "Cid", "Eric"}},
        {"a name twice", "Nev1=Ann\r\nNev4=Ann\r\n", designed},
        {"two empty names", "Nev2=\r\nNev3=\r\n", designed},
        {"a name the same as a designed one", "Nev1=John\r\n", designed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const IniFile file = IniFile::fromText("[Nevek]\r\n" + c.names);
        EXPECT_EQ(readTwelveSettings(file, designed).PlayerNames, c.read);
    }
}

TEST_F(TwelveNamesDialogTest, BoxesStandWhereTheDialogIsLaidOut)
{
    EXPECT_EQ(dialog.size(), QSize(275, 196));
    for (int box = 0; box < SeatCount; ++box) {
        EXPECT_EQ(dialog.nameEdits[box]->geometry(), QRect(112, 16 + 32 * box, 145, 24));
        EXPECT_EQ(dialog.nameEdits[box]->maxLength(), 15);
    }
    EXPECT_EQ(dialog.yourNameLabel->pos(), QPoint(16, 20));
    EXPECT_EQ(dialog.otherNamesLabel->pos(), QPoint(16, 52));
    EXPECT_EQ(dialog.buttonPanel->geometry(), QRect(0, 155, 275, 41));
    EXPECT_EQ(dialog.okButton->geometry(), QRect(184, 8, 75, 25));
    EXPECT_EQ(dialog.cancelButton->geometry(), QRect(88, 8, 75, 25));
}

}
