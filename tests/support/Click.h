#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

// Presses and releases a mouse button on a widget, at its centre unless a point is given.
void clickWidget(QWidget *widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = {-1, -1});
