#pragma once

#include <Qt>

class QWidget;

// Presses and releases a key as the keyboard delivers it: through the window system to the
// focused control of the widget's window, which must be showing.
void pressKey(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
