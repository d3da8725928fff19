#pragma once

#include "GameWindow.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class LauncherKeys;
class Picture;
class QLabel;
class QTimer;

// Which game window is open or waiting to be released.
enum class OpenGame { None = 0, Twelve = 10, Golf = 20, Poker = 30 };

// The launcher: three picture tiles with their captions. A click on a tile or caption opens that
// game's window modally while the launcher hides; the closed window is released afterwards.
class LauncherWindow : public QWidget
{
    Q_OBJECT
public:
    explicit LauncherWindow(QWidget *parent = nullptr);
    ~LauncherWindow() override;

    Picture *twelveTile; // Twelve tile
    Picture *golfTile; // Golf tile
    Picture *pokerTile; // Poker tile
    QLabel *twelveCaption;
    QLabel *golfCaption;
    QLabel *pokerCaption;
    QTimer *releaseTimer;

    void openTwelve();
    void openGolf();
    void openPoker();
    void releaseClosedGame();

    LauncherKeys *keyboard() const { return keys.get(); }
    OpenGame openGame() const { return open; }
    GameWindow *gameWindow() const { return game; }

    // Where the launcher reads the primary screen's width; tests replace it.
    std::function<int()> primaryScreenWidth;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Launch;
    QLabel *makeCaptionPanel(const QString &caption, int left);
    void launch(const Launch &launch);

    OpenGame open = OpenGame::None;
    QPointer<GameWindow> game;
    std::unique_ptr<LauncherKeys> keys;
};
