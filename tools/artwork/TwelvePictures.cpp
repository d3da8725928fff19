#include "TwelvePictures.h"

#include "Noise.h"
#include "Painting.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace TwelvePictures {

namespace {

// The bid buttons sit in the panel behind them at these offsets, 7 pixels apart.
constexpr QPoint ButtonOffsets[] = {{10, 8}, {10, 40}, {10, 72}, {10, 104}};
// The window places the auctioned card at this offset inside the auction frame.
constexpr QPoint AuctionCardOffset{8, 8};
constexpr QSizeF CardSize{71, 96};
constexpr qreal CardCornerRadius = 4;
// Panels take the buttons of the window from this height down; the lettering stays above it.
constexpr qreal NoticeButtonTop = 72;
constexpr int NoticeLetteringSize = 40;
constexpr qreal NoticeBaseline = 50;

constexpr qreal ButtonRadius = 5;
constexpr qreal PanelRadius = 6;
constexpr qreal NoticeRadius = 8;
constexpr qreal NoticeFrameWidth = 7;
constexpr qreal BidPanelRadius = 9;
constexpr qreal BidPanelFieldInset = 7;

const QColor WoodLight(160, 98, 48);
const QColor WoodDark(88, 46, 18);
const QColor WoodRim(44, 22, 6);
const QColor GoldRim(96, 60, 4);

// A transparent picture `scale` times the logical size whose painter works in logical pixels.
QImage drawn(QSize size, int scale, const std::function<void(QPainter &)> &paint)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    paint(painter);
    return image;
}

// Polished wood with its grain running across, one value per device pixel so the grain stays
// fine at every scale.
QImage woodGrain(QSize size, int scale, quint64 seed)
{
    const FractalNoise figure(2, 4, seed);
    const FractalNoise streaks(8, 3, seed + 1);
    QImage wood(size * scale, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < wood.height(); ++y) {
        for (int x = 0; x < wood.width(); ++x) {
            const qreal lx = qreal(x) / scale;
            const qreal ly = qreal(y) / scale;
            const qreal ring = 0.5 + 0.5 * std::sin(ly * 0.55 + figure.at(lx / 260, ly / 260) * 9);
            const qreal streak = streaks.at(lx / 400, ly / 40);
            const qreal light = qBound(0.0, 0.25 + 0.45 * ring + 0.35 * streak, 1.0);
            wood.setPixelColor(x, y, Painting::mix(WoodDark, WoodLight, light));
        }
    }
    return wood;
}

// A diagonal pen brush, light at the top left and dark at the bottom right, that makes an edge
// look raised (or, swapped, sunk).
QLinearGradient bevel(const QRectF &box, int lightAlpha, int darkAlpha, bool sunk = false)
{
    QLinearGradient edge(box.topLeft(), box.bottomRight());
    const QColor light(255, 244, 220, lightAlpha);
    const QColor dark(0, 0, 0, darkAlpha);
    edge.setColorAt(0, sunk ? dark : light);
    edge.setColorAt(1, sunk ? light : dark);
    return edge;
}

QPainterPath roundedRect(const QRectF &box, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

// A wooden board filling a picture of `size`, with round corners, a dark rim and a raised edge.
void paintBoard(QPainter &painter, QSize size, qreal radius, int scale, quint64 seed)
{
    const QRectF box = QRectF(QPointF(), size).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath shape = roundedRect(box, radius);
    painter.save();
    painter.setClipPath(shape);
    painter.drawImage(QRectF(QPointF(), size), woodGrain(size, scale, seed));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(bevel(box, 110, 120), 2));
    painter.drawPath(roundedRect(box.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1));
    painter.restore();
    painter.setPen(QPen(WoodRim, 1));
    painter.drawPath(shape);
}

QLinearGradient goldBrush(QPointF from, QPointF to)
{
    QLinearGradient gold(from, to);
    gold.setColorAt(0, QColor(255, 244, 172));
    gold.setColorAt(0.3, QColor(222, 168, 40));
    gold.setColorAt(0.55, QColor(255, 226, 122));
    gold.setColorAt(0.8, QColor(184, 126, 22));
    gold.setColorAt(1, QColor(246, 204, 92));
    return gold;
}

