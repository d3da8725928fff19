#pragma once

#include "TableKeys.h"

#include <QList>

class LauncherWindow;

// The launcher from the keyboard: Left, Right and Tab walk the three tiles, Return or Space
// opens the framed game, 1, 2 and 3 open Twelve, Golf and Poker at once.
class LauncherKeys : public TableKeys
{
public:
    explicit LauncherKeys(LauncherWindow &launcher);

private:
    QList<QWidget *> tiles() const;
    QList<QWidget *> rowForStep() override { return tiles(); }
    bool open(int game);

    LauncherWindow &launcher;
};
