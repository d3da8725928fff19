#include "Click.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace {

QPoint pointOn(const QWidget *widget, QPoint at)
{
    return at == QPoint(-1, -1) ? widget->rect().center() : at;
}

// Where a point of the widget lies in its window, which is where the window system reports it.
QPoint inWindow(const QWidget *widget, QPoint at)
{
    return widget->mapTo(widget->window(), pointOn(widget, at));
}

}

void clickWidget(QWidget *widget, Qt::MouseButton button, QPoint at)
{
    QTest::mouseClick(widget, button, Qt::NoModifier, pointOn(widget, at));
}

void doubleClickWidget(QWidget *widget, Qt::MouseButton button, QPoint at)
{
    QTest::mouseDClick(widget->window()->windowHandle(), button, Qt::NoModifier,
                       inWindow(widget, at));
}

void pressAndReleaseAt(QWidget *widget, QPoint releaseInWindow)
{
    QWindow *window = widget->window()->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inWindow(widget, {-1, -1}));
    QTest::mouseMove(window, releaseInWindow);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, releaseInWindow);
}
