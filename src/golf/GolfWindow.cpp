#include "uGolf.h"

#include "Application.h"
#include "DataDir.h"
#include "FileError.h"
#include "CardName.h"
#include "GameClock.h"
#include "GolfHintMarker.h"
#include "GolfSolver.h"
#include "GolfKeys.h"
#include "GolfTable.h"
#include "GolfWindowPlacement.h"
#include "MousePress.h"
#include "Picture.h"
#include "Random.h"
#include "Sound.h"
#include "uGolfBeall.h"
#include "uGolfPontok.h"
#include "uHelp1.h"
#include "uKartyak.h"
#include "uNevjegy.h"
#include "uValasz.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString GolfTitle = QStringLiteral("Kovra - Golf");
constexpr QColor TableGreen{0, 128, 0};
constexpr int LabelPixelHeight = 20;
// A 629 x 459 window had a 621 x 403 client area.
constexpr QSize WindowChrome = GameWindowChrome;
// Solve plays one move every this many ticks, slowly enough to follow.
constexpr int SolveTicksPerMove = 15;

QLabel *yellowLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(LabelPixelHeight);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::yellow);
    label->setPalette(palette);
    return label;
}

}

TfrmGolf::TfrmGolf(QWidget *parent)
    : GameWindow(parent)
    , MainMenu1(new QMenuBar(this))
    , table(new QWidget(this))
    , imgHatlap(new Picture(table))
    , lblMaradt(yellowLabel(table))
    , lblEredm(yellowLabel(table))
    , tmrMeretez(new QTimer(this))
    , sbStatusz(new QStatusBar(this))
    , lblSolver(new QLabel(sbStatusz))
    , hintMarker(new GolfHintMarker(table))
    , tmrSolve(new QTimer(this))
    , dealRandom(programRandom())
    , golf(dealRandom, *this, resultsGate)
{
    setWindowTitle(GolfTitle);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    loadWindowIcon(this, DataFile(QStringLiteral("Golf.ico")));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(table, 1);
    layout->addWidget(sbStatusz);
    sbStatusz->setSizeGripEnabled(false);
    sbStatusz->addWidget(lblSolver, 1);
    createMenu();

    QPalette green = palette();
    green.setColor(QPalette::Window, TableGreen);
    table->setPalette(green);
    table->setAutoFillBackground(true);
    table->installEventFilter(this);

    createCards();
    imgHatlap->resize(GolfTable::CardSize);
    connect(imgHatlap, &Picture::pressed, this, &TfrmGolf::turnStock);
    lblEredm->setFixedWidth(GolfTable::ResultWidth);
    lblEredm->setAlignment(Qt::AlignCenter);
    lblEredm->hide();

    keys = std::make_unique<GolfKeys>(*this);

    tmrMeretez->setSingleShot(true);
    tmrMeretez->setInterval(atLeastOneTick(std::chrono::milliseconds(1)));
    connect(tmrMeretez, &QTimer::timeout, this, &TfrmGolf::tmrMeretezTimer);

    tmrSolve->setInterval(GameClockTick * SolveTicksPerMove);
    tmrSolve->setTimerType(Qt::PreciseTimer);
    connect(tmrSolve, &QTimer::timeout, this, &TfrmGolf::tmrSolveTimer);
    connect(&advisor, &GolfAdvisor::advised, this, &TfrmGolf::adviceArrived);
}

TfrmGolf::~TfrmGolf() = default;

void TfrmGolf::createMenu()
{
    QMenu *gameMenu = MainMenu1->addMenu(QStringLiteral("Game"));
    NewGame1 = gameMenu->addAction(QStringLiteral("New"), QKeySequence(Qt::Key_F2), this,
                                   &TfrmGolf::NewGame1Click);
    Backup1 = gameMenu->addAction(QStringLiteral("Backup"), QKeySequence(Qt::Key_Backspace), this,
                                  &TfrmGolf::Backup1Click);
    Results1 = gameMenu->addAction(QStringLiteral("Results"), this, &TfrmGolf::Results1Click);
    gameMenu->addSeparator();
    Hint1 = gameMenu->addAction(QStringLiteral("Hint"), QKeySequence(Qt::Key_H), this,
                                &TfrmGolf::Hint1Click);
    Solve1 = gameMenu->addAction(QStringLiteral("Solve"), this, &TfrmGolf::Solve1Click);

    QMenu *optionsMenu = MainMenu1->addMenu(QStringLiteral("Options"));
    Deck1 = optionsMenu->addAction(QStringLiteral("Deck"), this, &TfrmGolf::Deck1Click);
    Sound1 = optionsMenu->addAction(QStringLiteral("Sound"));
    Sound1->setCheckable(true);
    Sound1->setChecked(true);
    WinnableOnly1 = optionsMenu->addAction(QStringLiteral("Winnable deals only"));
    WinnableOnly1->setCheckable(true);
    Hints1 = optionsMenu->addAction(QStringLiteral("Hints"), this, &TfrmGolf::Hints1Click);
    Hints1->setCheckable(true);
    Hints1->setChecked(true);
    Settings1 = optionsMenu->addAction(QStringLiteral("Settings"), this, &TfrmGolf::Settings1Click);

    QMenu *helpMenu = MainMenu1->addMenu(QStringLiteral("Help"));
    Help1 = helpMenu->addAction(QStringLiteral("Help"), QKeySequence(Qt::Key_F1), this,
                                &TfrmGolf::Help1Click);
    Keys1 = helpMenu->addAction(QStringLiteral("Keys"), this,
                                [] { ShowOkMessage(GolfKeys::summary()); });
    About1 = helpMenu->addAction(QStringLiteral("About"), this, &TfrmGolf::About1Click);
}

