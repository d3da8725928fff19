#include "CardCanvas.h"

#include <QImage>
#include <QPainter>

namespace CardCanvas {

QPainterPath cardShape(QSizeF size)
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(QPointF(0.5, 0.5), size - QSizeF(1, 1)), CornerRadius,
                         CornerRadius);
    return shape;
}

QPixmap render(QSize logicalSize, qreal pixelRatio, const std::function<void(QPainter &)> &paint)
{
    QImage image((QSizeF(logicalSize) * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                               | QPainter::SmoothPixmapTransform);
        painter.scale(pixelRatio, pixelRatio);
        paint(painter);
    }
    // Handed over whole, so the pixmap takes the pixels without a copy.
    image.setDevicePixelRatio(pixelRatio);
    return QPixmap::fromImage(std::move(image));
}

}
