#include "Painting.h"

#include "Noise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace Painting {

namespace {

constexpr qreal CornerRadiusShare = 0.07; // of the card width
constexpr QColor Red{196, 20, 32};
constexpr QColor Black{24, 24, 28};

QPainterPath heartLobes(const QRectF &b, bool pointDown)
{
    auto pt = [&](qreal x, qreal y) {
        return QPointF(b.left() + x * b.width(), b.top() + (pointDown ? y : 1.0 - y) * b.height());
    };
    QPainterPath path(pt(0.5, 0.98));
    path.cubicTo(pt(0.12, 0.68), pt(-0.04, 0.42), pt(0.08, 0.2));
    path.cubicTo(pt(0.18, 0.0), pt(0.44, 0.0), pt(0.5, 0.2));
    path.cubicTo(pt(0.56, 0.0), pt(0.82, 0.0), pt(0.92, 0.2));
    path.cubicTo(pt(1.04, 0.42), pt(0.88, 0.68), pt(0.5, 0.98));
    path.closeSubpath();
    return path;
}

QPainterPath stem(const QRectF &b)
{
    auto pt = [&](qreal x, qreal y) {
        return QPointF(b.left() + x * b.width(), b.top() + y * b.height());
    };
    QPainterPath path(pt(0.47, 0.55));
    path.quadTo(pt(0.44, 0.9), pt(0.28, 1.0));
    path.lineTo(pt(0.72, 1.0));
    path.quadTo(pt(0.56, 0.9), pt(0.53, 0.55));
    path.closeSubpath();
    return path;
}

// Pip centres of the number cards as (column, row) shares of the pip area.
const std::array<std::vector<QPointF>, 9> PipLayouts = {{
    {{0.5, 0}, {0.5, 1}},
    {{0.5, 0}, {0.5, 0.5}, {0.5, 1}},
    {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
    {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}},
    {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
    {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
    {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}},
    {{0, 0},
     {1, 0},
     {0, 1.0 / 3},
     {1, 1.0 / 3},
     {0.5, 0.5},
     {0, 2.0 / 3},
     {1, 2.0 / 3},
     {0, 1},
     {1, 1}},
    {{0, 0},
     {1, 0},
     {0.5, 1.0 / 6},
     {0, 1.0 / 3},
     {1, 1.0 / 3},
     {0, 2.0 / 3},
     {1, 2.0 / 3},
     {0.5, 5.0 / 6},
     {0, 1},
     {1, 1}},
}};

constexpr int Jack = 9;
constexpr int Ace = 12;

void paintPip(QPainter &painter, Suit suit, QPointF centre, qreal size, bool upsideDown)
{
    painter.save();
    painter.translate(centre);
    if (upsideDown)
        painter.rotate(180);
    painter.fillPath(suitPath(suit, QRectF(-size / 2, -size / 2, size, size)), suitColour(suit));
    painter.restore();
}

void paintIndex(QPainter &painter, const QRectF &card, int rank, Suit suit)
{
    const qreal w = card.width();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(6, qRound(w * 0.24)));
    font.setLetterSpacing(QFont::PercentageSpacing, rank == 8 ? 85 : 100);
    painter.setFont(font);
    painter.setPen(suitColour(suit));
    const QRectF textBox(card.left() + w * 0.03, card.top() + w * 0.04, w * 0.26, w * 0.26);
    painter.drawText(textBox, Qt::AlignHCenter | Qt::AlignTop, rankText(rank));
    const qreal pip = w * 0.15;
    paintPip(painter, suit, QPointF(textBox.center().x(), card.top() + w * 0.43), pip, false);
}

void paintCourt(QPainter &painter, const QRectF &card, int rank, Suit suit)
{
    const qreal w = card.width();
    const QRectF frame = card.adjusted(w * 0.25, w * 0.2, -w * 0.25, -w * 0.2);
    QLinearGradient fill(frame.topLeft(), frame.bottomRight());
    const QColor tint
        = suit == Diamonds || suit == Hearts ? QColor(252, 226, 200) : QColor(214, 226, 246);
    fill.setColorAt(0, tint.lighter(108));
    fill.setColorAt(1, tint);
    painter.setPen(QPen(suitColour(suit), qMax(0.8, w * 0.02)));
    painter.setBrush(fill);
    painter.drawRect(frame);
    painter.setPen(QPen(QColor(201, 160, 40), qMax(0.6, w * 0.012)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(w * 0.03, w * 0.03, -w * 0.03, -w * 0.03));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(qMax(8, qRound(w * 0.5)));
    painter.setFont(font);
    painter.setPen(suitColour(suit));
    painter.drawText(frame.adjusted(0, 0, 0, -frame.height() * 0.22), Qt::AlignCenter,
                     rankText(rank));
    paintPip(painter, suit, QPointF(frame.center().x(), frame.bottom() - frame.height() * 0.22),
             w * 0.2, false);
}

void paintPips(QPainter &painter, const QRectF &card, int rank, Suit suit)
{
    const qreal w = card.width();
    const qreal pip = w * 0.2;
    const QRectF area = card.adjusted(w * 0.32, w * 0.24, -w * 0.32, -w * 0.24);
    for (const QPointF &share : PipLayouts[size_t(rank)]) {
        const QPointF centre(area.left() + share.x() * area.width(),
                             area.top() + share.y() * area.height());
        paintPip(painter, suit, centre, pip, share.y() > 0.5);
    }
}

}

QColor suitColour(Suit suit)
{
    return suit == Diamonds || suit == Hearts ? Red : Black;
}

QColor mix(const QColor &a, const QColor &b, qreal share)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * share,
                            a.greenF() + (b.greenF() - a.greenF()) * share,
                            a.blueF() + (b.blueF() - a.blueF()) * share);
}

