#include "GolfWindow.h"

#include "AboutBox.h"
#include "Application.h"
#include "CardName.h"
#include "DataDir.h"
#include "DeckChooser.h"
#include "FileError.h"
#include "FocusFrame.h"
#include "GameClock.h"
#include "GolfKeys.h"
#include "GolfLayoutDialog.h"
#include "GolfResultsDialog.h"
#include "GolfSolver.h"
#include "GolfStatisticsPages.h"
#include "GolfTable.h"
#include "GolfWindowPlacement.h"
#include "HelpViewer.h"
#include "HintFrame.h"
#include "MousePress.h"
#include "Picture.h"
#include "QuestionDialog.h"
#include "Random.h"
#include "Sound.h"
#include "StatisticsWindow.h"
#include "WindowPlacement.h"

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
// The colour of the hint's frame on the green table.
constexpr QColor HintColour{255, 64, 255};
constexpr int LabelPixelHeight = 20;
// The stock counter's designed left; its text is right-aligned at GolfTable::CounterRight.
constexpr int CounterLeft = 16;
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

GolfWindow::GolfWindow(QWidget *parent)
    : GameWindow(parent)
    , mainMenu(new QMenuBar(this))
    , table(new QWidget(this))
    , stockPicture(new Picture(table))
    , stockCountLabel(yellowLabel(table))
    , resultLabel(yellowLabel(table))
    , statusLine(new QStatusBar(this))
    , solverLabel(new QLabel(statusLine))
    , hintFrame(new HintFrame(table, HintColour, HintFrame::WhenMoved::Follows))
    , solveTimer(new QTimer(this))
    , parts(table)
    , room(table->size())
    , labelHeight(QFontMetrics(stockCountLabel->font()).height())
    , dealRandom(programRandom())
    , golf(dealRandom, *this, statistics)
{
    statistics.file.tell = [](const QString &problem) { ShowOkMessage(problem); };
    setWindowTitle(GolfTitle);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    loadWindowIcon(this, DataFile(QStringLiteral("Golf.ico")));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->setSpacing(0);
    layout->setMenuBar(mainMenu);
    layout->addWidget(table, 1);
    layout->addWidget(statusLine);
    statusLine->setSizeGripEnabled(false);
    statusLine->addWidget(solverLabel, 1);
    createMenu();

    QPalette green = palette();
    green.setColor(QPalette::Window, TableGreen);
    table->setPalette(green);
    table->setAutoFillBackground(true);
    table->installEventFilter(this);

    createCards();
    parts.placeWhole(stockPicture, QRect(QPoint(), GolfTable::CardSize));
    connect(stockPicture, &Picture::pressed, this, &GolfWindow::turnStock);
    parts.place(stockCountLabel,
                QRect(CounterLeft, 0, GolfTable::CounterRight - CounterLeft, labelHeight));
    stockCountLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    resultLabel->setAlignment(Qt::AlignCenter);
    resultLabel->hide();
    for (QLabel *label : {stockCountLabel, resultLabel})
        parts.keepFont(label);

    keys = std::make_unique<GolfKeys>(*this);

    placement = new WindowPlacement(*this, *table, settings.geometry);
    // The launcher is hidden and every other window is modal above this one, so minimizing it
    // minimizes the application; restoring it brings back the state it had.
    placement->whenMinimized = [this] {
        setWindowState(Qt::WindowMinimized
                       | (settings.geometry.maximized ? Qt::WindowMaximized : Qt::WindowNoState));
    };

    solveTimer->setInterval(GameClockTick * SolveTicksPerMove);
    solveTimer->setTimerType(Qt::PreciseTimer);
    connect(solveTimer, &QTimer::timeout, this, &GolfWindow::playNextSolveMove);
    connect(&advisor, &GolfAdvisor::advised, this, &GolfWindow::adviceArrived);
    connect(&advisor, &GolfAdvisor::dealFound, this, &GolfWindow::dealArrived);
    connect(winnableOnlyAction, &QAction::toggled, this, [this](bool on) {
        if (!on)
            stopLookingForDeal();
    });
}