void TfrmGolf::createCards()
{
    for (int id = 0; id < GolfLayout::DeckSize; ++id) {
        auto *card = new Picture(table);
        card->hide();
        card->resize(GolfTable::CardSize);
        card->setTag(id);
        card->setPixmapSource(frmKartyak->ilKartyak.source(id));
        card->setAccessibleName(cardName(id));
        connect(card, &Picture::pressed, this,
                [this, card](Qt::MouseButton button) { img0MouseDown(card, button); });
        imgKartyak[id] = card;
    }
}

QSize TfrmGolf::outerSize() const
{
    return table->size() + WindowChrome;
}

void TfrmGolf::setVisible(bool visible)
{
    const bool opening = visible && !isVisible();
    if (opening)
        readSettings();
    GameWindow::setVisible(visible);
    if (!opening)
        return;
    // The minimum follows the monitor the window is on.
    connect(windowHandle(), &QWindow::screenChanged, this, &TfrmGolf::updateMinimumSize,
            Qt::UniqueConnection);
    // Dealt once the window shows, so the deal is seen while the first turn sounds.
    dealNewGame();
    tmrMeretez->start();
}

void TfrmGolf::readSettings()
{
    frmValasz->setWindowTitle(GolfTitle);
    frmKartyak->setWindowTitle(GolfTitle + QStringLiteral(" - Card Decks"));

    settings = readGolfSettings();
    Sound1->setChecked(settings.sound);
    WinnableOnly1->setChecked(settings.winnableOnly);
    Hints1->setChecked(settings.hints);
    showHintsOption();
    golf.setLayout(settings.layout);
    updateMinimumSize();
    placeWindow(settings.geometry);
    imgHatlap->setPixmap(frmKartyak->ilHatlap0[settings.backIndex]);
}

void TfrmGolf::placeWindow(const GolfWindowGeometry &geometry)
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->geometry();
    const QRect placed
        = keepOnScreens(QRect(geometry.left, geometry.top, geometry.width, geometry.height),
                        screens, QGuiApplication::primaryScreen()->geometry());
    // The layout gives the menu bar its height before the window first shows.
    layout()->activate();
    resize(placed.size() - WindowChrome + (size() - table->size()));
    move(placed.topLeft());
    setWindowState(geometry.maximized ? Qt::WindowMaximized : Qt::WindowNoState);
}

// A window smaller than its layout needs grows back to it, but never past its monitor.
void TfrmGolf::updateMinimumSize()
{
    const QSize monitor = screen()->geometry().size();
    table->setMinimumSize(snapToLayout({}, golf.layout(), monitor) - WindowChrome);
    layout()->activate();
}

bool TfrmGolf::eventFilter(QObject *watched, QEvent *event)
{
    // While Solve plays, any click or key only stops it.
    if (solving()) {
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (isPress(event) || event->type() == QEvent::KeyPress) {
            stopSolving();
            return true;
        }
    }
    if (watched == table) {
        if (event->type() == QEvent::Resize) {
            tableResized();
        } else if (isPress(event)) {
            const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
            if (button == Qt::RightButton || button == Qt::MiddleButton)
                turnStock();
        }
    }
    return GameWindow::eventFilter(watched, event);
}

void TfrmGolf::tableResized()
{
    const QPoint stock = GolfTable::stock(table->height());
    imgHatlap->move(stock);
    lblMaradt->move(lblMaradt->x(), GolfTable::counterTop(stock));
    for (int position = 1; position <= golf.FoundationCount(); ++position)
        imgKartyak[golf.Foundation(position)]->move(GolfTable::foundationCard(position, stock));
    if (lblEredm->isVisible())
        lblEredm->move(GolfTable::resultLine(table->size(), lblEredm->width()));
    tmrMeretez->start();
}

// Minimizing does not resize the window; moving it does not either, but its place is kept too.
void TfrmGolf::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange)
        tmrMeretez->start();
    GameWindow::changeEvent(event);
}

void TfrmGolf::moveEvent(QMoveEvent *event)
{
    tmrMeretez->start();
    GameWindow::moveEvent(event);
}

