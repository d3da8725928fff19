#include "TwelveWindow.h"

#include "AboutBox.h"
#include "Application.h"
#include "BestScoreNameDialog.h"
#include "BestScores.h"
#include "BestScoresWindow.h"
#include "CardLibrary.h"
#include "DataDir.h"
#include "DeckChooser.h"
#include "FileError.h"
#include "GameClock.h"
#include "HelpViewer.h"
#include "Picture.h"
#include "QuestionDialog.h"
#include "Random.h"
#include "TwelveHintView.h"
#include "TwelveKeys.h"
#include "TwelveNamesDialog.h"
#include "TwelveScoreSheet.h"
#include "TwelveSeatOrder.h"
#include "TwelveSettings.h"
#include "TwelveSettingsDialog.h"
#include "TwelveStatistics.h"
#include "TwelveTable.h"
#include "TwelveThinker.h"
#include "WindowPlacement.h"

#include <QCheckBox>
#include <QHideEvent>
#include <QLockFile>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString TwelveTitle = QStringLiteral("Twelve");
constexpr int BestScorePlaces = 15;
// Where a window kept on a screen since unplugged comes back, from the primary screen's corner.
constexpr QPoint ReturnOffset{20, 20};
}

TwelveWindow::TwelveWindow(QWidget *parent)
    : GameWindow(parent)
    , mainMenu(new QMenuBar(this))
    , moveTimer(new QTimer(this))
    , thinker(new TwelveThinker(this))
    , turn(twelve, programRandom())
{
    setWindowTitle(TwelveTitle);
    statistics.tell = [](const QString &problem) { ShowOkMessage(problem); };
    // The table grows with the window.
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    loadWindowIcon(this, DataFile(QStringLiteral("Twelve.ico")));

    table = new TwelveTable(twelve, this);
    hint = new TwelveHintView(table);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->setSpacing(0);
    layout->setMenuBar(mainMenu);
    layout->addWidget(table);
    createMenu();

    placement = new WindowPlacement(*this, *table, geometry);

    moveTimer->setTimerType(Qt::PreciseTimer);
    moveTimer->setSingleShot(true);
    connect(moveTimer, &QTimer::timeout, this, &TwelveWindow::moveTick);
    connect(thinker, &TwelveThinker::answered, this, &TwelveWindow::computersDecided);
    connect(table, &TwelveTable::cardPressed, this, &TwelveWindow::cardMouseDown);
    connect(table->bidOneButton, &Picture::pressed, this, &TwelveWindow::bidOnePressed);
    connect(table->bidFiveButton, &Picture::pressed, this, &TwelveWindow::bidFivePressed);
    connect(table->atAllCostsButton, &Picture::pressed, this, &TwelveWindow::atAllCostsPressed);
    connect(table->noMoreButton, &Picture::pressed, this, &TwelveWindow::noMorePressed);
    connect(table->roundEndOkButton, &QPushButton::clicked, this, &TwelveWindow::roundEndOkClicked);
    connect(table->newGameButton, &QPushButton::clicked, this, &TwelveWindow::newGameClicked);
    connect(table->exitButton, &QPushButton::clicked, this, &TwelveWindow::close);

    keys = std::make_unique<TwelveKeys>(*this);

    table->setCardAction([this](int card) { return cardActs(card); });
    turn.onDealt = [this] { roundDealt(); };
    turn.onBidRaised = [this](int seat) { bidRaised(seat); };
    turn.onDelivered = [this](const Sale &sale) { delivered(sale); };
    // A kill at any moment loses at most the turn in play.
    turn.onTurnStarted = [this] { keepGame(); };
}

TwelveWindow::~TwelveWindow() = default;