GolfWindow::~GolfWindow() = default;

void GolfWindow::createMenu()
{
    QMenu *gameMenu = mainMenu->addMenu(QStringLiteral("Game"));
    newGameAction = gameMenu->addAction(QStringLiteral("New"), QKeySequence(Qt::Key_F2), this,
                                        &GolfWindow::onNewGame);
    backupAction = gameMenu->addAction(QStringLiteral("Backup"), QKeySequence(Qt::Key_Backspace),
                                       this, &GolfWindow::onBackup);
    resultsAction = gameMenu->addAction(QStringLiteral("Results"), this, &GolfWindow::onResults);
    statisticsAction
        = gameMenu->addAction(QStringLiteral("Statistics"), QKeySequence(Qt::CTRL | Qt::Key_T),
                              this, &GolfWindow::onStatistics);
    gameMenu->addSeparator();
    hintAction = gameMenu->addAction(QStringLiteral("Hint"), QKeySequence(Qt::Key_H), this,
                                     &GolfWindow::onHint);
    solveAction = gameMenu->addAction(QStringLiteral("Solve"), this, &GolfWindow::onSolve);

    QMenu *optionsMenu = mainMenu->addMenu(QStringLiteral("Options"));
    deckAction = optionsMenu->addAction(QStringLiteral("Deck"), this, &GolfWindow::onDeck);
    soundAction = optionsMenu->addAction(QStringLiteral("Sound"));
    soundAction->setCheckable(true);
    soundAction->setChecked(true);
    winnableOnlyAction = optionsMenu->addAction(QStringLiteral("Winnable deals only"));
    winnableOnlyAction->setCheckable(true);
    showHintsAction
        = optionsMenu->addAction(QStringLiteral("Hints"), this, &GolfWindow::onShowHints);
    showHintsAction->setCheckable(true);
    showHintsAction->setChecked(true);
    settingsAction
        = optionsMenu->addAction(QStringLiteral("Settings"), this, &GolfWindow::onSettings);

    QMenu *helpMenu = mainMenu->addMenu(QStringLiteral("Help"));
    helpAction = helpMenu->addAction(QStringLiteral("Help"), QKeySequence(Qt::Key_F1), this,
                                     &GolfWindow::onHelp);
    keysAction = helpMenu->addAction(QStringLiteral("Keys"), this,
                                     [] { ShowOkMessage(GolfKeys::summary()); });
    aboutAction = helpMenu->addAction(QStringLiteral("About"), this, &GolfWindow::onAbout);
}

void GolfWindow::createCards()
{
    for (int id = 0; id < GolfLayout::DeckSize; ++id) {
        auto *card = new Picture(table);
        card->hide();
        parts.placeWhole(card, QRect(QPoint(), GolfTable::CardSize));
        card->setTag(id);
        card->setPixmapSource(cardArt.faces().source(id));
        card->setAccessibleName(cardName(id));
        connect(card, &Picture::pressed, this,
                [this, card](Qt::MouseButton button) { cardPressed(card, button); });
        cardPictures[id] = card;
    }
}

QSize GolfWindow::outerSize() const
{
    return placement->outerSize();
}

void GolfWindow::setVisible(bool visible)
{
    const bool opening = visible && !isVisible();
    if (opening)
        readSettings();
    GameWindow::setVisible(visible);
    if (!opening)
        return;
    // The minimum follows the monitor the window is on.
    connect(windowHandle(), &QWindow::screenChanged, this, &GolfWindow::updateMinimumSize,
            Qt::UniqueConnection);
    // Dealt once the window shows, so the deal is seen while the first turn sounds.
    dealNewGame();
}

