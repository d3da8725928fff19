#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

// Presses and releases a mouse button on a widget, at its centre unless a point is given.
void clickWidget(QWidget *widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = {-1, -1});

// Two quick presses as the window system delivers them: press, release, then a second press
// within the double-click time, which Qt turns into a double-click event, and its release.
// They go to the widget's window at the widget's point, so the topmost control there gets
// them. The window must be showing.
void doubleClickWidget(QWidget *widget, Qt::MouseButton button = Qt::LeftButton,
                       QPoint at = {-1, -1});

// A left press on a widget whose release comes after the pointer was dragged to another point
// of its window, as the window system delivers them.
void pressAndReleaseAt(QWidget *widget, QPoint releaseInWindow);
