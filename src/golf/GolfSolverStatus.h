#pragma once

#include "GolfAdvice.h"

#include <QString>

// The status line's words for what the solver found.
QString solverStatusText(const GolfAdvice &advice);