void GolfWindow::readSettings()
{
    questionDialog->setWindowTitle(GolfTitle);
    deckChooser->setWindowTitle(GolfTitle + QStringLiteral(" - Card Decks"));

    settings = readGolfSettings();
    soundAction->setChecked(settings.sound);
    winnableOnlyAction->setChecked(settings.winnableOnly);
    showHintsAction->setChecked(settings.hints);
    showHintsOption();
    golf.setLayout(settings.layout);
    updateMinimumSize();
    placement->place({GolfReturnOffset});
    stockPicture->setPixmap(cardArt.backs()[settings.backIndex]);
}

// A window smaller than its layout needs grows back to it, but never past its monitor.
void GolfWindow::updateMinimumSize()
{
    const QSize monitor = screen()->geometry().size();
    table->setMinimumSize(snapToLayout({}, golf.layout(), monitor) - WindowChrome);
    layout()->activate();
}

bool GolfWindow::eventFilter(QObject *watched, QEvent *event)
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
        // A window moved to a screen of another pixel ratio draws its pictures anew for it.
        if (event->type() == QEvent::Resize || event->type() == QEvent::ScreenChangeInternal) {
            tableResized();
        } else if (isPress(event)) {
            const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
            if (button == Qt::RightButton || button == Qt::MiddleButton)
                turnStock();
        }
    }
    return GameWindow::eventFilter(watched, event);
}

void GolfWindow::tableResized()
{
    const TableScale scale = golfTableScale(table->size(), golf.layout());
    parts.rescale(scale);
    room = scale.designedSize(table->size());
    const QPoint stock = GolfTable::stock(room.height());
    parts.moveTo(stockPicture, stock);
    parts.moveTo(stockCountLabel, {CounterLeft, GolfTable::counterTop(stock)});
    for (int position = 1; position <= golf.FoundationCount(); ++position)
        parts.moveTo(cardPictures[golf.Foundation(position)],
                     GolfTable::foundationCard(position, stock));
    if (resultLabel->isVisible())
        placeResult();
    drawPictures();
}

// Faces and backs are drawn for the size and pixel ratio they are shown at, when first shown.
void GolfWindow::drawPictures()
{
    const qreal scale = parts.scale().factor();
    const qreal ratio = scale * devicePixelRatioF();
    if (qFuzzyCompare(ratio, cardArt.ratio()))
        return;
    cardArt.setRatio(ratio);
    for (int id = 0; id < GolfLayout::DeckSize; ++id)
        cardPictures[id]->setPixmapSource(cardArt.faces().source(id));
    stockPicture->setPixmap(cardArt.backs()[settings.backIndex]);
    hintFrame->setScale(scale);
    keys->frame()->setScale(scale);
}

bool GolfWindow::mayClose()
{
    return golf.GameOver() || AskYesNo(QStringLiteral("Are you sure to quit?")) == 'Y';
}

void GolfWindow::saveSettings()
{
    placement->notePending();
    settings.sound = soundAction->isChecked();
    settings.winnableOnly = winnableOnlyAction->isChecked();
    settings.hints = showHintsAction->isChecked();
    settings.layout = golf.layout();
    try {
        writeGolfSettings(settings);
    } catch (const FileError &error) {
        ShowOkMessage(error.message());
    }
}

void GolfWindow::reportFileErrors(const std::function<void()> &move)
{
    tellFileErrors(move);
    positionChanged();
}

void GolfWindow::tellFileErrors(const std::function<void()> &step)
{
    try {
        step();
    } catch (const FileError &error) {
        ShowOkMessage(error.message());
    }
}

void GolfWindow::cardPressed(const Picture *card, Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        playerMove([&] { golf.PlayCard(card->tag()); });
    else if (button == Qt::RightButton || button == Qt::MiddleButton)
        turnStock();
}

void GolfWindow::turnStock()
{
    playerMove([this] { golf.TurnStock(); });
}

// A move that put a card on the foundation makes the game a played one; one that ended it has
// been counted as it ended.
void GolfWindow::playerMove(const std::function<void()> &move)
{
    reportFileErrors([&] {
        const int before = golf.FoundationCount();
        move();
        if (golf.FoundationCount() > before && !golf.GameOver())
            statistics.moveMade(golf.layout());
    });
}

