#include "RtfReader.h"
#include "FileLimits.h"
#include "LongWords.h"
#include "SizedFile.h"
#include "TempDataDir.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// The document's characters as they are, with a line feed between paragraphs.
std::string textOf(const QTextDocument &document)
{
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n').toStdString();
}

std::string plainText(const QByteArray &rtf)
{
    QTextDocument document;
    readRtf(rtf, document);
    return textOf(document);
}

// The character format of the last character of the first occurrence of a text.
QTextCharFormat formatOf(const QTextDocument &document, const QString &text)
{
    const QTextCursor found = document.find(text);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    return found.charFormat();
}

// A document as a word processor writes it: header tables, style sheet, document
// information, a generator note, a picture with binary data, and then the text.
const QByteArray WordProcessorDocument = R"({\rtf1\ansi\ansicpg1250\deff0\deflang1038
{\fonttbl{\f0\froman\fprq2\fcharset238 Times New Roman;}{\f1\fswiss\fprq2\fcharset238{\*\panose 020b0604020202020204}Arial;}}
{\colortbl;\red0\green0\blue0;\red200\green0\blue0;\red0\green0\blue128;}
{\stylesheet{\ql \f0\fs24 Normal;}{\s1\qc\b\f1\fs32 heading 1;}}
{\*\generator Writer 7.4;}{\info{\title Manual}{\author Somebody}{\creatim\yr2024\mo5}}
{\*\pgdsctbl{\pgdsc0\pgdscuse451 Standard;}}
\paperw11906\paperh16838\margl1134\margr1134
{\header\pard\plain Page header\par}
\pard\plain\s1\qc\sb240\sa120\b\f1\fs32\cf3 The heading\par
\pard\plain\qj\li720\ri360\fi-360\f0\fs24 Body with {\i italic}, {\ul underlined\ulnone  and plain}, {\cf2 red} and {\strike struck} words.\par
\pard\qr Right{\*\bkmkstart mark}{\*\bkmkend mark}\tab aligned{\pict\wmetafile8\picw10\pich10\bin4 }{\}x}\par
\pard\ql\li720\fi-360\tx1080 {\field{\*\fldinst HYPERLINK "https://example.org"}{\fldrslt link text}}\par
}
)";

}

TEST(RtfReaderTest, ReadsTextAndSkipsWhatIsNotText)
{
    EXPECT_EQ(plainText(WordProcessorDocument),
              "The heading\n"
              "Body with italic, underlined and plain, red and struck words.\n"
              "Right\taligned\n"
              "link text\n");
}

