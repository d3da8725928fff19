#pragma once

#include "WindowGeometry.h"

#include <QObject>
#include <functional>

class QTimer;
class QWidget;

// A game window's size, place and state as its settings file keeps them: the outer size of its
// table (as GameWindowChrome counts the frame) and its place in the normal state, and whether
// it is maximized. A change is noted shortly after it happens, once the events of a resize
// have settled, or at once with note().
class WindowPlacement : public QObject
{
    Q_OBJECT
public:
    WindowPlacement(QWidget &window, QWidget &table, WindowGeometry &kept);

    struct Rules
    {
        // Where a window kept on a screen since unplugged comes back, from the primary
        // screen's corner.
        QPoint returnOffset;
        // A kept size larger than the screen it comes back on is brought down to that screen.
        bool fitScreen = false;
    };
    // Sizes and maximizes the window as kept and, if moved is set, puts it in its kept place.
    void place(const Rules &rules, bool moved = true);

    // Notes the window's state and, in the normal state, its size and place.
    void note();
    // Notes a change that is still waiting to be noted, before the settings are saved.
    void notePending();
    // The outer size the settings file would keep for the window as it is now.
    QSize outerSize() const;

    // Called instead of noting anything while the window is minimized.
    std::function<void()> whenMinimized;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window;
    QWidget &table;
    WindowGeometry &kept;
    QTimer *settle;
};