QPainterPath suitPath(Suit suit, const QRectF &b)
{
    auto pt = [&](qreal x, qreal y) {
        return QPointF(b.left() + x * b.width(), b.top() + y * b.height());
    };
    QPainterPath path;
    switch (suit) {
    case Diamonds:
        path.moveTo(pt(0.5, 0));
        path.quadTo(pt(0.68, 0.3), pt(0.9, 0.5));
        path.quadTo(pt(0.68, 0.7), pt(0.5, 1));
        path.quadTo(pt(0.32, 0.7), pt(0.1, 0.5));
        path.quadTo(pt(0.32, 0.3), pt(0.5, 0));
        path.closeSubpath();
        return path;
    case Hearts:
        return heartLobes(QRectF(pt(0, 0.04), pt(1, 0.96)), true);
    case Spades:
        return heartLobes(QRectF(pt(0, 0), pt(1, 0.8)), false).united(stem(b)).simplified();
    case Clubs: {
        const qreal r = 0.235;
        for (const QPointF c : {pt(0.5, 0.25), pt(0.25, 0.56), pt(0.75, 0.56)})
            path.addEllipse(c, r * b.width(), r * b.height());
        path.addEllipse(pt(0.5, 0.5), 0.12 * b.width(), 0.12 * b.height());
        path.setFillRule(Qt::WindingFill);
        return path.united(stem(b)).simplified();
    }
    }
    return path;
}

QString rankText(int rank)
{
    static const char *const texts[]
        = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    return QString::fromLatin1(texts[rank]);
}

QPainterPath cardOutline(const QRectF &card)
{
    QPainterPath path;
    const qreal radius = card.width() * CornerRadiusShare;
    path.addRoundedRect(card, radius, radius);
    return path;
}

void paintCardFace(QPainter &painter, const QRectF &card, int rank, Suit suit)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(card.topLeft(), card.bottomRight());
    paper.setColorAt(0, QColor(255, 255, 255));
    paper.setColorAt(1, QColor(240, 238, 232));
    painter.setPen(QPen(QColor(60, 60, 60), qMax(0.6, card.width() * 0.012)));
    painter.setBrush(paper);
    painter.drawPath(cardOutline(card));
    paintIndex(painter, card, rank, suit);
    painter.save();
    painter.translate(card.center());
    painter.rotate(180);
    painter.translate(-card.center());
    paintIndex(painter, card, rank, suit);
    painter.restore();
    if (rank == Ace)
        paintPip(painter, suit, card.center(), card.width() * 0.42, false);
    else if (rank >= Jack)
        paintCourt(painter, card, rank, suit);
    else
        paintPips(painter, card, rank, suit);
    painter.restore();
}

