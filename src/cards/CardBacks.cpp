#include "CardBacks.h"

#include "BackDesigns.h"
#include "CardCanvas.h"

#include <QPainter>
#include <QTransform>
#include <array>

namespace CardBacks {

namespace {

using Design = void (*)(QPainter &, QSizeF);

// In back index order.
constexpr std::array<Design, BackCount> Designs = {
    BackDesigns::basketWeave, BackDesigns::clownFish,    BackDesigns::castleAtNight,
    BackDesigns::handOfCards, BackDesigns::redBlueWeave, BackDesigns::palmBeach,
    BackDesigns::toyRobot,    BackDesigns::redRoses,     BackDesigns::spiralShell,
};

constexpr qreal BorderWidth = 3.5;
constexpr qreal IllustrationRadius = 2.5;
const QColor Outline(30, 30, 30);
const QColor FrameColour(24, 36, 64);
const QColor FrameHighlight(92, 112, 156);

qreal rotationOf(Turn turn)
{
    switch (turn) {
    case Turn::Upright:
        return 0;
    case Turn::UpsideDown:
        return 180;
    case Turn::CounterClockwise:
        return -90;
    case Turn::Clockwise:
        return 90;
    }
    return 0;
}

}

QPixmap paint(int backIndex, qreal pixelRatio)
{
    return CardCanvas::render(CardCanvas::CardSize, pixelRatio, [&](QPainter &painter) {
        const QPainterPath shape = CardCanvas::cardShape(CardCanvas::CardSize);
        painter.fillPath(shape, Qt::white);
        const QRectF area = QRectF(QPointF(0, 0), CardCanvas::CardSize)
                                .adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
        QPainterPath illustration;
        illustration.addRoundedRect(area, IllustrationRadius, IllustrationRadius);
        painter.save();
        painter.setClipPath(illustration);
        painter.translate(area.topLeft());
        Designs[backIndex](painter, area.size());
        painter.restore();
        painter.strokePath(illustration, QPen(Outline, 0.6));
        painter.strokePath(shape, QPen(Outline, 1));
    });
}

QPixmap turned(const QPixmap &upright, Turn turn)
{
    // Quarter turns of an image move whole pixels, so the turned backs stay as sharp as the
    // upright ones.
    QImage image = upright.toImage().transformed(QTransform().rotate(rotationOf(turn)));
    image.setDevicePixelRatio(upright.devicePixelRatio());
    return QPixmap::fromImage(std::move(image));
}

QPixmap paintSelectionFrame(qreal pixelRatio)
{
    return CardCanvas::render(SelectionFrameSize, pixelRatio, [](QPainter &painter) {
        constexpr qreal OuterRadius = 7;
        const QRectF outer(QPointF(0, 0), SelectionFrameSize);
        const QRectF inner = outer.adjusted(SelectionFrameWidth, SelectionFrameWidth,
                                            -SelectionFrameWidth, -SelectionFrameWidth);
        QPainterPath frame;
        frame.addRoundedRect(outer, OuterRadius, OuterRadius);
        QPainterPath hole;
        hole.addRoundedRect(inner, CardCanvas::CornerRadius, CardCanvas::CornerRadius);
        frame = frame.subtracted(hole);
        painter.fillPath(frame, FrameColour);
        const qreal middle = SelectionFrameWidth / 2.0;
        QPainterPath line;
        line.addRoundedRect(outer.adjusted(middle, middle, -middle, -middle), OuterRadius - 2,
                            OuterRadius - 2);
        painter.strokePath(line, QPen(FrameHighlight, 1.2));
    });
}

}
