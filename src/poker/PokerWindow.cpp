#include "PokerWindow.h"

#include "AboutBox.h"
#include "Application.h"
#include "BestScoreNameDialog.h"
#include "BestScores.h"
#include "BestScoresWindow.h"
#include "DataDir.h"
#include "FileError.h"
#include "GameClock.h"
#include "HelpViewer.h"
#include "MousePress.h"
#include "Picture.h"
#include "PokerCoach.h"
#include "PokerKeys.h"
#include "PokerSpeedDialog.h"
#include "PokerTableLayout.h"
#include "PressButton.h"
#include "QuestionDialog.h"
#include "Random.h"
#include "Sound.h"
#include "StatsTable.h"
#include "WindowCentre.h"
#include "WindowPlacement.h"

#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace Layout = PokerTableLayout;

namespace {

const QString PokerTitle = QStringLiteral("Kovra - Poker");
const QString BestScoresTitle = QStringLiteral("Kovra - Poker - Best scores");
const QString UntitledCaption = QStringLiteral("Kovra - Poker - Untitled");
constexpr int BestScorePlaces = 15;

// The best-scores list takes a 32-bit score; a game loaded with extreme money is kept in range.
int scoreForList(std::int64_t money)
{
    using Limits = std::numeric_limits<int>;
    return int(std::clamp<std::int64_t>(money, Limits::min(), Limits::max()));
}

}

PokerWindow::PokerWindow(QWidget *parent)
    : GameWindow(parent)
    , table(new QWidget(this))
    , background(new Picture(table))
    , scoreCaption(new QLabel(QStringLiteral("Your score is:"), table))
    , scoreLabel(new QLabel(QStringLiteral("$500"), table))
    , invertButton(new PressButton(QStringLiteral("Invert"), table))
    , okButton(new PressButton(QStringLiteral("Ok"), table))
    , resultPanel(new QLabel(table))
    , gameOverPanel(new QFrame(table))
    , gameOverPicture(new Picture(gameOverPanel))
    , newGameButton(new QPushButton(QStringLiteral("New game"), gameOverPanel))
    , exitButton(new QPushButton(QStringLiteral("Exit"), gameOverPanel))
    , slideTimer(new QTimer(this))
    , mainMenu(new QMenuBar(this))
    , coachPanel(new QLabel(table))
    , coach(new PokerCoach(this))
    , placement(new WindowPlacement(*this, *table, settings.window))
    , parts(table)
    , pokerGame(programRandom())
{
    setWindowTitle(PokerTitle);
    statistics.tell = [](const QString &problem) { ShowOkMessage(problem); };
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    loadWindowIcon(this, DataFile(QStringLiteral("Poker.ico")));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(mainMenu);
    layout->addWidget(table, 1);
    resize(layout->totalSizeHint().expandedTo(minimumSizeHint()));

    createMenu();
    createTable();
    createCards();
    createGameOverPanel();
    createCoach();
    // The panels lie above the cards, as the result names the hand it covers.
    resultPanel->raise();
    gameOverPanel->raise();
    keepFonts();

    keys = std::make_unique<PokerKeys>(*this);

    slideTimer->setInterval(GameClockTick);
    slideTimer->setTimerType(Qt::PreciseTimer);
    connect(slideTimer, &QTimer::timeout, this, &PokerWindow::MoveTick);
    // Where the program keeps the player's other files: an installed program's own folder is not
    // the player's to write.
    chooseGameFile = [this](QFileDialog::AcceptMode mode) {
        return choosePokerFile(this, fileFolders().user, mode);
    };
}

PokerWindow::~PokerWindow() = default;