void GolfWindow::onNewGame()
{
    if (golf.GameOver()
        || AskYesNo(QStringLiteral("Are you sure to quit this game and start a new one?")) == 'Y')
        dealNewGame();
}

void GolfWindow::onBackup()
{
    reportFileErrors([this] { golf.Backup(); });
}

void GolfWindow::onResults()
{
    golfResultsDialog->showResults(golf.layout());
}

void GolfWindow::onStatistics()
{
    StatisticsWindow window(
        GolfTitle + QStringLiteral(" - Statistics"),
        [this] { return golfStatisticsPages(statistics.file.open()); },
        [this] {
            if (AskYesNo(QStringLiteral("Are you sure you want to reset the Golf statistics?"))
                != 'Y')
                return false;
            tellFileErrors([this] {
                StatisticsFile file = statistics.file.open();
                GolfStatistics::reset(file);
            });
            return true;
        },
        this);
    window.exec();
}

void GolfWindow::onDeck()
{
    deckChooser->ChosenBack = settings.backIndex;
    if (deckChooser->exec() != QDialog::Accepted)
        return;
    settings.backIndex = deckChooser->ChosenBack;
    stockPicture->setPixmap(cardArt.backs()[settings.backIndex]);
}

void GolfWindow::onSettings()
{
    GolfLayout layout = golf.layout();
    if (!golfLayoutDialog->chooseLayout(layout, golf.GameOver()))
        return;
    golf.setLayout(layout);
    updateMinimumSize();
    tableResized();
    dealNewGame();
}

void GolfWindow::onHelp()
{
    ShowHelpFile(QStringLiteral("Golf.rtf"), true);
}

void GolfWindow::onAbout()
{
    aboutBox->exec();
}

void GolfWindow::hideAllCards()
{
    for (Picture *card : cardPictures)
        card->hide();
}

void GolfWindow::hideCard(int id)
{
    cardPictures[id]->hide();
}

void GolfWindow::PlaceInColumn(int column, int row, int id)
{
    Picture *card = cardPictures[id];
    parts.moveTo(card, GolfTable::columnCard(column, row));
    card->setAccessibleDescription(QStringLiteral("in column %1").arg(column + 1));
    card->raise();
    card->show();
}

void GolfWindow::PlaceOnFoundation(int id, int foundationCount)
{
    Picture *card = cardPictures[id];
    parts.moveTo(
        card, GolfTable::foundationCard(foundationCount, parts.designed(stockPicture).topLeft()));
    card->setAccessibleDescription(QStringLiteral("on the foundation"));
    card->raise();
    card->show();
}

void GolfWindow::showStock(bool shown)
{
    stockPicture->setVisible(shown);
    stockCountLabel->setVisible(shown);
}

void GolfWindow::setStockCount(int count)
{
    stockCountLabel->setText(QString::number(count));
    stockPicture->setAccessibleName(count == 1 ? QStringLiteral("Stock: 1 card")
                                               : QStringLiteral("Stock: %1 cards").arg(count));
}

void GolfWindow::ShowResult(int cardsLeft)
{
    resultLabel->setText(QStringLiteral("Game Over - %1 cards left").arg(cardsLeft));
    placeResult();
    resultLabel->show();
}

void GolfWindow::placeResult()
{
    parts.place(resultLabel,
                QRect(GolfTable::resultLine(room, GolfTable::ResultWidth),
                      QSize(GolfTable::ResultWidth, labelHeight)));
}

void GolfWindow::hideResult()
{
    resultLabel->hide();
}

void GolfWindow::playSound(Sound sound)
{
    if (!soundAction->isChecked())
        return;
    const QString file
        = sound == Sound::CardPlayed ? QStringLiteral("Licit.wav") : QStringLiteral("Pakli.wav");
    ::Sound::play(DataFile(file), ::Sound::Wait);
}
