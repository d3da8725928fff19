#pragma once

#include "GolfLayout.h"
#include "GolfSettings.h"
#include "TableScale.h"
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

// The scale the table is shown at: the largest at which the designed table (621 x 403), or the
// table of the smallest window where the layout needs more, fits; never below 1. The columns
// keep to the top left and the stock to the bottom left of what the table holds at that scale.
TableScale golfTableScale(QSize table, GolfLayout layout);

// Where a stored window that lies wholly off every screen (a monitor since unplugged, say)
// comes back, from the primary screen's corner: where a new window goes.
inline constexpr QPoint GolfReturnOffset{GolfDefaultGeometry.left, GolfDefaultGeometry.top};
