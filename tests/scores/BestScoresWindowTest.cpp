#include "BestScoresWindow.h"
#include "BestScoreNameDialog.h"
#include "BestScores.h"
#include "FileFaults.h"
#include "IniFile.h"
#include "QuestionDialog.h"
#include "TempDataDir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QColor NormalLine(0, 0, 170);
const QColor HighlightedLine(193, 55, 26);
const QString Damaged = QStringLiteral("The top score list file is damaged!");

struct ListSeen
{
    QStringList names, scores;
    QList<QColor> nameColours, scoreColours;
};

struct Seen
{
    QStringList messages;
    QStringList scorePrompts;
    QList<ListSeen> lists;
};

void readColumn(const QTextEdit *column, QStringList &lines, QList<QColor> &colours)
{
    for (QTextBlock block = column->document()->begin(); block.isValid(); block = block.next()) {
        lines << block.text();
        colours << block.begin().fragment().charFormat().foreground().color();
    }
}

// Answers every window the list opens while a call runs: types a name into the name window,
// answers the question dialog, and looks at the list window before it presses a button there.
class Responder
{
public:
    QString typedName;
    QList<char> answers; // one per question, 'Y' or 'N'; Ok otherwise
    QList<QPushButton *> listButtons; // one per look at the list window; OK when none is left
    std::function<void(BestScoresWindow *)> inspectList;
    Seen seen;

    Seen run(const std::function<void()> &call)
    {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [this] { respond(); });
        poll.start(0);
        call();
        return seen;
    }

private:
    void respond()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (modal == bestScoreNameDialog) {
            seen.scorePrompts << bestScoreNameDialog->scoreLabel->text();
            // Typing replaces the selected text, as the field is selected on opening.
            bestScoreNameDialog->nameEdit->insert(typedName);
            bestScoreNameDialog->okButton->click();
        } else if (modal == questionDialog) {
            seen.messages << questionDialog->messageLabel->text().remove(QLatin1Char('\n'));
            const char answer = answers.isEmpty() ? 'O' : answers.takeFirst();
            (answer == 'N' ? questionDialog->cancelButton : questionDialog->okButton)->click();
        } else if (modal == bestScoresWindow && !busy) {
            ListSeen list;
            readColumn(bestScoresWindow->nameColumn, list.names, list.nameColours);
            readColumn(bestScoresWindow->scoreColumn, list.scores, list.scoreColours);
            seen.lists << list;
            if (inspectList)
                inspectList(bestScoresWindow);
            QPushButton *button
                = listButtons.isEmpty() ? bestScoresWindow->okButton : listButtons.takeFirst();
            // A button that asks a question opens it inside this handler; it is answered
            // by the next turns of the poll.
            busy = button != bestScoresWindow->okButton;
            QTimer::singleShot(0, button, [this, button] {
                button->click();
                busy = false;
            });
        }
    }

    bool busy = false;
};

class BestScoresWindowTest : public TempDataDir
{
protected:
    BestScoresWindowTest()
    {
        bestScoreList().setBase(dataPath(QStringLiteral("Poker.exe")));
        bestScoreList().setCount(15);
    }

    QString listFile() const { return QStringLiteral("Poker.ere"); }

    // A full list: place k holds "Player k" with 1600 - 100 k points.
    void writeFullList()
    {
        BestScoreList list(dataPath(QStringLiteral("Poker.exe")));
        list.setCount(15);
        for (int k = 1; k <= 15; ++k)
            list.InsertScore(1600 - 100 * k, QStringLiteral("Player %1").arg(k));
        IniFile file(list.filePath());
        list.write(file);
        file.save();
    }

    Seen show(int score, Responder responder = {})
    {
        return responder.run([score] { ShowBestScores(score); });
    }

    static QList<QColor> coloursWithHighlight(int place)
    {
        QList<QColor> colours(15, NormalLine);
        if (place > 0)
            colours[place - 1] = HighlightedLine;
        return colours;
    }

    static void expectResetList(const ListSeen &list)
    {
        for (int k = 1; k <= 15; ++k) {
            EXPECT_EQ(list.names.value(k - 1), QStringLiteral("%1. Anonymus").arg(k));
            EXPECT_EQ(list.scores.value(k - 1), QStringLiteral("0"));
        }
        EXPECT_EQ(list.nameColours, coloursWithHighlight(-1));
    }

