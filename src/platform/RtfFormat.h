#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <algorithm>

// The formatting state an RTF group carries, in the file's own units, and its translation
// into document formats.
namespace RtfFormat {

inline constexpr int DefaultHalfPoints = 24;

struct Character
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int script = 0; // 1 superscript, -1 subscript
    int halfPoints = DefaultHalfPoints;
    int font = 0; // index into the font table
    int colour = 0; // index into the colour table; 0 is the automatic colour
    bool operator==(const Character &) const = default;
};

struct Paragraph
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstLineTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;
    QList<int> tabTwips;

    bool operator==(const Paragraph &other) const
    {
        // Qt's own comparison of two empty lists can hand memcmp a null pointer, which is
        // undefined; the standard one looks at no element of an empty range.
        return alignment == other.alignment && leftTwips == other.leftTwips
            && rightTwips == other.rightTwips && firstLineTwips == other.firstLineTwips
            && beforeTwips == other.beforeTwips && afterTwips == other.afterTwips
            && std::ranges::equal(tabTwips, other.tabTwips);
    }
};

// What the document's header declares: fonts by number and the colour table in order, where
// an invalid colour stands for the automatic one.
struct Tables
{
    QHash<int, QString> fonts;
    QList<QColor> colours;
};

QTextCharFormat charFormat(const Character &character, const Tables &tables);
QTextBlockFormat blockFormat(const Paragraph &paragraph);

// Values from a damaged file are brought into a range the layout can handle.
int clampHalfPoints(int halfPoints);
int clampIndent(int twips);
int clampSpacing(int twips);

}
