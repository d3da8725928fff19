#include "LauncherWindow.h"

#include "Application.h"
#include "DataDir.h"
#include "GolfWindow.h"
#include "LauncherKeys.h"
#include "Picture.h"
#include "PokerWindow.h"
#include "QuestionDialog.h"
#include "TwelveWindow.h"
#include "WindowCentre.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace {

const QString LauncherTitle = QStringLiteral("Kovra - Card Games 1");
constexpr int TileTop = 8;
constexpr QSize TileSize{180, 300};
constexpr int PanelTop = 320;
constexpr int PanelHeight = 57;
constexpr int TwelveLeft = 8;
constexpr int GolfLeft = 200;
constexpr int PokerLeft = 392;
constexpr int TwelveMinimumScreenWidth = 800;
constexpr QColor PanelFace{240, 240, 240};

// A left-button release with the pointer still over the watched panel.
bool releasedOver(QObject *watched, QEvent *release)
{
    const auto *mouse = static_cast<QMouseEvent *>(release);
    const auto *panel = qobject_cast<QWidget *>(watched);
    return mouse->button() == Qt::LeftButton && panel
        && panel->rect().contains(mouse->position().toPoint());
}

}

struct LauncherWindow::Launch
{
    OpenGame game;
    QString title;
    QString iconFile;
    std::function<GameWindow *(QWidget *)> create;
};

LauncherWindow::LauncherWindow(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowCloseButtonHint)
    , twelveTile(new Picture(this))
    , golfTile(new Picture(this))
    , pokerTile(new Picture(this))
    , twelveCaption(makeCaptionPanel(QStringLiteral("Twelve"), TwelveLeft))
    , golfCaption(makeCaptionPanel(QStringLiteral("Golf"), GolfLeft))
    , pokerCaption(makeCaptionPanel(QStringLiteral("Poker"), PokerLeft))
    , releaseTimer(new QTimer(this))
    , primaryScreenWidth([] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry().width() : 0;
    })
{
    initDataDir(QCoreApplication::applicationFilePath());
    setWindowTitle(LauncherTitle);
    setFixedSize(581, 388);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    centreOnScreen(this);

    const struct
    {
        Picture *tile;
        int left;
        const char *picture;
        QString name;
    } tiles[] = {{twelveTile, TwelveLeft, ":/tiles/Twelve.jpg", twelveCaption->text()},
                 {golfTile, GolfLeft, ":/tiles/Golf.jpg", golfCaption->text()},
                 {pokerTile, PokerLeft, ":/tiles/Poker.jpg", pokerCaption->text()}};
    for (const auto &tile : tiles) {
        tile.tile->setGeometry(QRect(QPoint(tile.left, TileTop), TileSize));
        tile.tile->setPixmap(QPixmap(QString::fromLatin1(tile.picture)));
        tile.tile->setCursor(Qt::PointingHandCursor);
        tile.tile->setAccessibleName(tile.name);
        tile.tile->setAccessibleDescription(QStringLiteral("Opens the game"));
    }
    connect(twelveTile, &Picture::clicked, this, &LauncherWindow::openTwelve);
    connect(golfTile, &Picture::clicked, this, &LauncherWindow::openGolf);
    connect(pokerTile, &Picture::clicked, this, &LauncherWindow::openPoker);

    releaseTimer->setInterval(1);
    connect(releaseTimer, &QTimer::timeout, this, &LauncherWindow::releaseClosedGame);
    keys = std::make_unique<LauncherKeys>(*this);
}

LauncherWindow::~LauncherWindow() = default;

QLabel *LauncherWindow::makeCaptionPanel(const QString &caption, int left)
{
    auto *panel = new QLabel(caption, this);
    panel->setGeometry(left, PanelTop, TileSize.width(), PanelHeight);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    QPalette face = panel->palette();
    face.setColor(QPalette::Window, PanelFace);
    face.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(face);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(32);
    font.setBold(true);
    panel->setFont(font);
    panel->setCursor(Qt::PointingHandCursor);
    panel->installEventFilter(this);
    return panel;
}

// A panel launches when the left button is released over it. The release goes to the panel
// that had the press wherever the pointer is; one dragged off the panel cancels, as on a tile.
bool LauncherWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && releasedOver(watched, event)) {
        if (watched == twelveCaption)
            openTwelve();
        else if (watched == golfCaption)
            openGolf();
        else if (watched == pokerCaption)
            openPoker();
    }
    return QWidget::eventFilter(watched, event);
}

void LauncherWindow::openTwelve()
{
    if (primaryScreenWidth() < TwelveMinimumScreenWidth) {
        ShowOkMessage(
            QStringLiteral("This part of the program works only with minimum resolution 800x600"));
        return;
    }
    launch({OpenGame::Twelve, QStringLiteral("Twelve"), QStringLiteral("Twelve.ico"),
            [](QWidget *owner) { return new TwelveWindow(owner); }});
}

void LauncherWindow::openGolf()
{
    launch({OpenGame::Golf, QStringLiteral("Kovra - Golf"), QStringLiteral("Golf.ico"),
            [](QWidget *owner) { return new GolfWindow(owner); }});
}

void LauncherWindow::openPoker()
{
    launch({OpenGame::Poker, QStringLiteral("Kovra - Poker"), QStringLiteral("Poker.ico"),
            [](QWidget *owner) { return new PokerWindow(owner); }});
}

// The game window shows the launcher again itself when it closes.
void LauncherWindow::launch(const Launch &launch)
{
    if (game)
        return;
    game = launch.create(this);
    open = launch.game;
    hide();
    setApplicationTitle(launch.title);
    loadApplicationIcon(DataFile(launch.iconFile));
    game->exec();
    setApplicationTitle(LauncherTitle);
    loadApplicationIcon(DataFile(QStringLiteral("KVR1.ico")));
    releaseTimer->start();
}

// Released from the main event loop, never inside one of the game window's own handlers.
void LauncherWindow::releaseClosedGame()
{
    releaseTimer->stop();
    if (game)
        game->deleteLater();
    open = OpenGame::None;
}
