#pragma once

#include <QPoint>

class QWidget;

// Moves a window so that its outer frame, title bar included, is centred on a point.
void centreFrameOn(QWidget *window, QPoint centre);