void PokerWindow::createMenu()
{
    QMenu *gameMenu = mainMenu->addMenu(QStringLiteral("Game"));
    newGameAction = gameMenu->addAction(QStringLiteral("New "), this, &PokerWindow::askNewGame);
    newGameAction->setShortcut(Qt::Key_F2);
    openAction = gameMenu->addAction(QStringLiteral("Open"), this, &PokerWindow::LoadGame);
    openAction->setShortcut(Qt::Key_F3);
    saveAction = gameMenu->addAction(QStringLiteral("Save"), this, &PokerWindow::Save);
    saveAction->setShortcut(Qt::Key_F4);
    saveAsAction = gameMenu->addAction(QStringLiteral("Save As"), this, &PokerWindow::SaveAs);
    bestScoresAction
        = gameMenu->addAction(QStringLiteral("Best scores"), this, [] { ShowBestScores(0); });
    statisticsAction
        = gameMenu->addAction(QStringLiteral("Statistics"), QKeySequence(Qt::CTRL | Qt::Key_T),
                              this, &PokerWindow::showStatistics);
    hintAction = gameMenu->addAction(QStringLiteral("Hint"), QKeySequence(Qt::Key_H), this,
                                     &PokerWindow::Hint);

    QMenu *optionsMenu = mainMenu->addMenu(QStringLiteral("Options"));
    speedAction = optionsMenu->addAction(QStringLiteral("Speed"), this, &PokerWindow::chooseSpeed);
    soundAction = optionsMenu->addAction(QStringLiteral("Sound"));
    soundAction->setCheckable(true);
    soundAction->setChecked(true);
    coachAction = optionsMenu->addAction(QStringLiteral("Coach"));
    coachAction->setCheckable(true);
    // A player who turns the coach on or off expects to find it so next time.
    connect(coachAction, &QAction::toggled, this, [this](bool on) {
        settings.coach = on;
        saveSettings();
    });

    QMenu *helpMenu = mainMenu->addMenu(QStringLiteral("Help"));
    helpAction = helpMenu->addAction(QStringLiteral("Help"), this,
                                     [] { ShowHelpFile(QStringLiteral("Poker.rtf"), true); });
    helpAction->setShortcut(Qt::Key_F1);
    keysAction = helpMenu->addAction(QStringLiteral("Keys"), this,
                                     [] { ShowOkMessage(PokerKeys::summary()); });
    aboutAction = helpMenu->addAction(QStringLiteral("About"), this, [] { aboutBox->exec(); });
}

// The shared dialogs speak for Poker while its window is open. A program that made only some
// of them (a test, say) still opens the game.
void PokerWindow::prepareSharedWindows()
{
    const std::pair<QWidget *, QString> captions[]{{questionDialog, PokerTitle},
                                                   {bestScoreNameDialog, PokerTitle},
                                                   {bestScoresWindow, BestScoresTitle}};
    for (const auto &[window, caption] : captions) {
        if (window)
            window->setWindowTitle(caption);
    }
    bestScoreList().setBase(UserFile(QStringLiteral("Poker.exe")));
    bestScoreList().setCount(BestScorePlaces);
}

void PokerWindow::showEvent(QShowEvent *event)
{
    GameWindow::showEvent(event);
    if (opened)
        return;
    opened = true;
    prepareSharedWindows();
    settings = loadPokerSettings();
    if (settings.windowKept)
        placement->place({PokerReturnOffset, true});
    else
        centreOnMainWindow(this);
    soundAction->setChecked(settings.sound);
    {
        const QSignalBlocker loading(coachAction);
        coachAction->setChecked(settings.coach);
    }
    waitingForFirstTick = true;
    slideTimer->start();
    NewGame();
}

bool PokerWindow::mayClose()
{
    if (pokerGame.canSave() && !AskSaveGame())
        return false;
    slideTimer->stop();
    return true;
}

void PokerWindow::saveSettings()
{
    if (isVisible()) {
        placement->note();
        settings.windowKept = true;
    }
    settings.sound = soundAction->isChecked();
    try {
        savePokerSettings(settings);
    } catch (const FileError &error) {
        ShowOkMessage(error.message());
    }
}

// A press with any button but the left one, anywhere on the table, is the player's Ok. A window
// moved to a screen of another pixel ratio draws its pictures anew for it.
bool PokerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == table
        && (event->type() == QEvent::Resize || event->type() == QEvent::ScreenChangeInternal))
        rescale();
    if (watched == table && isPress(event)) {
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            Proceed();
        return true;
    }
    return GameWindow::eventFilter(watched, event);
}

void PokerWindow::askNewGame()
{
    if (pokerGame.canSave() && !AskSaveGame())
        return;
    NewGame();
}

void PokerWindow::NewGame()
{
    pokerGame.newGame();
    gameTally = {};
    startBankLine();
    HasFileName = false;
    setWindowTitle(UntitledCaption);
    gameOverPanel->hide();
    resultPanel->hide();
    setPlayable(true);
    showGame();
}

void PokerWindow::cardPressed(int card, Qt::MouseButton button)
{
    if (button != Qt::LeftButton) {
        Proceed();
        return;
    }
    const PokerCards &hand = pokerGame.hand();
    const auto found = std::ranges::find(hand, card);
    if (found == hand.end())
        return;
    pokerGame.setMarked(int(found - hand.begin()), true);
    marksChanged();
}

void PokerWindow::markPressed(int position, Qt::MouseButton button)
{
    if (button != Qt::LeftButton) {
        Proceed();
        return;
    }
    pokerGame.setMarked(position, false);
    marksChanged();
}

