#include "Picture.h"

#include <QMouseEvent>
#include <QPainter>

Picture::Picture(QWidget *parent)
    : QWidget(parent)
{ }

void Picture::setPixmap(const QPixmap &pixmap)
{
    pending = nullptr;
    shown = pixmap;
    update();
}

void Picture::setPixmapSource(std::function<QPixmap()> source)
{
    pending = std::move(source);
    shown = QPixmap();
    update();
}

const QPixmap &Picture::pixmap() const
{
    if (pending) {
        const std::function<QPixmap()> source = std::move(pending);
        pending = nullptr;
        shown = source();
    }
    return shown;
}

void Picture::setHighlight(const QColor &colour)
{
    if (colour == highlight)
        return;
    highlight = colour;
    update();
}

// A disabled picture is drawn faint, the way a disabled control looks.
void Picture::paintEvent(QPaintEvent *)
{
    if (pixmap().isNull())
        return;
    constexpr qreal DisabledOpacity = 0.4;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!isEnabled())
        painter.setOpacity(DisabledOpacity);
    if (!highlight.isValid()) {
        painter.drawPixmap(rect(), shown);
        return;
    }
    // Washed where the picture is drawn only, so rounded corners stay clear.
    QPixmap lit = shown;
    {
        QPainter wash(&lit);
        wash.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        wash.fillRect(QRectF(QPointF(), lit.deviceIndependentSize()), highlight);
    }
    painter.drawPixmap(rect(), lit);
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT pressed(event->button());
}

void Picture::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_EMIT pressed(event->button());
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
