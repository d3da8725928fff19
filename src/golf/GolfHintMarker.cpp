#include "GolfHintMarker.h"

#include <QPainter>

namespace {

constexpr int FrameWidth = 3;
constexpr QColor FrameColour{255, 64, 255};

}

GolfHintMarker::GolfHintMarker(QWidget *table)
    : QWidget(table)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void GolfHintMarker::mark(const QWidget *target)
{
    setGeometry(target->geometry().adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth));
    raise();
    show();
}

void GolfHintMarker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(FrameColour, FrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(FrameWidth / 2.0, FrameWidth / 2.0,
                                             -FrameWidth / 2.0, -FrameWidth / 2.0));
}
