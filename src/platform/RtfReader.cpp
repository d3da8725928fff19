#include "RtfReader.h"

#include "AnsiText.h"
#include "FileLimits.h"
#include "LongWords.h"
#include "RtfFormat.h"
#include "RtfLexer.h"
#include "RtfWords.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

using Token = RtfLexer::Token;

// Deeper groups are read with the formatting of the deepest one kept; real documents stay far
// below this.
constexpr std::size_t MaxGroupDepth = 256;
constexpr int MaxUnicodeSkip = 8;
constexpr qsizetype MaxTabStops = 64;
// A tab that lands on a set tab stop costs the layout a pass over the rest of its paragraph, so
// a paragraph with more tabs than this is laid out with the standard stops.
constexpr int MaxTabsWithStops = 32;

enum class Destination { Text, Skip, FontTable, ColourTable };

struct Group
{
    Destination destination = Destination::Text;
    RtfFormat::Character character;
    RtfFormat::Paragraph paragraph;
    int unicodeSkip = 1; // characters after \u that stand in for it in older readers
};

// A toggle such as \b is switched on by the bare word and off by the word with 0.
bool toggleValue(const Token &token)
{
    return !token.hasNumber || token.number != 0;
}

class Reader
{
public:
    explicit Reader(QTextDocument &document)
        : cursor(&document)
    {
        groups.emplace_back();
    }

    // One edit, so that a window showing the document lays it out once, not at every
    // paragraph.
    void read(QByteArrayView source)
    {
        cursor.beginEditBlock();
        RtfLexer lexer(source);
        for (Token token = lexer.next(); token.kind != Token::End; token = lexer.next()) {
            if (!consumedByUnicodeSkip(token) && !handle(token))
                break;
        }
        finishParagraph();
        cursor.endEditBlock();
    }

private:
    Group &group() { return groups.back(); }

    // The characters after \uN are the fallback for readers without Unicode: drop them. A brace
    // ends the fallback early.
    bool consumedByUnicodeSkip(Token &token)
    {
        if (token.kind == Token::GroupStart || token.kind == Token::GroupEnd) {
            pendingSkip = 0;
            return false;
        }
        if (pendingSkip == 0)
            return false;
        if (token.kind != Token::Text) {
            --pendingSkip;
            return true;
        }
        const qsizetype dropped = std::min<qsizetype>(pendingSkip, token.text.size());
        pendingSkip -= static_cast<int>(dropped);
        token.text = token.text.sliced(dropped);
        return token.text.isEmpty();
    }

    // False once the outermost group has closed: the document ends there.
    bool handle(const Token &token)
    {
        switch (token.kind) {
        case Token::GroupStart:
            if (groups.size() < MaxGroupDepth)
                groups.push_back(group());
            else
                ++groupsBeyondLimit;
            return true;
        case Token::GroupEnd:
            if (groupsBeyondLimit > 0) {
                --groupsBeyondLimit;
                return true;
            }
            // The base entry stands for outside the document; closing the group above it ends
            // the document, and what follows is not read.
            if (groups.size() <= 2)
                return false;
            groups.pop_back();
            return true;
        case Token::ControlWord:
            controlWord(token);
            return true;
        case Token::ControlSymbol:
            controlSymbol(token.symbol);
            return true;
        case Token::HexByte:
            text(AnsiText::decode(QByteArray(1, static_cast<char>(token.byte))));
            return true;
        case Token::Text:
            text(AnsiText::decode(token.text.toByteArray()));
            return true;
        case Token::End:
            break;
        }
        return false;
    }

    void controlSymbol(char symbol)
    {
        switch (symbol) {
        case '\\':
        case '{':
        case '}':
            append(QString(QChar::fromLatin1(symbol)));
            break;
        case '~':
            append(QString(QChar::Nbsp));
            break;
        case '-':
            append(QString(QChar::SoftHyphen));
            break;
        case '_':
            append(QString(QChar(0x2011)));
            break;
        case '*':
            group().destination = Destination::Skip;
            break;
        case '\n':
            paragraphMark();
            break;
        default:
            break;
        }
    }

