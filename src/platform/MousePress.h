#pragma once

#include <QEvent>

// Qt delivers a press that follows the last one within the double-click time as a double-click
// event instead; the tables count every press, however quick.
inline bool isPress(const QEvent *event)
{
    return event->type() == QEvent::MouseButtonPress
        || event->type() == QEvent::MouseButtonDblClick;
}
