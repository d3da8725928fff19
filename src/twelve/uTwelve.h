#pragma once

#include "GameWindow.h"

// The Twelve game window.
class TfrmTwelve : public GameWindow
{
    Q_OBJECT
public:
    explicit TfrmTwelve(QWidget *parent = nullptr);
};
