#include "AboutLogo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QSizeF CardSize{24, 34};
constexpr qreal CardCornerRadius = 3;
// Each card of the fan: its suit sign, whether it is red, and its turn in degrees.
struct FanCard
{
    QChar suit;
    bool red;
    qreal angle;
};
constexpr FanCard Fan[] = {
    {u'\u2663', false, -30},
    {u'\u2666', true, -10},
    {u'\u2660', false, 10},
    {u'\u2665', true, 30},
};
constexpr QColor CardEdge{90, 60, 20};
constexpr QColor RedSuit{190, 20, 20};
constexpr QColor LetterTop{20, 30, 120};
constexpr QColor LetterBottom{120, 10, 30};
constexpr QColor LetterOutline{255, 245, 220};
constexpr qreal FanWidth = 62;
constexpr int SuitPixelSize = 11;
constexpr int CentreSuitPixelSize = 16;
// The fan turns about a point just above the picture's bottom edge.
constexpr qreal PivotDrop = -2;
constexpr int LetterPixelSize = 40;
constexpr int LetterSpacingPercent = 108;

void drawCard(QPainter &painter, const FanCard &card, QPointF pivot)
{
    painter.save();
    painter.translate(pivot);
    painter.rotate(card.angle);
    const QRectF face(-CardSize.width() / 2, -CardSize.height(), CardSize.width(),
                      CardSize.height());
    painter.setPen(QPen(CardEdge, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(face, CardCornerRadius, CardCornerRadius);
    QFont suitFont(QStringLiteral("Liberation Sans"));
    suitFont.setPixelSize(SuitPixelSize);
    painter.setFont(suitFont);
    painter.setPen(card.red ? RedSuit : Qt::black);
    // The corner sign is what stays visible of a card that the next one covers.
    painter.drawText(face.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, card.suit);
    suitFont.setPixelSize(CentreSuitPixelSize);
    painter.setFont(suitFont);
    painter.drawText(face, Qt::AlignCenter, card.suit);
    painter.restore();
}

void drawName(QPainter &painter, const QRectF &area)
{
    QFont letters(QStringLiteral("Times New Roman"));
    letters.setPixelSize(LetterPixelSize);
    letters.setBold(true);
    letters.setLetterSpacing(QFont::PercentageSpacing, LetterSpacingPercent);
    QPainterPath path;
    const QFontMetricsF metrics(letters);
    const QString name = QStringLiteral("KOVRA");
    const qreal left = area.left() + (area.width() - metrics.horizontalAdvance(name)) / 2;
    const qreal baseline = area.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    path.addText(QPointF(left, baseline), letters, name);

    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0, LetterTop);
    fill.setColorAt(1, LetterBottom);
    painter.setPen(QPen(LetterOutline, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
}

}

QPixmap drawAboutLogo(QSize size, qreal devicePixelRatio)
{
    QPixmap logo(size * devicePixelRatio);
    logo.setDevicePixelRatio(devicePixelRatio);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QPointF pivot(FanWidth / 2, size.height() + PivotDrop);
    for (const FanCard &card : Fan)
        drawCard(painter, card, pivot);
    drawName(painter, QRectF(FanWidth, 0, size.width() - FanWidth, size.height()));
    return logo;
}