// Bid buttons: one shape, coloured by how hard they raise, from gold to red, and a quiet grey
// for dropping out.
struct BidButton
{
    const char *fileName;
    const char *text;
    int textSize;
    QColor face;
    QColor ink;
};

const BidButton BidButtons[] = {
    {"BidPlus1.png", "+1", 19, QColor(238, 190, 62), QColor(70, 38, 0)},
    {"BidPlus5.png", "+5", 19, QColor(236, 134, 38), QColor(62, 24, 0)},
    {"BidAtAllCosts.png", "At all costs", 13, QColor(186, 34, 38), QColor(255, 246, 226)},
    {"BidNoMore.png", "No more", 14, QColor(92, 102, 114), QColor(255, 255, 255)},
};

bool isDark(const QColor &colour)
{
    return colour.lightnessF() < 0.5;
}

// Lettering with a one-pixel emboss: a light edge under dark ink, a dark one under light ink.
void paintEmbossedText(QPainter &painter, const QRectF &box, const QString &text, int size,
                       const QColor &ink)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(size);
    painter.setFont(font);
    painter.setPen(isDark(ink) ? QColor(255, 255, 255, 110) : QColor(0, 0, 0, 150));
    painter.drawText(box.translated(0, 1), Qt::AlignCenter, text);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, text);
}

QImage bidButton(const BidButton &button, int scale)
{
    return drawn(BidButtonSize, scale, [&](QPainter &painter) {
        const QRectF box = QRectF(QPointF(), BidButtonSize).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient face(0, 0, 0, BidButtonSize.height());
        face.setColorAt(0, button.face.lighter(135));
        face.setColorAt(0.48, button.face.lighter(112));
        face.setColorAt(0.52, button.face);
        face.setColorAt(1, button.face.darker(130));
        painter.setPen(QPen(button.face.darker(260), 1));
        painter.setBrush(face);
        painter.drawPath(roundedRect(box, ButtonRadius));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(bevel(box, 150, 70), 1));
        painter.drawPath(roundedRect(box.adjusted(1, 1, -1, -1), ButtonRadius - 1));
        paintEmbossedText(painter, box.adjusted(0, 0, 0, -1), QString::fromLatin1(button.text),
                          button.textSize, button.ink);
    });
}

QImage buttonPanel(int scale)
{
    return drawn(ButtonPanelSize, scale, [&](QPainter &painter) {
        paintBoard(painter, ButtonPanelSize, PanelRadius, scale, 31);
        // A sunk bed for each button, so the buttons look set into the board.
        for (const QPoint offset : ButtonOffsets) {
            const QRectF bed = QRectF(offset, BidButtonSize).adjusted(-1.5, -1.5, 1.5, 1.5);
            painter.setBrush(QColor(20, 8, 0, 150));
            painter.setPen(QPen(bevel(bed, 120, 170, true), 1));
            painter.drawPath(roundedRect(bed, ButtonRadius + 1.5));
        }
    });
}

struct Notice
{
    const char *fileName;
    const char *text;
    QColor feltMiddle;
    QColor feltEdge;
};

// End of Round on the table's green cloth; Game Over on the wine red of the launcher tile.
const Notice Notices[] = {
    {"EndOfRound.png", "End of Round", QColor(40, 140, 70), QColor(12, 70, 34)},
    {"GameOver.png", "Game Over", QColor(128, 26, 38), QColor(48, 6, 14)},
};

// A gold rule with a diamond in its middle, between the lettering and the buttons.
void paintRule(QPainter &painter, qreal y, qreal left, qreal right)
{
    const qreal middle = (left + right) / 2;
    QPainterPath rule;
    rule.addRect(QRectF(left, y - 0.75, right - left, 1.5));
    QPainterPath diamond;
    diamond.moveTo(middle, y - 4);
    diamond.lineTo(middle + 6, y);
    diamond.lineTo(middle, y + 4);
    diamond.lineTo(middle - 6, y);
    diamond.closeSubpath();
    QLinearGradient fade(left, 0, right, 0);
    fade.setColorAt(0, QColor(230, 190, 80, 0));
    fade.setColorAt(0.5, QColor(230, 190, 80, 220));
    fade.setColorAt(1, QColor(230, 190, 80, 0));
    painter.fillPath(rule, fade);
    painter.setPen(QPen(GoldRim, 0.8));
    painter.setBrush(
        goldBrush(diamond.boundingRect().topLeft(), diamond.boundingRect().bottomRight()));
    painter.drawPath(diamond);
}

