#include "FocusFrame.h"

#include <QAccessible>
#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace {

// As designed; both grow with the table.
constexpr int DesignedBand = 3;
constexpr int DesignedLine = 1;
constexpr QColor BandColour{255, 214, 0};
constexpr QColor LineColour{0, 0, 0};

void fillRing(QPainter &painter, const QRect &outer, int width, const QColor &colour)
{
    const QRegion inside(outer.adjusted(width, width, -width, -width));
    for (const QRect &strip : QRegion(outer).subtracted(inside))
        painter.fillRect(strip, colour);
}

}

FocusFrame::FocusFrame(QWidget *table)
    : QWidget(table)
    , band(DesignedBand)
    , line(DesignedLine)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusFrame::setScale(qreal scale)
{
    band = std::max(1, qRound(DesignedBand * scale));
    line = std::max(1, qRound(DesignedLine * scale));
    follow();
}

void FocusFrame::showOn(QWidget *picture)
{
    const bool moved = target != picture || !shown;
    if (target != picture) {
        if (target)
            target->removeEventFilter(this);
        target = picture;
        target->installEventFilter(this);
    }
    shown = true;
    follow();
    if (!moved)
        return;
    QAccessibleEvent focus(target, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

QWidget *FocusFrame::placeIn(const QList<QWidget *> &row) const
{
    if (row.isEmpty())
        return nullptr;
    const qsizetype framed = row.indexOf(target.data());
    return row[framed >= 0 ? framed : std::clamp<qsizetype>(index, 0, row.size() - 1)];
}

bool FocusFrame::isOn(const QList<QWidget *> &row) const
{
    return shown && target && target->isVisible() && row.contains(target.data());
}

void FocusFrame::step(const QList<QWidget *> &row, int direction)
{
    QWidget *here = placeIn(row);
    if (!here)
        return;
    const qsizetype size = row.size();
    const qsizetype moved
        = isOn(row) ? (row.indexOf(here) + direction + size) % size : row.indexOf(here);
    index = int(moved);
    showOn(row[moved]);
}

void FocusFrame::settle(const QList<QWidget *> &row)
{
    if (!shown)
        return;
    if (QWidget *here = placeIn(row)) {
        index = int(row.indexOf(here));
        showOn(here);
    } else {
        conceal();
    }
}

void FocusFrame::restart()
{
    index = 0;
    if (target)
        target->removeEventFilter(this);
    target = nullptr;
}

void FocusFrame::conceal()
{
    shown = false;
    hide();
}

void FocusFrame::follow()
{
    if (!shown || !target || !target->isVisible()) {
        hide();
        return;
    }
    const QRect place(target->mapTo(parentWidget(), QPoint(0, 0)), target->size());
    const int reach = band + 2 * line;
    setGeometry(place.adjusted(-reach, -reach, reach, reach));
    raise();
    show();
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Only the rings are painted: the picture shows through the middle.
void FocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect outer = rect();
    fillRing(painter, outer, line, LineColour);
    fillRing(painter, outer.adjusted(line, line, -line, -line), band, BandColour);
    fillRing(painter, outer.adjusted(line + band, line + band, -line - band, -line - band), line,
             LineColour);
}