    void controlWord(const Token &token)
    {
        const QByteArray &word = token.word;
        if (RtfWords::isSkippedDestination(word)) {
            group().destination = Destination::Skip;
        } else if (group().destination == Destination::FontTable) {
            if (word == "f")
                fontNumber = token.number;
        } else if (group().destination == Destination::ColourTable) {
            colourComponent(token);
        } else if (RtfWords::endsParagraph(word)) {
            paragraphMark();
        } else if (const QChar special = RtfWords::specialCharacter(word); !special.isNull()) {
            append(QString(special));
        } else if (word == "u") {
            unicodeCharacter(token.number);
        } else if (!characterWord(token)) {
            paragraphWord(token);
        }
    }

    // Returns whether the word was one of the document-wide or character words.
    bool characterWord(const Token &token)
    {
        const QByteArray &word = token.word;
        RtfFormat::Character &character = group().character;
        if (word == "fonttbl")
            group().destination = Destination::FontTable;
        else if (word == "colortbl")
            group().destination = Destination::ColourTable;
        else if (word == "deff")
            defaultFont = character.font = token.number;
        else if (word == "uc")
            group().unicodeSkip = std::clamp(token.number, 0, MaxUnicodeSkip);
        else if (word == "plain")
            character = RtfFormat::Character{.font = defaultFont};
        else if (word == "b")
            character.bold = toggleValue(token);
        else if (word == "i")
            character.italic = toggleValue(token);
        else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw")
            character.underline = toggleValue(token);
        else if (word == "ulnone")
            character.underline = false;
        else if (word == "strike")
            character.strike = toggleValue(token);
        else if (word == "v")
            character.hidden = toggleValue(token);
        else if (word == "super" || word == "sub" || word == "nosupersub")
            character.script = word == "super" ? 1 : word == "sub" ? -1 : 0;
        else if (word == "fs")
            character.halfPoints = token.hasNumber ? RtfFormat::clampHalfPoints(token.number)
                                                   : RtfFormat::DefaultHalfPoints;
        else if (word == "f")
            character.font = token.number;
        else if (word == "cf")
            character.colour = token.number;
        else
            return false;
        return true;
    }

    void paragraphWord(const Token &token)
    {
        static const QHash<QByteArray, Qt::Alignment> alignments = {
            {"ql", Qt::AlignLeft},
            {"qr", Qt::AlignRight},
            {"qc", Qt::AlignHCenter},
            {"qj", Qt::AlignJustify},
        };
        static const QHash<QByteArray, int RtfFormat::Paragraph::*> indents = {
            {"li", &RtfFormat::Paragraph::leftTwips},
            {"ri", &RtfFormat::Paragraph::rightTwips},
            {"fi", &RtfFormat::Paragraph::firstLineTwips},
        };
        static const QHash<QByteArray, int RtfFormat::Paragraph::*> spacings = {
            {"sb", &RtfFormat::Paragraph::beforeTwips},
            {"sa", &RtfFormat::Paragraph::afterTwips},
        };
        const QByteArray &word = token.word;
        RtfFormat::Paragraph &paragraph = group().paragraph;
        if (word == "pard")
            paragraph = {};
        else if (alignments.contains(word))
            paragraph.alignment = alignments.value(word);
        else if (indents.contains(word))
            paragraph.*indents.value(word) = RtfFormat::clampIndent(token.number);
        else if (spacings.contains(word))
            paragraph.*spacings.value(word) = RtfFormat::clampSpacing(token.number);
        else if (word == "tx" && paragraph.tabTwips.size() < MaxTabStops)
            paragraph.tabTwips.append(std::max(RtfFormat::clampIndent(token.number), 0));
    }

    void colourComponent(const Token &token)
    {
        static const QHash<QByteArray, int Colour::*> components = {
            {"red", &Colour::red},
            {"green", &Colour::green},
            {"blue", &Colour::blue},
        };
        if (!components.contains(token.word))
            return;
        colour.*components.value(token.word) = std::clamp(token.number, 0, 255);
        colour.given = true;
    }

    void unicodeCharacter(int number)
    {
        // Values above 32767 are written as negative 16-bit numbers.
        const int code = number < 0 ? number + 0x10000 : number;
        if (code >= 0x20 && code <= 0xFFFF)
            append(QString(QChar(static_cast<char16_t>(code))));
        else if (code == '\t')
            append(QStringLiteral("\t"));
        pendingSkip = group().unicodeSkip;
    }