void PokerWindow::Invert()
{
    if (waitingForFirstTick)
        return;
    pokerGame.invertMarks();
    marksChanged();
}

void PokerWindow::Proceed()
{
    if (pokerGame.isOver() || isSliding() || waitingForFirstTick)
        return;
    const bool drawing = pokerGame.phase() == PokerPhase::WaitingForDraw;
    if (drawing && !coachLetsDraw())
        return;
    const HoldMask held = heldMask();
    if (!pokerGame.proceed())
        return;
    if (drawing)
        drawn(held);
    playCardSound();
    if (isSliding())
        startSlide();
    else
        showGame();
}

bool PokerWindow::isSliding() const
{
    return pokerGame.phase() == PokerPhase::Drawing
        || pokerGame.phase() == PokerPhase::ClearingAway;
}

void PokerWindow::startSlide()
{
    showMarks();
    resultPanel->hide();
    slideTimer->start();
}

void PokerWindow::MoveTick()
{
    waitingForFirstTick = false;
    if (!isSliding()) {
        slideTimer->stop();
        return;
    }
    bool leftTable = false;
    for (int position = 0; position < CardsInHand; ++position) {
        if (!pokerGame.isSliding(position))
            continue;
        Picture *card = cardPictures[pokerGame.hand()[position]];
        parts.moveTo(card, parts.designed(card).topLeft() + QPoint(0, settings.MoveStep));
        leftTable = leftTable || card->y() > table->height();
    }
    if (!leftTable)
        return;
    slideTimer->stop();
    pokerGame.slideFinished();
    showGame();
}

void PokerWindow::playCardSound()
{
    if (soundAction->isChecked())
        Sound::play(DataFile(QStringLiteral("Kartya Le.wav")), Sound::NoWait);
}

void PokerWindow::chooseSpeed()
{
    settings.MoveStep = pokerSpeedDialog->chooseMoveStep(settings.MoveStep);
}

void PokerWindow::showGame()
{
    showHand();
    showMarks();
    showScore();
    if (pokerGame.phase() == PokerPhase::WaitingForDraw)
        handDealt();
    if (pokerGame.phase() == PokerPhase::ResultShown)
        showResult();
    else if (pokerGame.isOver())
        showGameOver();
}

void PokerWindow::showHand()
{
    for (Picture *card : cardPictures)
        card->hide();
    if (pokerGame.isOver())
        return;
    for (int position = 0; position < CardsInHand; ++position) {
        Picture *card = cardPictures[pokerGame.hand()[position]];
        parts.moveTo(card, Layout::CardPlace(position));
        card->show();
    }
}

void PokerWindow::showMarks()
{
    const bool deciding = pokerGame.phase() == PokerPhase::WaitingForDraw;
    for (int position = 0; position < CardsInHand; ++position) {
        const bool marked = pokerGame.isMarked(position);
        parts.moveTo(DiscardMarks[position], Layout::CardPlace(position));
        DiscardMarks[position]->setVisible(marked);
        HoldLabels[position]->setText(marked ? QStringLiteral("Discard") : QStringLiteral("Hold"));
        cardPictures[pokerGame.hand()[position]]->setAccessibleDescription(
            QStringLiteral("card %1, %2")
                .arg(position + 1)
                .arg(marked ? QStringLiteral("to discard") : QStringLiteral("held")));
        HoldLabels[position]->setVisible(deciding);
    }
}

void PokerWindow::showScore()
{
    statsTable->show(pokerGame.score());
    scoreLabel->setText(QStringLiteral("$") + QString::number(pokerGame.score().Money));
}

void PokerWindow::showResult()
{
    countHand();
    resultPanel->setText(QString::fromLatin1(PayTable[pokerGame.lastRank()].name));
    resultPanel->show();
    setPlayable(true);
}

void PokerWindow::showGameOver()
{
    setPlayable(false);
    countGame();
    if (pokerGame.offersBestScore())
        ShowBestScores(scoreForList(pokerGame.score().Money));
    parts.moveTo(gameOverPanel, Layout::GameOverRect.topLeft());
    gameOverPanel->show();
    newGameButton->setFocus();
}

// Saving stays possible until the last hand of the game has been evaluated.
void PokerWindow::setPlayable(bool playable)
{
    invertButton->setEnabled(playable);
    okButton->setEnabled(playable);
    saveAction->setEnabled(playable && pokerGame.canSave());
    saveAsAction->setEnabled(playable && pokerGame.canSave());
}
