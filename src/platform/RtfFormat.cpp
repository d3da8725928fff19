#include "RtfFormat.h"

#include <QTextOption>
#include <algorithm>

namespace RtfFormat {

namespace {

// A twip is 1/1440 inch; the document lays out at 96 pixels per inch.
constexpr double TwipsPerPixel = 15.0;
constexpr int MinHalfPoints = 2;
constexpr int MaxHalfPoints = 400;
constexpr int MaxIndentTwips = 14400;
constexpr int MaxSpacingTwips = 2880;

double pixels(int twips)
{
    return twips / TwipsPerPixel;
}

}

int clampHalfPoints(int halfPoints)
{
    return std::clamp(halfPoints, MinHalfPoints, MaxHalfPoints);
}

int clampIndent(int twips)
{
    return std::clamp(twips, -MaxIndentTwips, MaxIndentTwips);
}

int clampSpacing(int twips)
{
    return std::clamp(twips, 0, MaxSpacingTwips);
}

QTextCharFormat charFormat(const Character &character, const Tables &tables)
{
    QTextCharFormat format;
    format.setFontWeight(character.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(character.italic);
    format.setFontUnderline(character.underline);
    format.setFontStrikeOut(character.strike);
    format.setFontPointSize(character.halfPoints / 2.0);
    if (character.script != 0)
        format.setVerticalAlignment(character.script > 0 ? QTextCharFormat::AlignSuperScript
                                                         : QTextCharFormat::AlignSubScript);
    const QString family = tables.fonts.value(character.font);
    if (!family.isEmpty())
        format.setFontFamilies({family});
    const QColor colour = tables.colours.value(character.colour);
    if (colour.isValid())
        format.setForeground(colour);
    return format;
}

QTextBlockFormat blockFormat(const Paragraph &paragraph)
{
    QTextBlockFormat format;
    format.setAlignment(paragraph.alignment);
    // A hanging first line may reach back to the page edge, not beyond it.
    const int left = std::max(paragraph.leftTwips, 0);
    const int firstLine = std::max(paragraph.firstLineTwips, -left);
    format.setLeftMargin(pixels(left));
    format.setRightMargin(pixels(std::max(paragraph.rightTwips, 0)));
    format.setTextIndent(pixels(firstLine));
    format.setTopMargin(pixels(paragraph.beforeTwips));
    format.setBottomMargin(pixels(paragraph.afterTwips));
    // RTF measures tab stops from the page edge, the layout from where the first line starts.
    QList<QTextOption::Tab> tabs;
    for (int twips : paragraph.tabTwips) {
        if (twips > left + firstLine)
            tabs.append(QTextOption::Tab(pixels(twips - left - firstLine), QTextOption::LeftTab));
    }
    if (!tabs.isEmpty())
        format.setTabPositions(tabs);
    return format;
}

}
