// The Twelve window's size, place and state, kept in "Twelve.ini" between launches.
#include "TwelveWindow.h"

#include "TwelveTable.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>

namespace {

// Where a window kept on a screen since unplugged comes back, from the primary screen's corner.
constexpr QPoint ReturnOffset{20, 20};

}

// A kept size larger than the screen it comes back on is brought down to the screen; the
// table's own minimum keeps it from becoming smaller than designed.
void TwelveWindow::placeWindow(const WindowGeometry &kept, bool placed)
{
    geometry = kept;
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->geometry();
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect onScreen = keepOnScreens(QRect(kept.left, kept.top, kept.width, kept.height),
                                         screens, primary->geometry(), ReturnOffset);
    const QScreen *home = QGuiApplication::screenAt(onScreen.topLeft());
    const QSize available = (home ? home : primary)->availableGeometry().size();
    // The layout gives the menu bar its height before the window first shows.
    layout()->activate();
    const QSize frame = size() - table->size();
    resize((onScreen.size() - GameWindowChrome + frame).boundedTo(available));
    if (placed)
        move(onScreen.topLeft());
    setWindowState(kept.maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

void TwelveWindow::noteGeometry()
{
    geometryTimer->stop();
    if (isMinimized())
        return;
    geometry.maximized = isMaximized();
    if (geometry.maximized)
        return;
    const QSize outer = table->size() + GameWindowChrome;
    geometry.width = outer.width();
    geometry.height = outer.height();
    geometry.left = x();
    geometry.top = y();
}

void TwelveWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        geometryTimer->start();
    GameWindow::changeEvent(event);
}

void TwelveWindow::moveEvent(QMoveEvent *event)
{
    geometryTimer->start();
    GameWindow::moveEvent(event);
}

void TwelveWindow::resizeEvent(QResizeEvent *event)
{
    geometryTimer->start();
    GameWindow::resizeEvent(event);
}