QImage notice(const Notice &notice, int scale)
{
    return drawn(NoticeSize, scale, [&](QPainter &painter) {
        paintBoard(painter, NoticeSize, NoticeRadius, scale, 47);
        const QRectF cloth = QRectF(QPointF(), NoticeSize)
                                 .adjusted(NoticeFrameWidth, NoticeFrameWidth, -NoticeFrameWidth,
                                           -NoticeFrameWidth);
        const QPainterPath clothShape = roundedRect(cloth, 3);
        painter.save();
        painter.setClipPath(clothShape);
        Painting::paintFelt(painter, cloth, QPointF(cloth.center().x(), cloth.top() + 20),
                            cloth.width() * 0.7, notice.feltMiddle, notice.feltEdge, 19);
        painter.restore();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(bevel(cloth, 90, 200, true), 2));
        painter.drawPath(roundedRect(cloth.adjusted(-0.5, -0.5, 0.5, 0.5), 3.5));

        QFont font(QStringLiteral("Liberation Serif"));
        font.setBold(true);
        font.setPixelSize(NoticeLetteringSize);
        const QString text = QString::fromLatin1(notice.text);
        const qreal width = QFontMetricsF(font).horizontalAdvance(text);
        QPainterPath words;
        words.addText(QPointF((NoticeSize.width() - width) / 2, NoticeBaseline), font, text);
        Painting::paintRaised(painter, words, goldBrush(QPointF(0, 18), QPointF(0, NoticeBaseline)),
                              GoldRim, QPointF(2, 3) * scale, 2 * scale);
        paintRule(painter, NoticeButtonTop - 8, cloth.left() + 24, cloth.right() - 24);
    });
}

QImage runFrame(int scale)
{
    return drawn(RunFrameSize, scale, [&](QPainter &painter) {
        // Square where the neighbouring cards cut the strip off, round where the card is.
        auto outline = [](qreal inset) {
            const QRectF box
                = QRectF(QPointF(), RunFrameSize).adjusted(inset, inset, -inset, -inset);
            const qreal radius = CardCornerRadius - inset + 0.5;
            QPainterPath path(QPointF(box.left() + radius, box.top()));
            path.lineTo(box.topRight());
            path.lineTo(box.bottomRight());
            path.lineTo(box.bottomLeft());
            path.lineTo(box.left(), box.top() + radius);
            path.quadTo(box.topLeft(), QPointF(box.left() + radius, box.top()));
            return path;
        };
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(178, 34, 0), 1));
        painter.drawPath(outline(0.5));
        painter.setPen(QPen(QColor(255, 128, 0), 1));
        painter.drawPath(outline(1.5));
    });
}

