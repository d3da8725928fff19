#include "Picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

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

namespace {

// Qt blends a stretched pixmap line by line and hands a long run of lines to worker threads,
// waiting for them; on a busy machine that wait outlasts the blending. A band of fewer lines
// stays in this thread.
constexpr int MostLinesPerBand = 48;

void drawPixmap(QPainter &painter, const QRect &target, const QPixmap &pixmap)
{
    const qreal ratio = painter.deviceTransform().m22();
    // At its own size the pixmap is copied straight; smoothing would give the same pixels.
    if (QSizeF(target.size()) * ratio == QSizeF(pixmap.size())) {
        painter.drawPixmap(target, pixmap);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int band = std::max(1, int(MostLinesPerBand / ratio));
    for (int top = target.top(); top <= target.bottom(); top += band) {
        painter.setClipRect(QRect(target.left(), top, target.width(), band));
        painter.drawPixmap(target, pixmap);
    }
}

}

// A disabled picture is drawn faint, the way a disabled control looks.
void Picture::paintEvent(QPaintEvent *)
{
    if (pixmap().isNull())
        return;
    constexpr qreal DisabledOpacity = 0.4;
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(DisabledOpacity);
    if (!highlight.isValid()) {
        drawPixmap(painter, rect(), shown);
        return;
    }
    // Washed where the picture is drawn only, so rounded corners stay clear.
    QPixmap lit = shown;
    {
        QPainter wash(&lit);
        wash.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        wash.fillRect(QRectF(QPointF(), lit.deviceIndependentSize()), highlight);
    }
    drawPixmap(painter, rect(), lit);
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
