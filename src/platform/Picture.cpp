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

void Picture::paintEvent(QPaintEvent *)
{
    if (pixmap().isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), shown);
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
