#pragma once

#include "GolfLayout.h"
#include "GolfSettings.h"
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

// Where a stored window that lies wholly off every screen (a monitor since unplugged, say)
// comes back, from the primary screen's corner: where a new window goes.
inline constexpr QPoint GolfReturnOffset{GolfDefaultGeometry.left, GolfDefaultGeometry.top};
