#include "WindowPlacement.h"

#include "GameClock.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWidget>

WindowPlacement::WindowPlacement(QWidget &window, QWidget &table, WindowGeometry &kept)
    : QObject(&window)
    , window(window)
    , table(table)
    , kept(kept)
    , settle(new QTimer(this))
{
    settle->setSingleShot(true);
    settle->setInterval(atLeastOneTick(std::chrono::milliseconds(1)));
    connect(settle, &QTimer::timeout, this, &WindowPlacement::note);
    window.installEventFilter(this);
}

void WindowPlacement::place(const Rules &rules, bool moved)
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->geometry();
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect onScreen = keepOnScreens(QRect(kept.left, kept.top, kept.width, kept.height),
                                         screens, primary->geometry(), rules.returnOffset);
    // The layout gives the menu bar its height before the window first shows.
    if (window.layout())
        window.layout()->activate();
    QSize size = onScreen.size() - GameWindowChrome + (window.size() - table.size());
    if (rules.fitScreen) {
        const QScreen *home = QGuiApplication::screenAt(onScreen.topLeft());
        size = size.boundedTo((home ? home : primary)->availableGeometry().size());
    }
    window.resize(size);
    if (moved)
        window.move(onScreen.topLeft());
    window.setWindowState(kept.maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

QSize WindowPlacement::outerSize() const
{
    return table.size() + GameWindowChrome;
}

void WindowPlacement::note()
{
    settle->stop();
    if (window.isMinimized()) {
        if (whenMinimized)
            whenMinimized();
        return;
    }
    kept.maximized = window.isMaximized();
    if (kept.maximized)
        return;
    const QSize outer = outerSize();
    kept.width = outer.width();
    kept.height = outer.height();
    kept.left = window.x();
    kept.top = window.y();
}

void WindowPlacement::notePending()
{
    if (settle->isActive())
        note();
}

// Minimizing does not resize the window; moving it does not either, but its place is kept too.
bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == &window
        && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowStateChange))
        settle->start();
    return QObject::eventFilter(watched, event);
}
