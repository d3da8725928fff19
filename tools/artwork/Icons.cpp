#include "Icons.h"

#include "Painting.h"

#include <QPainter>
#include <QRadialGradient>

using namespace Painting;

namespace Icons {

namespace {

// Every icon is drawn on a 48-unit square; below this size some detail is left out.
constexpr qreal DesignSize = 48;
constexpr int SmallSize = 16;

// A plain card for icons: white, outlined, turned about its centre.
void iconCard(QPainter &painter, QPointF centre, qreal angle, QSizeF size,
              const QColor &back = QColor())
{
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const QRectF card(-size.width() / 2, -size.height() / 2, size.width(), size.height());
    if (back.isValid()) {
        paintCardBack(painter, card, back);
    } else {
        painter.setPen(QPen(QColor(50, 50, 50), 1.2));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(card, 3, 3);
    }
    painter.restore();
}

void letter(QPainter &painter, const QRectF &box, const QString &text, const QColor &colour,
            qreal height, bool serif)
{
    QFont font(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(height));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

void product(QPainter &painter, bool small)
{
    if (!small) {
        iconCard(painter, QPointF(17, 25), -24, QSizeF(24, 34), QColor(40, 70, 170));
        iconCard(painter, QPointF(24, 23), -8, QSizeF(24, 34), QColor(160, 30, 40));
    } else {
        iconCard(painter, QPointF(17, 24), -18, QSizeF(28, 40), QColor(40, 70, 170));
    }
    const QSizeF front = small ? QSizeF(30, 42) : QSizeF(26, 36);
    const QPointF centre = small ? QPointF(30, 24) : QPointF(32, 24);
    iconCard(painter, centre, small ? 6 : 10, front);
    painter.save();
    painter.translate(centre);
    painter.rotate(small ? 6 : 10);
    letter(painter, QRectF(-front.width() / 2, -front.height() / 2, front.width(), front.height()),
           QStringLiteral("K"), QColor(190, 20, 30), small ? 34 : 26, true);
    painter.restore();
}

void twelve(QPainter &painter, bool small)
{
    const QPointF centre(24, 24);
    QRadialGradient felt(centre - QPointF(5, 6), 26);
    felt.setColorAt(0, QColor(60, 160, 90));
    felt.setColorAt(1, QColor(14, 80, 40));
    painter.setPen(QPen(QColor(150, 95, 40), small ? 3 : 2.5));
    painter.setBrush(felt);
    painter.drawEllipse(centre, 22, 22);
    // At the smallest size the four suits would blur into dots: the number alone says it.
    if (small) {
        letter(painter, QRectF(0, 0, 48, 48), QStringLiteral("12"), QColor(255, 230, 120), 30,
               false);
        return;
    }
    const qreal pip = 12;
    const qreal reach = 13.5;
    const struct
    {
        Suit suit;
        QPointF direction;
    } seats[] = {{Spades, {0, -1}}, {Hearts, {1, 0}}, {Clubs, {0, 1}}, {Diamonds, {-1, 0}}};
    for (const auto &seat : seats) {
        const QPointF at = centre + seat.direction * reach;
        const QRectF box(at.x() - pip / 2, at.y() - pip / 2, pip, pip);
        const bool red = seat.suit == Hearts || seat.suit == Diamonds;
        painter.fillPath(suitPath(seat.suit, box),
                         red ? suitColour(seat.suit).lighter(115) : QColor(15, 15, 18));
    }
    letter(painter, QRectF(12, 12, 24, 24), QStringLiteral("12"), QColor(255, 230, 120), 15, false);
}

void golf(QPainter &painter, bool small)
{
    QRadialGradient green(QPointF(24, 40), 24);
    green.setColorAt(0, QColor(120, 200, 90));
    green.setColorAt(1, QColor(40, 120, 40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(green);
    painter.drawEllipse(QPointF(24, 40), 23, 8);
    if (!small)
        iconCard(painter, QPointF(13, 26), -10, QSizeF(20, 28));
    if (!small) {
        painter.save();
        painter.translate(13, 26);
        painter.rotate(-10);
        painter.fillPath(suitPath(Hearts, QRectF(-6, -6, 12, 12)), suitColour(Hearts));
        painter.restore();
    }
    painter.setBrush(QColor(20, 30, 15));
    painter.drawEllipse(QPointF(30, 40), 4, 1.6);
    painter.setPen(QPen(QColor(250, 250, 245), small ? 3.5 : 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(30, 40), QPointF(30, 3));
    QPainterPath flag(QPointF(31, 4));
    flag.lineTo(QPointF(46, 10));
    flag.lineTo(QPointF(31, 17));
    flag.closeSubpath();
    painter.setPen(QPen(QColor(120, 10, 10), 1));
    painter.setBrush(QColor(220, 30, 30));
    painter.drawPath(flag);
}

void poker(QPainter &painter, bool small)
{
    if (!small) {
        iconCard(painter, QPointF(17, 20), -12, QSizeF(24, 34));
        painter.save();
        painter.translate(17, 20);
        painter.rotate(-12);
        painter.fillPath(suitPath(Spades, QRectF(-8, -9, 16, 16)), QColor(20, 20, 20));
        letter(painter, QRectF(-12, -17, 10, 10), QStringLiteral("A"), QColor(20, 20, 20), 8,
               false);
        painter.restore();
    }
    const QPointF chip = small ? QPointF(24, 24) : QPointF(31, 31);
    paintChipTop(painter, chip, small ? 22 : 16, QColor(200, 30, 35));
    if (small)
        painter.fillPath(suitPath(Spades, QRectF(chip.x() - 8, chip.y() - 8, 16, 16)),
                         QColor(250, 246, 236));
}

}

QImage icon(Kind kind, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / DesignSize, size / DesignSize);
    // In the order of Kind.
    using Drawing = void (*)(QPainter &, bool);
    static constexpr Drawing drawings[] = {product, twelve, golf, poker};
    drawings[kind](painter, size <= SmallSize);
    return image;
}

QList<QImage> allSizes(Kind kind)
{
    QList<QImage> images;
    for (const int size : IconSizes)
        images.append(icon(kind, size));
    return images;
}

}
