#pragma once

#include <QList>

class FocusFrame;
class KeyDispatch;
class QWidget;
class TfrmFo;

// The launcher from the keyboard: Left, Right and Tab walk the three tiles, Return or Space
// opens the framed game, 1, 2 and 3 open Twelve, Golf and Poker at once.
class LauncherKeys
{
public:
    explicit LauncherKeys(TfrmFo &launcher);

    FocusFrame *frame() const { return mark; }

private:
    QList<QWidget *> tiles() const;
    bool move(int direction);
    bool open(int game);

    TfrmFo &launcher;
    FocusFrame *mark;
    KeyDispatch *keys;
};