TEST(RtfReaderTest, CharacterFormatsFollowTheGroups)
{
    QTextDocument document;
    readRtf(WordProcessorDocument, document);

    const QTextCharFormat heading = formatOf(document, "heading");
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_EQ(heading.fontPointSize(), 16);
    EXPECT_EQ(heading.fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(heading.foreground().color(), QColor(0, 0, 128));

    const QTextCharFormat body = formatOf(document, "Body");
    EXPECT_EQ(body.fontWeight(), QFont::Normal);
    EXPECT_EQ(body.fontPointSize(), 12);
    EXPECT_EQ(body.fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(body.foreground().style(), Qt::NoBrush) << "automatic colour";

    EXPECT_TRUE(formatOf(document, "italic").fontItalic());
    EXPECT_FALSE(formatOf(document, "with").fontItalic()) << "the group ended the italics";
    EXPECT_TRUE(formatOf(document, "underlined").fontUnderline());
    EXPECT_FALSE(formatOf(document, "and plain").fontUnderline());
    EXPECT_EQ(formatOf(document, "red").foreground().color(), QColor(200, 0, 0));
    EXPECT_TRUE(formatOf(document, "struck").fontStrikeOut());
}

TEST(RtfReaderTest, ParagraphFormatsTakeTheStateAtTheParagraphMark)
{
    QTextDocument document;
    readRtf(WordProcessorDocument, document);
    const QTextBlock heading = document.begin();
    EXPECT_EQ(heading.blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(heading.blockFormat().topMargin(), 16);
    EXPECT_EQ(heading.blockFormat().bottomMargin(), 8);

    const QTextBlockFormat body = heading.next().blockFormat();
    EXPECT_EQ(body.alignment(), Qt::AlignJustify);
    EXPECT_EQ(body.leftMargin(), 48);
    EXPECT_EQ(body.rightMargin(), 24);
    EXPECT_EQ(body.textIndent(), -24);
    EXPECT_EQ(body.topMargin(), 0) << "\\pard resets the spacing";

    const QTextBlock right = heading.next().next();
    EXPECT_EQ(right.blockFormat().alignment(), Qt::AlignRight);
    EXPECT_EQ(right.blockFormat().leftMargin(), 0);
    const QTextBlockFormat tabbed = right.next().blockFormat();
    ASSERT_EQ(tabbed.tabPositions().size(), 1);
    EXPECT_EQ(tabbed.tabPositions().first().position, 48) << "measured from the first line's start";
}

// A file as LibreOffice Writer saves it, with its style sheet, list labels and the Unicode
// escapes it writes for letters outside its code page.
TEST(RtfReaderTest, ReadsAFileSavedByAWordProcessor)
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/LibreOfficeWriter.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    readRtf(file.readAll(), document);

    EXPECT_EQ(textOf(document),
              "Golf\n"
              "Play every card onto the foundation pile. Backup takes any number of moves back.\n"
              "Árvíztűrő tükörfúrógép - "
              "Győző, Ödön és Łukasz.\n"
              "•\tLeft button: play a card\n"
              "•\tRight button: turn the stock\n"
              "Kovra - Card Games 1\n");
    const QTextCharFormat heading = formatOf(document, "Golf");
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_EQ(heading.fontPointSize(), 24);
    EXPECT_EQ(formatOf(document, "foundation").fontWeight(), QFont::Bold);
    EXPECT_FALSE(formatOf(document, "pile").font().bold());
    EXPECT_TRUE(formatOf(document, "Backup").fontItalic());
    EXPECT_EQ(formatOf(document, "tükör").foreground().color(), QColor(192, 0, 0));
    EXPECT_NE(formatOf(document, "Gy").foreground().color(), QColor(192, 0, 0));
    EXPECT_EQ(document.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(document.lastBlock().previous().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
}

TEST(RtfReaderTest, EscapedCharacters)
{
    const struct
    {
        QByteArray body;
        std::string text;
    } cases[] = {
        {R"(\'f5r\'e1 \'8a)", "őrá Š"},
        {R"(\u337?r\u225?)", "őrá"},
        {R"(\uc2\u337??x\uc0\u336 y)", "őxŐy"},
        {R"(\u-3971?)", "\uF07D"},
        {R"(\u55357?\u56832?)", "\U0001F600"},
        {R"(a\\b\{c\}d\~e)", "a\\b{c}d\u00A0e"},
        {R"(\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote)", "—–•‘’“”"},
        {R"(one\line two\tab three)", "one\u2028two\tthree"},
        {"soft\\-hyphen and\r\nline\nbreaks", "soft\u00ADhyphen andlinebreaks"},
        {R"({\v hidden}shown)", "shown"},
        {R"({\u337{x}y)", "őxy"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(plainText("{\\rtf1\\ansi " + c.body + "}"), c.text) << c.body.data();
    }
}

TEST(RtfReaderTest, BrokenInputShowsWhatCouldBeRead)
{
    const struct
    {
        QByteArray rtf;
        std::string text;
    } cases[] = {
        {R"({\rtf1 Hello \b wor)", "Hello wor"},
        {R"({\rtf1 {\b {\i deep Text)", "deep Text"},
        {R"({\rtf1 closed} after the end)", "closed"},
        {R"({\rtf1 cut\)", "cut"},
        {R"({\rtf1 half\'f)", "halff"},
        {R"({\rtf1 bad\'zz hex})", "badzz hex"},
        {R"({\rtf1 \fs99999999999999999999 \cf-99999999999 \f77777777777 \u99999999999?big})",
         "big"},
        {R"({\rtf1 \li-2147483648\fi99999999999\sb-5\sa999999999\tx-5 indent\par})", "indent\n"},
        {R"({\rtf1 \uc99999 \u337 abcdefghijk})", "őijk"},
        {R"({\rtf1 {\colortbl;\red999\green-1\blue;}{\cf1 colour}})", "colour"},
        {R"({\rtf1 {\fonttbl{\f0 Unended font name})", ""},
        {R"({\rtf1 a\bin999999999)", "a"},
        {QByteArray("{\\rtf1 nul\0byte}", 16), "nulbyte"},
        {R"({\rtf1 \abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz long word})", "long word"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(plainText(c.rtf), c.text) << c.rtf.data();
}

TEST(RtfReaderTest, DeepNestingNeitherCrashesNorLosesTheText)
{
    constexpr int Depth = 200'000;
    const QByteArray rtf
        = "{\\rtf1 \\b " + QByteArray(Depth, '{') + "deep" + QByteArray(Depth, '}') + " after}";
    QTextDocument document;
    readRtf(rtf, document);
    EXPECT_EQ(textOf(document), "deep after");
    EXPECT_EQ(formatOf(document, "after").fontWeight(), QFont::Bold);
}

TEST(RtfReaderTest, OnlyTextThatStartsWithTheRtfHeaderIsReadAsRtf)
{
    EXPECT_EQ(plainText(" \r\n{\\rtf1 rich}\r\n"), "rich");
    EXPECT_EQ(plainText("Just \xf5 text\n{not rtf}"), "Just ő text\n{not rtf}");
    EXPECT_EQ(plainText(""), "");
}

// A load is not an edit: there is nothing to undo after it, and the setting stays the caller's.
TEST(RtfReaderTest, ReadingReplacesThePreviousContentAndLeavesNothingToUndo)
{
    QTextDocument document;
    readRtf("{\\rtf1 first}", document);
    readRtf("{\\rtf1 second\\par third}", document);
    EXPECT_EQ(textOf(document), "second\nthird");
    EXPECT_FALSE(document.isUndoAvailable());
    EXPECT_TRUE(document.isUndoRedoEnabled());
}

// Laid out, a word longer than any line is measured anew at every line, to its end; an invisible
// break every so often keeps that short.
TEST(RtfReaderTest, AWordTooLongForAnyLineGetsInvisibleBreaks)
{
    const int run = LongWords::MaxRun;
    const std::string zwsp = "\u200B";
    const std::string x(run, 'x');
    const QByteArray xs(run, 'x');
    const struct
    {
        QByteArray source;
        std::string text;
    } cases[] = {
        {"{\\rtf1 " + xs + xs + "x}", x + zwsp + x + zwsp + "x"},
        {"{\\rtf1 {\\b " + xs.left(150) + "}{\\i " + xs.left(150) + "}}",
         x + zwsp + std::string(100, 'x')},
        {"{\\rtf1 " + xs + " " + xs + "\\tab " + xs + "\\par " + xs + "}",
         x + " " + x + "\t" + x + "\n" + x},
        {xs + xs, x + zwsp + x},
        {xs + "\n" + xs, x + "\n" + x},
    };
    for (const auto &c : cases)
        EXPECT_EQ(plainText(c.source), c.text) << c.source.left(40).toStdString();
}

// Each tab that lands on a set stop costs the layout a pass over the rest of the paragraph.
TEST(RtfReaderTest, AParagraphOfVeryManyTabsIsLaidOutWithTheStandardStops)
{
    const auto tabStops = [](int tabs) {
        QByteArray rtf = "{\\rtf1 \\tx720 ";
        for (int tab = 0; tab < tabs; ++tab)
            rtf += "a\\tab ";
        QTextDocument document;
        readRtf(rtf + "\\par b}", document);
        return document.begin().blockFormat().tabPositions().size();
    };
    EXPECT_EQ(tabStops(32), 1);
    EXPECT_EQ(tabStops(33), 0);
}

using RtfFileTest = TempDataDir;

// What lies after the document's last brace still counts towards the file's size.
TEST_F(RtfFileTest, AFileOverTheSizeLimitIsRefusedAndTheDocumentKept)
{
    const QByteArray help = "{\\rtf1 Help\\par}";
    writeDataFile("Limit.rtf", sizedFile(help, FileLimits::MaxHelpTextSize, ' '));
    writeDataFile("Over.rtf", sizedFile(help, FileLimits::MaxHelpTextSize + 1, ' '));
    QTextDocument document;
    EXPECT_EQ(readRtfFile(dataPath("Limit.rtf"), document), WholeFileRead::Read);
    EXPECT_EQ(textOf(document), "Help\n");
    EXPECT_EQ(readRtfFile(dataPath("Over.rtf"), document), WholeFileRead::TooLarge);
    EXPECT_EQ(readRtfFile(dataPath("Missing.rtf"), document), WholeFileRead::Missing);
    EXPECT_EQ(textOf(document), "Help\n");
}