void paintCardBack(QPainter &painter, const QRectF &card, const QColor &colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath outline = cardOutline(card);
    painter.setPen(QPen(QColor(60, 60, 60), qMax(0.6, card.width() * 0.012)));
    painter.setBrush(QColor(250, 250, 246));
    painter.drawPath(outline);
    const qreal margin = card.width() * 0.08;
    const QRectF inner = card.adjusted(margin, margin, -margin, -margin);
    QLinearGradient fill(inner.topLeft(), inner.bottomRight());
    fill.setColorAt(0, colour.lighter(125));
    fill.setColorAt(1, colour.darker(115));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    const qreal radius = card.width() * 0.04;
    painter.drawRoundedRect(inner, radius, radius);
    // A lattice of thin light lines, the classic back pattern.
    painter.setClipRect(inner);
    painter.setPen(QPen(QColor(255, 255, 255, 70), qMax(0.5, card.width() * 0.015)));
    const qreal step = card.width() * 0.12;
    for (qreal d = -inner.height(); d < inner.width(); d += step) {
        painter.drawLine(QPointF(inner.left() + d, inner.top()),
                         QPointF(inner.left() + d + inner.height(), inner.bottom()));
        painter.drawLine(QPointF(inner.left() + d, inner.bottom()),
                         QPointF(inner.left() + d + inner.height(), inner.top()));
    }
    painter.setClipping(false);
    painter.setPen(QPen(QColor(255, 255, 255, 150), qMax(0.5, card.width() * 0.02)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(
        inner.adjusted(margin * 0.5, margin * 0.5, -margin * 0.5, -margin * 0.5), radius, radius);
    painter.restore();
}

QImage blurred(const QImage &source, int radius)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius < 1)
        return image;
    const int w = image.width();
    const int h = image.height();
    std::vector<QRgb> line(size_t(qMax(w, h)));
    auto pass = [&](int count, int length, auto pixelAt) {
        for (int i = 0; i < count; ++i) {
            for (int j = 0; j < length; ++j)
                line[size_t(j)] = *pixelAt(i, j);
            int sum[4] = {};
            auto add = [&](int j, int sign) {
                if (j < 0 || j >= length)
                    return;
                const QRgb p = line[size_t(j)];
                sum[0] += sign * qAlpha(p);
                sum[1] += sign * qRed(p);
                sum[2] += sign * qGreen(p);
                sum[3] += sign * qBlue(p);
            };
            for (int j = -radius; j < radius; ++j)
                add(j, 1);
            const int span = 2 * radius + 1;
            for (int j = 0; j < length; ++j) {
                add(j + radius, 1);
                *pixelAt(i, j) = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
                add(j - radius, -1);
            }
        }
    };
    for (int round = 0; round < 3; ++round) {
        pass(h, w, [&](int y, int x) { return reinterpret_cast<QRgb *>(image.scanLine(y)) + x; });
        pass(w, h, [&](int x, int y) { return reinterpret_cast<QRgb *>(image.scanLine(y)) + x; });
    }
    return image;
}