    void text(const QString &decoded)
    {
        switch (group().destination) {
        case Destination::Text:
            append(decoded);
            break;
        case Destination::FontTable:
            fontTableText(decoded);
            break;
        case Destination::ColourTable:
            for (QChar c : decoded) {
                if (c == u';') {
                    charFormatMade.reset();
                    tables.colours.append(
                        colour.given ? QColor(colour.red, colour.green, colour.blue) : QColor());
                    colour = {};
                }
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    // Each font entry is its name ended by a semicolon.
    void fontTableText(const QString &decoded)
    {
        for (QChar c : decoded) {
            if (c == u';') {
                charFormatMade.reset();
                tables.fonts.insert(fontNumber, fontName.trimmed());
                fontName.clear();
            } else if (fontName.size() < MaxFontNameLength) {
                fontName.append(c);
            }
        }
    }

    void append(const QString &characters)
    {
        if (group().destination != Destination::Text || group().character.hidden)
            return;
        QString visible;
        for (QChar c : characters) {
            if (c >= u' ' || c == u'\t')
                visible.append(c);
        }
        if (visible.isEmpty())
            return;
        if (!pending.isEmpty() && pendingFormat != group().character)
            flush();
        pendingFormat = group().character;
        pending.append(longWords.broken(visible));
        tabsInParagraph += static_cast<int>(visible.count(u'\t'));
    }

    void flush()
    {
        if (pending.isEmpty())
            return;
        cursor.insertText(pending, charFormat(pendingFormat));
        pending.clear();
    }

    // The paragraph's format is the one in force at its mark.
    void paragraphMark()
    {
        if (group().destination != Destination::Text)
            return;
        finishParagraph();
        cursor.insertBlock(blockFormat(group().paragraph), charFormat(group().character));
        longWords.reset();
        tabsInParagraph = 0;
    }

    void finishParagraph()
    {
        flush();
        RtfFormat::Paragraph paragraph = group().paragraph;
        if (tabsInParagraph > MaxTabsWithStops)
            paragraph.tabTwips.clear();
        cursor.setBlockFormat(blockFormat(paragraph));
    }

    // Most runs and paragraphs repeat the formats of the one before, and a format made anew
    // costs more than the text it formats.
    const QTextCharFormat &charFormat(const RtfFormat::Character &character)
    {
        if (!charFormatMade || charFormatMade->first != character)
            charFormatMade.emplace(character, RtfFormat::charFormat(character, tables));
        return charFormatMade->second;
    }

    const QTextBlockFormat &blockFormat(const RtfFormat::Paragraph &paragraph)
    {
        if (!blockFormatMade || blockFormatMade->first != paragraph)
            blockFormatMade.emplace(paragraph, RtfFormat::blockFormat(paragraph));
        return blockFormatMade->second;
    }

    struct Colour
    {
        int red = 0;
        int green = 0;
        int blue = 0;
        bool given = false;
    };
    static constexpr qsizetype MaxFontNameLength = 64;

    QTextCursor cursor;
    std::vector<Group> groups;
    std::size_t groupsBeyondLimit = 0;
    int pendingSkip = 0;
    QString pending;
    RtfFormat::Character pendingFormat;
    RtfFormat::Tables tables;
    int defaultFont = 0;
    int fontNumber = 0;
    QString fontName;
    Colour colour;
    LongWords longWords;
    int tabsInParagraph = 0;
    // The last format made, with the state it was made for; the character format also depends
    // on the tables, so it goes when they change.
    std::optional<std::pair<RtfFormat::Character, QTextCharFormat>> charFormatMade;
    std::optional<std::pair<RtfFormat::Paragraph, QTextBlockFormat>> blockFormatMade;
};

bool isRtf(QByteArrayView source)
{
    return source.trimmed().startsWith("{\\rtf");
}

}

void readRtf(QByteArrayView source, QTextDocument &document)
{
    // A load is no edit to take back: kept for undo, each paragraph would cost memory.
    const bool undoEnabled = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    if (isRtf(source))
        Reader(document).read(source.trimmed());
    else
        document.setPlainText(LongWords().broken(AnsiText::decode(source.toByteArray())));
    document.setUndoRedoEnabled(undoEnabled);
}

WholeFileRead::Outcome readRtfFile(const QString &path, QTextDocument &document)
{
    const WholeFileRead file = readWholeFile(path, FileLimits::MaxHelpTextSize);
    if (file.outcome == WholeFileRead::Read)
        readRtf(file.bytes, document);
    return file.outcome;
}
