#pragma once

#include <QList>

class FocusFrame;
class KeyDispatch;
class QWidget;
class LauncherWindow;

// The launcher from the keyboard: Left, Right and Tab walk the three tiles, Return or Space
// opens the framed game, 1, 2 and 3 open Twelve, Golf and Poker at once.
class LauncherKeys
{
public:
    explicit LauncherKeys(LauncherWindow &launcher);

    FocusFrame *frame() const { return mark; }

private:
    QList<QWidget *> tiles() const;
    bool move(int direction);
    bool open(int game);

    LauncherWindow &launcher;
    FocusFrame *mark;
    KeyDispatch *keys;
};
