#include "Application.h"
#include "FileLimits.h"
#include "ModalAnswer.h"
#include "SizedFile.h"
#include "TempDataDir.h"
#include "uHelp1.h"
#include "uValasz.h"

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
            message = frmValasz->lblKerdes->text();
            frmValasz->bbtnOk->click();
        });
    }

    LauncherTitle title;
    TfrmValasz questions;
    TfrmHelp1 help;
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

        const QTextDocument &document = *help.reHelp->document();
        const QString text = document.toPlainText();
        for (const QString &mention : manual.mentions)
            EXPECT_TRUE(text.contains(mention)) << mention.toStdString();
        EXPECT_FALSE(text.contains('\\') || text.contains('{') || text.contains('}'))
            << "RTF source leaked into the text";

        const QTextCharFormat title = document.begin().begin().fragment().charFormat();
        const QTextCharFormat body = document.begin().next().next().begin().fragment().charFormat();
        EXPECT_EQ(title.fontWeight(), QFont::Bold);
        EXPECT_GT(title.fontPointSize(), body.fontPointSize());
        EXPECT_EQ(help.reHelp->textCursor().position(), 0) << "opens at the top";
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
    const QString expected = "Cannot open file:\n" + QDir::toNativeSeparators(dataPath("Golf.rtf"));
    // The question dialog may break a long path over lines.
    EXPECT_TRUE(message.startsWith("Cannot open file:\n")) << message.toStdString();
    EXPECT_EQ(message.mid(18).remove('\n').toStdString(), expected.mid(18).toStdString());
}

// Laid out, a help text of many megabytes would keep the program busy for minutes.
TEST_F(HelpViewerTest, AFileOverTheSizeLimitGivesAShortMessageAndNoWindow)
{
    writeDataFile("Golf.rtf",
                  sizedFile("{\\rtf1 ", FileLimits::MaxHelpTextSize + 1, 'x'));
    QString message;
    readNextMessage(message);
    EXPECT_FALSE(ShowHelpFile("Golf.rtf", true));
    EXPECT_FALSE(help.isVisible());
    const QString expected = "File too large to show:\n" + QDir::toNativeSeparators(dataPath("Golf.rtf"));
    EXPECT_TRUE(message.startsWith("File too large to show:\n")) << message.toStdString();
    EXPECT_EQ(message.remove('\n').toStdString(), expected.remove('\n').toStdString());
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
    EXPECT_TRUE(help.reHelp->isReadOnly());
    EXPECT_EQ(help.reHelp->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    help.show();
    const QRect screen = help.screen()->availableGeometry();
    EXPECT_LE((help.frameGeometry().center() - screen.center()).manhattanLength(), 1) << "centred";
    help.resize(800, 600);
    EXPECT_EQ(help.reHelp->geometry(), help.rect());
    help.close();
}
