#pragma once

#include <QObject>
#include <functional>
#include <set>

class QWindow;

// Watches a program start from the inside: calls back when a window is first exposed on
// screen, that is right after the window system mapped it, and prints what the process has
// used up to then. Both the program and the bare Qt window run it the same way, so their
// figures compare.
class StartupProbe : public QObject
{
public:
    explicit StartupProbe(std::function<void(QWindow *)> exposed);

    // One line of "key=value" figures: the wall clock at this moment (microseconds since the
    // epoch, to compare with the clock the process was started at), the CPU time the process
    // has used (user and system, milliseconds) and its peak resident memory (kilobytes).
    static void printUsage(const char *prefix);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(QWindow *)> exposed;
    std::set<const QWindow *> seen;
};

// Quits the application after the event loop has been idle long enough to show that nothing
// more runs once the window is up; prints the usage again first.
void quitWhenSettled();