void TwelveWindow::createMenu()
{
    QMenu *gameMenu = mainMenu->addMenu(QStringLiteral("Game"));
    newGameAction = gameMenu->addAction(QStringLiteral("New game"), QKeySequence(Qt::Key_F2), this,
                                        &TwelveWindow::onNewGame);
    pointsAction = gameMenu->addAction(QStringLiteral("Points"), this, &TwelveWindow::onPoints);
    statisticsAction
        = gameMenu->addAction(QStringLiteral("Statistics"), QKeySequence(Qt::CTRL | Qt::Key_T),
                              this, &TwelveWindow::onStatistics);
    bestScoresAction
        = gameMenu->addAction(QStringLiteral("Best Scores"), this, &TwelveWindow::onBestScores);
    hintAction = gameMenu->addAction(QStringLiteral("Hint"), QKeySequence(Qt::Key_H), this,
                                     &TwelveWindow::onHint);

    QMenu *optionsMenu = mainMenu->addMenu(QStringLiteral("Options"));
    deckAction = optionsMenu->addAction(QStringLiteral("Deck"), this, &TwelveWindow::onDeck);
    stretchAction
        = optionsMenu->addAction(QStringLiteral("Stretch"), this, &TwelveWindow::onStretch);
    stretchAction->setCheckable(true);
    soundAction = optionsMenu->addAction(QStringLiteral("Sound"));
    soundAction->setCheckable(true);
    settingsAction
        = optionsMenu->addAction(QStringLiteral("Settings"), this, &TwelveWindow::onSettings);
    namesAction = optionsMenu->addAction(QStringLiteral("Names"), this, &TwelveWindow::onNames);

    QMenu *helpMenu = mainMenu->addMenu(QStringLiteral("Help"));
    helpAction = helpMenu->addAction(QStringLiteral("Help"), QKeySequence(Qt::Key_F1), this,
                                     &TwelveWindow::onHelp);
    keysAction = helpMenu->addAction(QStringLiteral("Keys"), this,
                                     [] { ShowOkMessage(TwelveKeys::summary()); });
    aboutAction = helpMenu->addAction(QStringLiteral("About"), this, &TwelveWindow::onAbout);
}

void TwelveWindow::setVisible(bool visible)
{
    const bool opening = visible && !isVisible();
    if (opening) {
        twelveNamesDialog->setWindowTitle(TwelveTitle + QStringLiteral(" - Names"));
        twelveScoreSheet->setWindowTitle(TwelveTitle + QStringLiteral(" - Points"));
        questionDialog->setWindowTitle(TwelveTitle);
        bestScoreNameDialog->setWindowTitle(TwelveTitle);
        deckChooser->setWindowTitle(TwelveTitle + QStringLiteral(" - Card Decks"));
        bestScoreList().setCount(BestScorePlaces);
        TwelveSeatOrder = true;
        table->paintRoom();
        LoadSettings();
        UpdateTitles();
        table->DrawCardPictures(BackIndex);
    }
    GameWindow::setVisible(visible);
    if (!opening)
        return;
    keptFileStuck = false;
    keeping = lockKeptGame();
    if (!continueKeptGame())
        NewGame();
}

void TwelveWindow::LoadSettings()
{
    const TwelveSettings settings = readTwelveSettings(twelveNamesDialog->defaultNames());
    BackIndex = settings.BackIndex;
    stretchAction->setChecked(settings.Stretch);
    soundAction->setChecked(settings.Sound);
    twelveSettingsDialog->fastDrawBox->setChecked(settings.FastDraw);
    steps = settings.Speeds;
    twelve.Difficulty = settings.Difficulty;
    twelve.ScoringMode = settings.ScoringMode;
    twelve.PlayerNames = settings.PlayerNames;
    UpdateNameLabels();
    geometry = settings.Window;
    // The table's own minimum keeps the window from becoming smaller than designed.
    placement->place({ReturnOffset, true}, settings.WindowKept);
}

void TwelveWindow::saveSettings()
{
    TwelveSettings settings;
    settings.BackIndex = BackIndex;
    settings.Stretch = stretchAction->isChecked();
    settings.Sound = soundAction->isChecked();
    settings.FastDraw = twelveSettingsDialog->fastDrawBox->isChecked();
    settings.Speeds = steps;
    const GameRules rules = playerRules();
    settings.Difficulty = rules.Difficulty;
    settings.ScoringMode = rules.ScoringMode;
    settings.PlayerNames = twelve.PlayerNames;
    placement->notePending();
    settings.Window = geometry;
    try {
        writeTwelveSettings(settings);
    } catch (const FileError &error) {
        ShowOkMessage(error.message());
    }
    keepGame();
}

