#include "MainWindowCentre.h"

#include "Application.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

void centreOnMainWindow(QWidget *window)
{
    const QWidget *owner = mainWindow();
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QPoint centre = owner ? owner->geometry().center() : area.center();
    const QSize size = window->frameGeometry().size();
    const int left = std::clamp(centre.x() - size.width() / 2, area.left(),
        std::max(area.left(), area.right() + 1 - size.width()));
    const int top = std::clamp(centre.y() - size.height() / 2, area.top(),
        std::max(area.top(), area.bottom() + 1 - size.height()));
    window->move(left, top);
}
