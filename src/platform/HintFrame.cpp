#include "HintFrame.h"

#include <QEvent>
#include <QPainter>

namespace {

constexpr int FrameWidth = 3;

}

HintFrame::HintFrame(QWidget *table, QColor colour, WhenMoved whenMoved)
    : QWidget(table)
    , colour(colour)
    , whenMoved(whenMoved)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
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
    setGeometry(picture.geometry().adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth));
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
    QPen pen(colour, FrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(FrameWidth / 2.0, FrameWidth / 2.0,
                                             -FrameWidth / 2.0, -FrameWidth / 2.0));
}
