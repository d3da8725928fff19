#pragma once

#include "GolfLayout.h"
#include "WindowGeometry.h"

#include <QList>
#include <QRect>
#include <QSize>

// Size and place rules of the Golf window, apart from the window so they can be checked alone.

// The smallest window that shows every column and the longest possible column with the
// stock and foundation below it.
QSize minimumWindowSize(GolfLayout layout);

// A window resized below the minimum for its layout grows back to it, but never past the
// monitor (whose height keeps 20 pixels free for the task bar).
QSize snapToLayout(QSize size, GolfLayout layout, QSize monitor);

// A stored window that lies wholly off every screen (a monitor since unplugged, say) is
// moved onto the primary screen at the default offset; any other stays where it was.
QRect keepOnScreens(const QRect &window, const QList<QRect> &screens, const QRect &primary);