    QuestionDialog question;
    BestScoresWindow listWindow;
    BestScoreNameDialog nameWindow;
};

}

TEST_F(BestScoresWindowTest, MissingFileIsResetSilentlyAndCreated)
{
    const Seen seen = show(0);
    EXPECT_TRUE(seen.messages.isEmpty());
    ASSERT_EQ(seen.lists.size(), 1);
    expectResetList(seen.lists[0]);
    const QByteArray bytes = readDataFile(listFile());
    EXPECT_TRUE(bytes.startsWith("[Hely1]\r\nNev=Anonymus\r\nPont=0\r\n\r\n[Hely2]\r\n"));
    EXPECT_TRUE(bytes.endsWith("[Hely15]\r\nNev=Anonymus\r\nPont=0\r\n\r\n"
                               "[CS]\r\nCS=16546375119925411840223891205004012870120486720\r\n"));
}

TEST_F(BestScoresWindowTest, ScoreEqualToTheLastStaysOutAndOneMoreEntersLast)
{
    writeFullList();
    const QByteArray before = readDataFile(listFile());
    EXPECT_TRUE(show(100).lists.isEmpty());
    EXPECT_EQ(readDataFile(listFile()), before);

    Responder typing;
    typing.typedName = QStringLiteral("Győző");
    const Seen seen = show(101, typing);
    EXPECT_TRUE(seen.messages.isEmpty());
    EXPECT_EQ(seen.scorePrompts, QStringList{QStringLiteral("Your score is 101 points!")});
    ASSERT_EQ(seen.lists.size(), 1);
    EXPECT_EQ(seen.lists[0].names.value(13), QStringLiteral("14. Player 14"));
    EXPECT_EQ(seen.lists[0].names.value(14), QStringLiteral("15. Győző"));
    EXPECT_EQ(seen.lists[0].scores.value(14), QStringLiteral("101"));
    EXPECT_EQ(seen.lists[0].nameColours, coloursWithHighlight(15));
    EXPECT_EQ(seen.lists[0].scoreColours, coloursWithHighlight(15));
    EXPECT_TRUE(readDataFile(listFile()).contains("[Hely15]\r\nNev=Gy\xF5z\xF5\r\nPont=101\r\n"));
    // The typed name stays for the next entry.
    EXPECT_EQ(bestScoreNameDialog->nameEdit->text(), QStringLiteral("Győző"));
}

TEST_F(BestScoresWindowTest, BestScoresCommandRewritesTheSameFileAndHighlightsNothing)
{
    writeFullList();
    const QByteArray before = readDataFile(listFile());
    const Seen seen = show(0);
    EXPECT_TRUE(seen.messages.isEmpty());
    EXPECT_TRUE(seen.scorePrompts.isEmpty());
    ASSERT_EQ(seen.lists.size(), 1);
    EXPECT_EQ(seen.lists[0].names.value(0), QStringLiteral("1. Player 1"));
    EXPECT_EQ(seen.lists[0].scores.value(0), QStringLiteral("1 500"));
    EXPECT_EQ(seen.lists[0].nameColours, coloursWithHighlight(-1));
    EXPECT_EQ(readDataFile(listFile()), before);
}

TEST_F(BestScoresWindowTest, NegativeScoreResetsTheListWithoutAsking)
{
    writeFullList();
    const Seen seen = show(-1);
    EXPECT_TRUE(seen.messages.isEmpty());
    EXPECT_TRUE(seen.scorePrompts.isEmpty());
    ASSERT_EQ(seen.lists.size(), 1);
    expectResetList(seen.lists[0]);
    EXPECT_TRUE(readDataFile(listFile())
                    .endsWith("CS=16546375119925411840223891205004012870120486720\r\n"));
}

TEST_F(BestScoresWindowTest, ChangedScoreIsReportedOnceAndTheListStartsAgain)
{
    writeFullList();
    writeDataFile(listFile(), readDataFile(listFile()).replace("Pont=1500", "Pont=1509"));

    Responder typing;
    typing.typedName = QStringLiteral("Eve");
    const Seen seen = show(5, typing);
    EXPECT_EQ(seen.messages, QStringList{Damaged});
    ASSERT_EQ(seen.lists.size(), 1);
    EXPECT_EQ(seen.lists[0].names.value(0), QStringLiteral("1. Eve"));
    EXPECT_EQ(seen.lists[0].scores.value(0), QStringLiteral("5"));
    EXPECT_EQ(seen.lists[0].names.value(1), QStringLiteral("2. Anonymus"));
    EXPECT_EQ(seen.lists[0].nameColours, coloursWithHighlight(1));

    EXPECT_TRUE(show(0).messages.isEmpty()) << "the saved list is sound again";
}

