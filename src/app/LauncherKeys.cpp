#include "LauncherKeys.h"

#include "FocusFrame.h"
#include "KeyDispatch.h"
#include "LauncherWindow.h"
#include "Picture.h"

LauncherKeys::LauncherKeys(LauncherWindow &launcher)
    : TableKeys(launcher, &launcher)
    , launcher(launcher)
{
    keys->on({Qt::Key_Backtab}, [this] { return step(-1); });
    keys->on({Qt::Key_Tab}, [this] { return step(+1); });
    keys->on({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space},
             [this] { return open(int(tiles().indexOf(mark->placeIn(tiles()))) + 1); });
    keys->onDigits(3, [this](int game) { return open(game); });
}

// In the order they stand: Twelve, Golf, Poker.
QList<QWidget *> LauncherKeys::tiles() const
{
    return {launcher.twelveTile, launcher.golfTile, launcher.pokerTile};
}

// Opens as the click on the tile does; the frame stays on the game that was opened.
bool LauncherKeys::open(int game)
{
    if (mark->isShown())
        mark->showOn(tiles()[game - 1]);
    switch (game) {
    case 1:
        launcher.openTwelve();
        break;
    case 2:
        launcher.openGolf();
        break;
    default:
        launcher.openPoker();
        break;
    }
    return true;
}
