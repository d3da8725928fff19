#include "HintFrame.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace {

// As designed; it grows with the table.
constexpr int DesignedWidth = 3;
}

HintFrame::HintFrame(QWidget *table, QColor colour, WhenMoved whenMoved)
    : QWidget(table)
    , colour(colour)
    , whenMoved(whenMoved)
    , width(DesignedWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void HintFrame::setScale(qreal scale)
{
    width = std::max(1, qRound(DesignedWidth * scale));
    if (target)
        frame(*target);
    update();
}

void HintFrame::mark(QWidget *picture)
{
    clear();
    target = picture;
    picture->installEventFilter(this);
    frame(*picture);
    raise();
    show();
}

void HintFrame::frame(const QWidget &picture)
{
    setGeometry(picture.geometry().adjusted(-width, -width, width, width));
}

void HintFrame::clear()
{
    if (target)
        target->removeEventFilter(this);
    target = nullptr;
    hide();
}

bool HintFrame::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == target) {
        const bool moved = type == QEvent::Move || type == QEvent::Resize;
        if (type == QEvent::Hide || (moved && whenMoved == WhenMoved::Goes))
            clear();
        else if (moved)
            frame(*target);
    }
    return QWidget::eventFilter(watched, event);
}

void HintFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const qreal half = width / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}
