#include "CardFaces.h"

#include "CardCanvas.h"
#include "CardId.h"
#include "CourtFigures.h"
#include "SuitShapes.h"

#include <QFont>
#include <QPainter>
#include <array>
#include <vector>

namespace CardFaces {

namespace {

using CardId::Suit;

// The corner index is L-shaped so that a card overlapped down to its 15-pixel left strip or its
// 18-pixel top strip still shows both rank and suit.
constexpr QRectF RankBox{1.5, 2.5, 12, 10.5};
constexpr QRectF IndexSuitBelow{2.5, 18, 10, 10};
constexpr QRectF IndexSuitBeside{14.5, 3, 9, 9.5};

constexpr QSizeF PipSize{11, 12};
constexpr qreal LeftColumn = 23.5;
constexpr qreal MiddleColumn = 35.5;
constexpr qreal RightColumn = 47.5;
constexpr qreal TopRow = 24;
constexpr qreal BottomRow = 72;
constexpr QSizeF AcePipSize{30, 33};
constexpr QSizeF AceOfSpadesPipSize{40, 46};

const QColor Outline(30, 30, 30);

// A pip position: a column and a height from 0 (top row) to 1 (bottom row).
struct Pip
{
    qreal column;
    qreal row;
};

using PipLayout = std::vector<Pip>;

// The pips of Two to Ten as printed on ordinary cards.
const std::array<PipLayout, 9> &pipLayouts()
{
    constexpr qreal L = LeftColumn, C = MiddleColumn, R = RightColumn;
    static const std::array<PipLayout, 9> layouts = {{
        {{C, 0}, {C, 1}},
        {{C, 0}, {C, 0.5}, {C, 1}},
        {{L, 0}, {R, 0}, {L, 1}, {R, 1}},
        {{L, 0}, {R, 0}, {C, 0.5}, {L, 1}, {R, 1}},
        {{L, 0}, {R, 0}, {L, 0.5}, {R, 0.5}, {L, 1}, {R, 1}},
        {{L, 0}, {R, 0}, {C, 0.25}, {L, 0.5}, {R, 0.5}, {L, 1}, {R, 1}},
        {{L, 0}, {R, 0}, {C, 0.25}, {L, 0.5}, {R, 0.5}, {C, 0.75}, {L, 1}, {R, 1}},
        {{L, 0},
         {R, 0},
         {L, 1.0 / 3},
         {R, 1.0 / 3},
         {C, 0.5},
         {L, 2.0 / 3},
         {R, 2.0 / 3},
         {L, 1},
         {R, 1}},
        {{L, 0},
         {R, 0},
         {C, 1.0 / 6},
         {L, 1.0 / 3},
         {R, 1.0 / 3},
         {L, 2.0 / 3},
         {R, 2.0 / 3},
         {C, 5.0 / 6},
         {L, 1},
         {R, 1}},
    }};
    return layouts;
}

QString rankText(int rank)
{
    static const char *const texts[]
        = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    return QString::fromLatin1(texts[rank]);
}

// Text as a path scaled to the box height. Where it would be too wide ("10") the glyphs are
// narrowed but keep a clear gap between them, so the rank still reads at the smallest size.
QPainterPath fittedText(const QString &text, const QRectF &box)
{
    constexpr qreal GlyphGap = 1.2;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    std::vector<QPainterPath> glyphs;
    qreal glyphWidths = 0;
    QRectF bounds;
    for (const QChar character : text) {
        QPainterPath glyph;
        glyph.addText(0, 0, font, character);
        glyph.translate(-glyph.boundingRect().left(), 0);
        glyphWidths += glyph.boundingRect().width();
        bounds |= glyph.boundingRect();
        glyphs.push_back(glyph);
    }
    const qreal scaleY = box.height() / bounds.height();
    const qreal gaps = GlyphGap * (glyphs.size() - 1);
    const qreal scaleX = std::min(scaleY, (box.width() - gaps) / glyphWidths);
    const qreal width = glyphWidths * scaleX + gaps;
    QPainterPath result;
    qreal left = box.center().x() - width / 2;
    for (const QPainterPath &glyph : glyphs) {
        QTransform place;
        place.translate(left, box.top());
        place.scale(scaleX, scaleY);
        place.translate(0, -bounds.top());
        result.addPath(place.map(glyph));
        left += glyph.boundingRect().width() * scaleX + GlyphGap;
    }
    return result;
}

// Draws with the card turned upside down, as the lower half of a card is printed.
void upsideDown(QPainter &painter, const std::function<void()> &paint)
{
    painter.save();
    painter.translate(CardCanvas::CardSize.width(), CardCanvas::CardSize.height());
    painter.rotate(180);
    paint();
    painter.restore();
}

// The rank of the corner index is the same on every suit and at both corners: laid out once.
const QPainterPath &rankIndex(int rank)
{
    static std::array<QPainterPath, CardId::RankCount> fitted;
    QPainterPath &path = fitted[rank];
    if (path.isEmpty())
        path = fittedText(rankText(rank), RankBox);
    return path;
}

void paintIndex(QPainter &painter, Suit suit, int rank)
{
    const QColor colour = SuitShapes::colour(suit);
    painter.fillPath(rankIndex(rank), colour);
    painter.fillPath(SuitShapes::path(suit, IndexSuitBelow), colour);
    painter.fillPath(SuitShapes::path(suit, IndexSuitBeside), colour);
}

QRectF centredBox(QPointF centre, QSizeF size)
{
    return QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size);
}

void paintPips(QPainter &painter, Suit suit, int rank)
{
    for (const Pip &pip : pipLayouts()[rank]) {
        const QPointF centre(pip.column, TopRow + pip.row * (BottomRow - TopRow));
        // Pips below the middle face the other way, like the lower index.
        const bool lower = pip.row > 0.5;
        const QPointF drawnAt = lower
            ? QPointF(CardCanvas::CardSize.width(), CardCanvas::CardSize.height()) - centre
            : centre;
        auto paintPip = [&] {
            painter.fillPath(SuitShapes::path(suit, centredBox(drawnAt, PipSize)),
                             SuitShapes::colour(suit));
        };
        if (lower)
            upsideDown(painter, paintPip);
        else
            paintPip();
    }
}

// The Ace of Spades gets the traditional larger, outlined pip.
void paintAce(QPainter &painter, Suit suit)
{
    const QPointF centre(CardCanvas::CardSize.width() / 2.0, CardCanvas::CardSize.height() / 2.0);
    const QColor colour = SuitShapes::colour(suit);
    if (suit != CardId::Spades) {
        painter.fillPath(SuitShapes::path(suit, centredBox(centre, AcePipSize)), colour);
        return;
    }
    painter.fillPath(SuitShapes::path(suit, centredBox(centre, AceOfSpadesPipSize)), colour);
    painter.strokePath(SuitShapes::path(suit, centredBox(centre, AceOfSpadesPipSize * 0.72)),
                       QPen(Qt::white, 1));
    painter.strokePath(
        SuitShapes::path(suit, centredBox(centre + QPointF(0, -0.5), AceOfSpadesPipSize * 1.16)),
        QPen(colour, 0.8));
}

}

QPixmap paint(int cardId, qreal pixelRatio)
{
    const Suit suit = CardId::suitOf(cardId);
    const int rank = CardId::rankOf(cardId);
    return CardCanvas::render(CardCanvas::CardSize, pixelRatio, [&](QPainter &painter) {
        const QPainterPath shape = CardCanvas::cardShape(CardCanvas::CardSize);
        painter.fillPath(shape, Qt::white);
        if (rank == CardId::Ace)
            paintAce(painter, suit);
        else if (rank >= CardId::Jack)
            CourtFigures::paint(painter, suit, rank);
        else
            paintPips(painter, suit, rank);
        paintIndex(painter, suit, rank);
        upsideDown(painter, [&] { paintIndex(painter, suit, rank); });
        painter.strokePath(shape, QPen(Outline, 1));
    });
}

}