void TfrmGolf::tmrMeretezTimer()
{
    tmrMeretez->stop();
    GolfWindowGeometry &geometry = settings.geometry;
    if (isMinimized()) {
        // The launcher is hidden and every other window is modal above this one, so
        // minimizing it minimizes the application; restoring it brings back the state it had.
        setWindowState(Qt::WindowMinimized
                       | (geometry.maximized ? Qt::WindowMaximized : Qt::WindowNoState));
        return;
    }
    geometry.maximized = isMaximized();
    if (geometry.maximized)
        return;
    const QSize size = outerSize();
    geometry.width = size.width();
    geometry.height = size.height();
    geometry.left = x();
    geometry.top = y();
}

bool TfrmGolf::mayClose()
{
    return golf.GameOver() || AskYesNo(QStringLiteral("Are you sure to quit?")) == 'Y';
}

void TfrmGolf::saveSettings()
{
    if (tmrMeretez->isActive())
        tmrMeretezTimer();
    settings.sound = Sound1->isChecked();
    settings.winnableOnly = WinnableOnly1->isChecked();
    settings.hints = Hints1->isChecked();
    settings.layout = golf.layout();
    try {
        writeGolfSettings(settings);
    } catch (const FileError &error) {
        ShowOkMessage(error.message());
    }
}

void TfrmGolf::reportFileErrors(const std::function<void()> &move)
{
    try {
        move();
    } catch (const FileError &error) {
        ShowOkMessage(error.message());
    }
    positionChanged();
}

void TfrmGolf::img0MouseDown(const Picture *card, Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        reportFileErrors([&] { golf.PlayCard(card->tag()); });
    else if (button == Qt::RightButton || button == Qt::MiddleButton)
        turnStock();
}

void TfrmGolf::turnStock()
{
    reportFileErrors([this] { golf.TurnStock(); });
}

void TfrmGolf::NewGame1Click()
{
    if (golf.GameOver()
        || AskYesNo(QStringLiteral("Are you sure to quit this game and start a new one?")) == 'Y')
        dealNewGame();
}

void TfrmGolf::Backup1Click()
{
    reportFileErrors([this] { golf.Backup(); });
}

void TfrmGolf::Results1Click()
{
    frmGolfPontok->showResults(golf.layout());
}

void TfrmGolf::Deck1Click()
{
    frmKartyak->ChosenBack = settings.backIndex;
    if (frmKartyak->exec() != QDialog::Accepted)
        return;
    settings.backIndex = frmKartyak->ChosenBack;
    imgHatlap->setPixmap(frmKartyak->ilHatlap0[settings.backIndex]);
}

void TfrmGolf::Settings1Click()
{
    GolfLayout layout = golf.layout();
    if (!frmGolfBeall->chooseLayout(layout, golf.GameOver()))
        return;
    golf.setLayout(layout);
    updateMinimumSize();
    dealNewGame();
}

void TfrmGolf::Help1Click()
{
    ShowHelpFile(QStringLiteral("Golf.rtf"), true);
}

void TfrmGolf::About1Click()
{
    frmNevjegy->exec();
}

void TfrmGolf::hideAllCards()
{
    for (Picture *card : imgKartyak)
        card->hide();
}

void TfrmGolf::hideCard(int id)
{
    imgKartyak[id]->hide();
}

void TfrmGolf::PlaceInColumn(int column, int row, int id)
{
    Picture *card = imgKartyak[id];
    card->move(GolfTable::columnCard(column, row));
    card->setAccessibleDescription(QStringLiteral("in column %1").arg(column + 1));
    card->raise();
    card->show();
}

void TfrmGolf::PlaceOnFoundation(int id, int foundationCount)
{
    Picture *card = imgKartyak[id];
    card->move(GolfTable::foundationCard(foundationCount, imgHatlap->pos()));
    card->setAccessibleDescription(QStringLiteral("on the foundation"));
    card->raise();
    card->show();
}

void TfrmGolf::showStock(bool shown)
{
    imgHatlap->setVisible(shown);
    lblMaradt->setVisible(shown);
}

void TfrmGolf::setStockCount(int count)
{
    lblMaradt->setText(QString::number(count));
    imgHatlap->setAccessibleName(count == 1 ? QStringLiteral("Stock: 1 card")
                                            : QStringLiteral("Stock: %1 cards").arg(count));
    lblMaradt->adjustSize();
    lblMaradt->move(GolfTable::CounterRight - lblMaradt->width(),
                    GolfTable::counterTop(imgHatlap->pos()));
}

void TfrmGolf::ShowResult(int cardsLeft)
{
    lblEredm->setText(QStringLiteral("Game Over - %1 cards left").arg(cardsLeft));
    lblEredm->adjustSize();
    lblEredm->move(GolfTable::resultLine(table->size(), lblEredm->width()));
    lblEredm->show();
}

void TfrmGolf::hideResult()
{
    lblEredm->hide();
}

void TfrmGolf::playSound(Sound sound)
{
    if (!Sound1->isChecked())
        return;
    const QString file
        = sound == Sound::CardPlayed ? QStringLiteral("Licit.wav") : QStringLiteral("Pakli.wav");
    ::Sound::play(DataFile(file), ::Sound::Wait);
}
