#pragma once

#include "GameWindow.h"

// The Poker game window.
class TfrmPoker : public GameWindow
{
    Q_OBJECT
public:
    explicit TfrmPoker(QWidget *parent = nullptr);
};
