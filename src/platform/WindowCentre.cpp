#include "WindowCentre.h"

#include "Application.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

const QScreen *screenOfMainWindow()
{
    const QWidget *owner = mainWindow();
    return owner ? owner->screen() : QGuiApplication::primaryScreen();
}

void centreWithin(QWidget *window, QPoint centre, QRect area)
{
    QRect frame = window->frameGeometry();
    frame.moveCenter(centre);
    const int left = std::clamp(frame.left(), area.left(),
                                std::max(area.left(), area.right() + 1 - frame.width()));
    const int top = std::clamp(frame.top(), area.top(),
                               std::max(area.top(), area.bottom() + 1 - frame.height()));
    window->move(left, top);
}

}

void centreOnMainWindow(QWidget *window)
{
    const QScreen *screen = screenOfMainWindow();
    if (!screen)
        return;
    const QWidget *owner = mainWindow();
    const QRect area = screen->availableGeometry();
    centreWithin(window, owner ? owner->frameGeometry().center() : area.center(), area);
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = screenOfMainWindow())
        centreWithin(window, screen->availableGeometry().center(), screen->availableGeometry());
}
