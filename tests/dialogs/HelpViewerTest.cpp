#include "HelpViewer.h"
#include "Application.h"
#include "FileLimits.h"
#include "ModalAnswer.h"
#include "QuestionDialog.h"
#include "SizedFile.h"
#include "TempDataDir.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace {

// The title the program has when it creates its shared windows.
struct LauncherTitle
{
    LauncherTitle() { setApplicationTitle("Kovra - Card Games 1"); }
};

class HelpViewerTest : public TempDataDir
{
protected:
    // The message the next modal notice shows; answered with Ok.
    void readNextMessage(QString &message)
    {
        onNextModal([&message](QWidget *) {
            message = questionDialog->messageLabel->text();
            questionDialog->okButton->click();
        });
    }

    // The message names the file's full path after its first line.
    void expectMessageWithPath(QString message, const QString &firstLine, const QString &fileName)
    {
        EXPECT_TRUE(message.startsWith(firstLine)) << message.toStdString();
        // The question dialog may break a long path over lines.
        EXPECT_EQ(message.mid(firstLine.size()).remove('\n').toStdString(),
                  QDir::toNativeSeparators(dataPath(fileName)).toStdString());
    }

    LauncherTitle title;
    QuestionDialog questions;
    HelpViewer help;
};

}

TEST_F(HelpViewerTest, EachGameManualOpensFormatted)
{
    const struct
    {
        const char *file;
        QStringList mentions;
    } manuals[] = {
        {"Twelve.rtf",
         {"twelve", "New game", "F2", "F1", "+1", "+5", "At all costs", "No more", "Stretch",
          "Average based", "Twelve.ini", "Twelve3S.ere"}},
        {"Golf.rtf",
         {"foundation", "Backup", "Backspace", "F2", "Results", "Clear Scores", "Golf.ini",
          "Golf.ere"}},
        {"Poker.rtf",
         {"Royal Flush", "Runt", "Invert", "Discard", "F3", "F4", "Save As", ".kp1", "Poker.ini",
          "Poker.ere"}},
    };
    for (const auto &manual : manuals) {
        SCOPED_TRACE(manual.file);
        copyShippedFile(manual.file);
        ASSERT_TRUE(ShowHelpFile(manual.file, false));
        EXPECT_TRUE(help.isVisible());

        const QTextDocument &document = *help.helpText->document();
        const QString text = document.toPlainText();
        for (const QString &mention : manual.mentions)
            EXPECT_TRUE(text.contains(mention)) << mention.toStdString();
        EXPECT_FALSE(text.contains('\\') || text.contains('{') || text.contains('}'))
            << "RTF source leaked into the text";
        EXPECT_FALSE(text.contains(QChar(0x200B))) << "a real word was broken";

        const QTextCharFormat title = document.begin().begin().fragment().charFormat();
        const QTextCharFormat body = document.begin().next().next().begin().fragment().charFormat();
        EXPECT_EQ(title.fontWeight(), QFont::Bold);
        EXPECT_GT(title.fontPointSize(), body.fontPointSize());
        EXPECT_EQ(help.helpText->textCursor().position(), 0) << "opens at the top";
        help.close();
    }
}

TEST_F(HelpViewerTest, MissingFileIsReportedWithItsFullPathAndNoWindow)
{
    copyShippedFile("Twelve.rtf");
    QString message;
    readNextMessage(message);
    EXPECT_FALSE(ShowHelpFile("Golf.rtf", true));
    EXPECT_FALSE(help.isVisible());
    expectMessageWithPath(message, "Cannot open file:\n", "Golf.rtf");
}

// Laid out, a help text of many megabytes would keep the program busy for minutes.
TEST_F(HelpViewerTest, AFileOverTheSizeLimitGivesAShortMessageAndNoWindow)
{
    writeDataFile("Golf.rtf", sizedFile("{\\rtf1 ", FileLimits::MaxHelpTextSize + 1, 'x'));
    QString message;
    readNextMessage(message);
    EXPECT_FALSE(ShowHelpFile("Golf.rtf", true));
    EXPECT_FALSE(help.isVisible());
    expectMessageWithPath(message, "File too large to show:\n", "Golf.rtf");
}

TEST_F(HelpViewerTest, CaptionStaysTheTitleAtCreationAndTheWindowIsModal)
{
    copyShippedFile("Poker.rtf");
    setApplicationTitle("Kovra - Poker");
    QString caption;
    bool wasModal = false;
    onNextModal([&](QWidget *modal) {
        caption = modal->windowTitle();
        wasModal = modal == &help;
        modal->close();
    });
    EXPECT_TRUE(ShowHelpFile("Poker.rtf", true));
    EXPECT_EQ(caption.toStdString(), "Kovra - Card Games 1");
    EXPECT_TRUE(wasModal);
}

TEST_F(HelpViewerTest, TextFillsTheResizableCentredWindow)
{
    const Qt::WindowFlags flags = help.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(help.size(), QSize(619, 421));
    EXPECT_TRUE(help.helpText->isReadOnly());
    EXPECT_EQ(help.helpText->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    help.show();
    const QRect screen = help.screen()->availableGeometry();
    EXPECT_LE((help.frameGeometry().center() - screen.center()).manhattanLength(), 1) << "centred";
    help.resize(800, 600);
    EXPECT_EQ(help.helpText->geometry(), help.rect());
    help.close();
}