TEST_F(BestScoresWindowTest, UnwritableFileShowsTheErrorInsteadOfTheList)
{
    // A file stands where the list's folder would be made.
    writeDataFile("missing", {});
    const QString base = dataPath(QStringLiteral("missing/Poker.exe"));
    bestScoreList().setBase(base);
    const Seen seen = show(0);
    EXPECT_EQ(seen.messages,
              QStringList{QStringLiteral("Unable to write to ") + dataPath("missing/Poker.ere")});
    EXPECT_TRUE(seen.lists.isEmpty());
}

TEST_F(BestScoresWindowTest, AFullDiskShowsTheErrorAndKeepsTheOldList)
{
    writeFullList();
    const QByteArray old = readDataFile(listFile());
    Responder responder;
    responder.typedName = QStringLiteral("Winner");
    const Seen seen = responder.run([] {
        const FileSizeLimit full(4);
        ShowBestScores(1550);
    });
    EXPECT_EQ(seen.scorePrompts.size(), 1);
    EXPECT_EQ(seen.messages,
              QStringList{QStringLiteral("Unable to write to ") + dataPath(listFile())});
    EXPECT_TRUE(seen.lists.isEmpty());
    EXPECT_EQ(readDataFile(listFile()), old);
}

TEST_F(BestScoresWindowTest, ClearAsksAndEmptiesTheOpenListInPlace)
{
    for (const char answer : {'N', 'Y'}) {
        writeFullList();
        const QByteArray before = readDataFile(listFile());
        Responder clearing;
        clearing.answers = {answer};
        clearing.listButtons = {bestScoresWindow->clearButton};
        const Seen seen = show(0, clearing);
        EXPECT_EQ(seen.messages,
                  QStringList{QStringLiteral("Are you sure you want to clear scores?")});
        ASSERT_EQ(seen.lists.size(), 2) << "one list window, looked at before and after";
        if (answer == 'N') {
            EXPECT_EQ(seen.lists[1].names, seen.lists[0].names);
            EXPECT_EQ(readDataFile(listFile()), before);
        } else {
            expectResetList(seen.lists[1]);
            EXPECT_TRUE(readDataFile(listFile()).contains("[Hely1]\r\nNev=Anonymus\r\n"));
        }
    }
}

TEST_F(BestScoresWindowTest, ColumnsGrowToTheirWidestLineAndShowEveryLine)
{
    struct Layout
    {
        QSize client;
        QRect names, scores, panel;
        QSizeF nameText, scoreText;
    };
    const auto layoutAfter = [this](int score) {
        Layout layout;
        Responder typing;
        typing.typedName = QString(BestScoreList::NameLength, QLatin1Char('W'));
        typing.inspectList = [&layout](BestScoresWindow *window) {
            layout = {window->size(),
                      window->nameColumn->geometry(),
                      window->scoreColumn->geometry(),
                      window->buttonPanel->geometry(),
                      window->nameColumn->document()->size(),
                      window->scoreColumn->document()->size()};
        };
        show(score, typing);
        return layout;
    };
    const Layout plain = layoutAfter(0);
    const Layout wide = layoutAfter(2000000000);
    EXPECT_GT(wide.names.width(), plain.names.width());
    EXPECT_GT(wide.scores.width(), plain.scores.width());
    EXPECT_GT(wide.client.width(), plain.client.width());
    for (const Layout &layout : {plain, wide}) {
        EXPECT_LE(layout.nameText.width(), layout.names.width());
        EXPECT_LE(layout.nameText.height(), layout.names.height());
        EXPECT_LE(layout.scoreText.width(), layout.scores.width());
        EXPECT_LE(layout.scoreText.height(), layout.scores.height());
        EXPECT_GT(layout.scores.left(), layout.names.right());
        EXPECT_LT(layout.scores.right(), layout.client.width());
        EXPECT_LT(layout.names.bottom(), layout.panel.top());
        EXPECT_EQ(layout.panel.bottom(), layout.client.height() - 1);
    }
}