void TwelveWindow::UpdateTitles()
{
    const int level = difficultyLevel(twelve.Difficulty);
    const QString code = QString::fromStdString(scoringCode(twelve.ScoringMode));
    const QString keptNote = playingKeptRules() ? QStringLiteral(" (kept game)") : QString();
    setWindowTitle(QStringLiteral("%1 - Difficulty: %2, Scoring: %3%4")
                       .arg(TwelveTitle)
                       .arg(level)
                       .arg(QString::fromStdString(scoringName(twelve.ScoringMode)), keptNote));
    bestScoresWindow->setWindowTitle(
        QStringLiteral("%1 - Best scores - Diff. %2/%3").arg(TwelveTitle).arg(level).arg(code));
    bestScoreList().setBase(UserFile(QStringLiteral("Twelve%1%2.exe").arg(level).arg(code)));
}

void TwelveWindow::UpdateNameLabels()
{
    table->UpdateNameLabels();
}

bool TwelveWindow::mayClose()
{
    return twelve.GameOver || AskYesNo(QStringLiteral("Are you sure to quit?")) == 'Y';
}

void TwelveWindow::hideEvent(QHideEvent *event)
{
    // Nothing moves once the window has closed, and another may keep its game; a minimised game
    // goes on. A decision the computers make after the close is dropped.
    if (!event->spontaneous()) {
        moveTimer->stop();
        thinker->forget();
        unlockKeptGame();
    }
    GameWindow::hideEvent(event);
}

bool TwelveWindow::gameInProgress() const
{
    return !twelve.GameOver;
}

// Qt widgets always draw double-buffered, without flicker: the choice only lives on in the
// settings dialog's check box and the settings file.
void TwelveWindow::setFastDraw(bool) { }

// A new game plays by the player's settings again; the kept game is forgotten once the engine
// has started the new one.
void TwelveWindow::playBy(const GameRules &rules)
{
    twelve.Difficulty = rules.Difficulty;
    twelve.ScoringMode = rules.ScoringMode;
}

void TwelveWindow::NewGame()
{
    const GameRules before{twelve.Difficulty, twelve.ScoringMode};
    playBy(playerRules());
    const bool running = moveTimer->isActive();
    moveTimer->stop();
    if (!turn.NewGame()) {
        playBy(before);
        if (running)
            runTimer(GameClockTick);
        return;
    }
    settingsRules.reset();
    statistics.count([](StatisticsFile &file) { TwelveStatistics::started(file, false); });
    statisticsUnderWay = false;
    UpdateTitles();
    followTurn();
    updateControls();
}

void TwelveWindow::onNewGame()
{
    if (twelve.GameOver
        || AskYesNo(QStringLiteral("Are you sure to quit this game and start a new one?")) == 'Y')
        NewGame();
}

void TwelveWindow::newGameClicked()
{
    NewGame();
}

void TwelveWindow::onPoints()
{
    twelveScoreSheet->ShowScoreSheet(twelve, twelve.FinalScore);
}

void TwelveWindow::onBestScores()
{
    ShowBestScores(0);
}

void TwelveWindow::onHint()
{
    hint->showHint(twelve, turn.GameState());
}

void TwelveWindow::onDeck()
{
    deckChooser->ChosenBack = BackIndex;
    if (deckChooser->exec() != QDialog::Accepted)
        return;
    BackIndex = deckChooser->ChosenBack;
    table->DrawCardPictures(BackIndex);
}

void TwelveWindow::onStretch()
{
    // The hands of a finished round or game stay as they were shown.
    if (!twelve.GameOver && turn.GameState() != TurnState::RoundOver)
        table->LayoutHands(0, stretchAction->isChecked());
}

void TwelveWindow::onSettings()
{
    twelveSettingsDialog->ShowSettings(*this);
    UpdateTitles();
}

void TwelveWindow::onNames()
{
    twelveNamesDialog->editNames(twelve.PlayerNames);
    UpdateNameLabels();
}

void TwelveWindow::onHelp()
{
    ShowHelpFile(QStringLiteral("Twelve.rtf"), true);
}

void TwelveWindow::onAbout()
{
    aboutBox->exec();
}
