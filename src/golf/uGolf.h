#pragma once

#include "GameWindow.h"

// The Golf game window.
class TfrmGolf : public GameWindow
{
    Q_OBJECT
public:
    explicit TfrmGolf(QWidget *parent = nullptr);
};