void paintSoftShadow(QPainter &painter, const QPainterPath &shape, QPointF offset, int blur,
                     int alpha)
{
    const QPaintDevice *device = painter.device();
    const QPainterPath onDevice = painter.transform().map(shape).translated(offset);
    QImage shadow(device->width(), device->height(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter shadowPainter(&shadow);
        shadowPainter.setRenderHint(QPainter::Antialiasing);
        shadowPainter.fillPath(onDevice, QColor(0, 0, 0, alpha));
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, blurred(shadow, blur));
    painter.restore();
}

void paintRaised(QPainter &painter, const QPainterPath &shape, const QBrush &fill,
                 const QColor &rim, QPointF shadowOffset, int blur)
{
    paintSoftShadow(painter, shape, shadowOffset, blur, 145);
    painter.setPen(QPen(rim, 1.2));
    painter.setBrush(fill);
    painter.drawPath(shape);
}

void paintGrain(QPainter &painter, const QRectF &area, quint64 seed, int strength)
{
    Rng rng(seed);
    const int dots = int(area.width() * area.height() / 3);
    for (int i = 0; i < dots; ++i) {
        const bool light = rng.uniform() < 0.5;
        painter.setPen(light ? QColor(255, 255, 255, strength) : QColor(0, 0, 0, strength));
        painter.drawPoint(QPointF(area.left() + rng.uniform() * area.width(),
                                  area.top() + rng.uniform() * area.height()));
    }
}

void paintFelt(QPainter &painter, const QRectF &area, QPointF centre, qreal radius,
               const QColor &middle, const QColor &edge, quint64 seed)
{
    QRadialGradient felt(centre, radius);
    felt.setColorAt(0, middle);
    felt.setColorAt(1, edge);
    painter.fillRect(area, felt);
    paintGrain(painter, area, seed, 14);
}

void paintChipTop(QPainter &painter, QPointF centre, qreal radius, const QColor &colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.setPen(QPen(colour.darker(160), radius * 0.04));
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(), radius, radius);
    // Six white edge inserts around the rim.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(248, 246, 240));
    for (int i = 0; i < 6; ++i) {
        painter.save();
        painter.rotate(i * 60.0);
        painter.drawRect(QRectF(-radius * 0.14, -radius * 0.98, radius * 0.28, radius * 0.26));
        painter.restore();
    }
    painter.setPen(QPen(QColor(248, 246, 240, 220), radius * 0.06, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(), radius * 0.62, radius * 0.62);
    QRadialGradient shine(QPointF(-radius * 0.35, -radius * 0.4), radius * 1.3);
    shine.setColorAt(0, QColor(255, 255, 255, 90));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(), radius, radius);
    painter.restore();
}

void paintChipStack(QPainter &painter, QPointF base, qreal radius, int count, const QColor &colour)
{
    const qreal squash = 0.42;
    const qreal thickness = radius * 0.2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath footprint;
    footprint.addEllipse(base, radius, radius * squash);
    paintSoftShadow(painter, footprint, QPointF(3, 2), 3, 120);
    for (int i = 0; i < count; ++i) {
        const qreal bottom = base.y() - i * thickness;
        const qreal top = bottom - thickness;
        QPainterPath side;
        side.moveTo(base.x() - radius, top);
        side.lineTo(base.x() - radius, bottom);
        side.arcTo(
            QRectF(base.x() - radius, bottom - radius * squash, 2 * radius, 2 * radius * squash),
            180, 180);
        side.lineTo(base.x() + radius, top);
        side.closeSubpath();
        QLinearGradient band(base.x() - radius, 0, base.x() + radius, 0);
        band.setColorAt(0, colour.darker(170));
        band.setColorAt(0.35, colour);
        band.setColorAt(1, colour.darker(190));
        painter.setPen(QPen(colour.darker(220), 0.6));
        painter.setBrush(band);
        painter.drawPath(side);
        // Edge inserts on the visible side band.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(240, 238, 230));
        for (const qreal share : {-0.62, 0.0, 0.62}) {
            const qreal x = base.x() + share * radius;
            const qreal curve = radius * squash * std::sqrt(1.0 - share * share);
            painter.drawRect(QRectF(x - radius * 0.1, top + curve + thickness * 0.15, radius * 0.2,
                                    thickness * 0.7));
        }
        painter.setPen(QPen(colour.darker(200), 0.6));
        painter.setBrush(colour.lighter(105));
        painter.drawEllipse(QPointF(base.x(), top), radius, radius * squash);
    }
    const qreal top = base.y() - count * thickness;
    painter.translate(base.x(), top);
    painter.scale(1.0, squash);
    painter.translate(-base.x(), -top);
    paintChipTop(painter, QPointF(base.x(), top), radius, colour);
    painter.restore();
}

void paintVignette(QPainter &painter, const QRectF &area, int strength)
{
    QRadialGradient shade(area.center(), std::hypot(area.width(), area.height()) * 0.6);
    shade.setColorAt(0.45, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, strength));
    painter.fillRect(area, shade);
}

}
