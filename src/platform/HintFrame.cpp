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
    if (whenMoved == WhenMoved::Goes)
        picture->installEventFilter(this);
    setGeometry(picture->geometry().adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth));
    raise();
    show();
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
    if (watched == target
        && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Hide))
        clear();
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