QImage auctionFrame(int scale)
{
    return drawn(AuctionFrameSize, scale, [&](QPainter &painter) {
        const QRectF whole(QPointF(), AuctionFrameSize);
        const QRectF card(AuctionCardOffset, CardSize);
        const QPainterPath cardShape = roundedRect(card, CardCornerRadius);
        // The seats' want markers lie in the 7 pixels round the card: an outer band and a
        // line hugging the card leave them showing, and the corners, which no marker reaches,
        // carry the weight.
        QPainterPath frame
            = roundedRect(whole, 6).subtracted(roundedRect(whole.adjusted(2, 2, -2, -2), 4));
        frame.addPath(
            roundedRect(card.adjusted(-1, -1, 1, 1), CardCornerRadius + 1).subtracted(cardShape));
        const qreal corner = AuctionCardOffset.x() + 2;
        for (const QPointF at : {whole.topLeft(), whole.topRight() - QPointF(corner, 0),
                                 whole.bottomLeft() - QPointF(0, corner),
                                 whole.bottomRight() - QPointF(corner, corner)}) {
            QPainterPath block;
            block.addRect(QRectF(at, QSizeF(corner, corner)));
            frame = frame.united(block.subtracted(cardShape));
        }
        // The rim would spill half its width onto the card.
        QPainterPath outsideCard;
        outsideCard.addRect(whole);
        painter.setClipPath(outsideCard.subtracted(cardShape));
        painter.setPen(QPen(GoldRim, 0.8));
        painter.setBrush(goldBrush(whole.topLeft(), whole.bottomRight()));
        painter.drawPath(frame.simplified());
        // A garnet set in each corner.
        for (const QPointF centre :
             {QPointF(4, 4), QPointF(whole.right() - 4, 4), QPointF(4, whole.bottom() - 4),
              QPointF(whole.right() - 4, whole.bottom() - 4)}) {
            QRadialGradient stone(centre - QPointF(0.8, 0.8), 2.6);
            stone.setColorAt(0, QColor(255, 150, 150));
            stone.setColorAt(0.5, QColor(190, 20, 40));
            stone.setColorAt(1, QColor(90, 0, 14));
            painter.setPen(QPen(GoldRim, 0.6));
            painter.setBrush(stone);
            painter.drawEllipse(centre, 2.2, 2.2);
        }
    });
}

// The seats' colours, a little softer than the marker bars; the window writes the bid on the calm
// middle field in white, or in black on the yellow panel.
const QColor SeatColours[]
    = {QColor(28, 64, 214), QColor(206, 28, 32), QColor(16, 128, 40), QColor(246, 220, 36)};

QImage bidPanel(const QColor &colour, int scale)
{
    return drawn(BidPanelSize, scale, [&](QPainter &painter) {
        // A heavy rim: each panel lies on the wall of its own colour.
        const QRectF box = QRectF(QPointF(), BidPanelSize).adjusted(0.75, 0.75, -0.75, -0.75);
        QLinearGradient body(0, 0, 0, BidPanelSize.height());
        body.setColorAt(0, colour.lighter(130));
        body.setColorAt(1, colour.darker(125));
        painter.setPen(QPen(colour.darker(320), 1.5));
        painter.setBrush(body);
        painter.drawPath(roundedRect(box, BidPanelRadius));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(bevel(box, 170, 110), 2));
        painter.drawPath(roundedRect(box.adjusted(1.5, 1.5, -1.5, -1.5), BidPanelRadius - 1.5));
        const QRectF field = QRectF(QPointF(), BidPanelSize)
                                 .adjusted(BidPanelFieldInset, BidPanelFieldInset,
                                           -BidPanelFieldInset, -BidPanelFieldInset);
        QLinearGradient calm(0, field.top(), 0, field.bottom());
        calm.setColorAt(0, colour.darker(104));
        calm.setColorAt(1, colour.darker(112));
        painter.setBrush(calm);
        painter.setPen(QPen(bevel(field, 150, 120, true), 1.5));
        painter.drawPath(roundedRect(field, BidPanelRadius - BidPanelFieldInset + 2));
    });
}

}

const std::vector<Picture> &pictures()
{
    static const std::vector<Picture> all = [] {
        std::vector<Picture> list;
        for (const BidButton &button : BidButtons)
            list.push_back({QString::fromLatin1(button.fileName),
                            [&button](int scale) { return bidButton(button, scale); }});
        list.push_back({QStringLiteral("ButtonPanel.png"), buttonPanel});
        for (const Notice &panel : Notices)
            list.push_back({QString::fromLatin1(panel.fileName),
                            [&panel](int scale) { return notice(panel, scale); }});
        list.push_back({QStringLiteral("RunFrame.png"), runFrame});
        list.push_back({QStringLiteral("AuctionFrame.png"), auctionFrame});
        for (int seat = 1; seat <= 4; ++seat)
            list.push_back({QStringLiteral("Bid%1.png").arg(seat),
                            [seat](int scale) { return bidPanel(SeatColours[seat - 1], scale); }});
        return list;
    }();
    return all;
}

}
