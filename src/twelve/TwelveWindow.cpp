#include "uTwelve.h"

#include "Application.h"
#include "BestScores.h"
#include "DataDir.h"
#include "FileError.h"
#include "GameClock.h"
#include "Picture.h"
#include "Random.h"
#include "TwelveHintView.h"
#include "TwelveKeys.h"
#include "TwelveSeatOrder.h"
#include "TwelveSettings.h"
#include "TwelveTable.h"
#include "u12Beall.h"
#include "u4NevBekerA.h"
#include "uEredmeny.h"
#include "uHelp1.h"
#include "uKartyak.h"
#include "uNevjegy.h"
#include "uNyert.h"
#include "uReszeredmA.h"
#include "uValasz.h"

#include <QCheckBox>
#include <QHideEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString TwelveTitle = QStringLiteral("Twelve");
constexpr int BestScorePlaces = 15;

}

TfrmTwelve::TfrmTwelve(QWidget *parent)
    : GameWindow(parent)
    , MainMenu1(new QMenuBar(this))
    , tmrKesl(new QTimer(this))
    , tmrMeretez(new QTimer(this))
    , turn(twelve, programRandom())
{
    setWindowTitle(TwelveTitle);
    // The table grows with the window.
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    loadWindowIcon(this, DataFile(QStringLiteral("Twelve.ico")));

    table = new TwelveTable(twelve, this);
    hint = new TwelveHintView(table);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(table);
    createMenu();

    tmrMeretez->setSingleShot(true);
    tmrMeretez->setInterval(1);
    connect(tmrMeretez, &QTimer::timeout, this, &TfrmTwelve::tmrMeretezTimer);

    tmrKesl->setTimerType(Qt::PreciseTimer);
    tmrKesl->setSingleShot(true);
    connect(tmrKesl, &QTimer::timeout, this, &TfrmTwelve::tmrKeslTimer);
    connect(table, &TwelveTable::cardPressed, this, &TfrmTwelve::cardMouseDown);
    connect(table->imgTet1, &Picture::pressed, this, &TfrmTwelve::imgTet1MouseDown);
    connect(table->imgTet5, &Picture::pressed, this, &TfrmTwelve::imgTet5MouseDown);
    connect(table->imgTetTobb, &Picture::pressed, this, &TfrmTwelve::imgTetTobbMouseDown);
    connect(table->imgTetNoMore, &Picture::pressed, this, &TfrmTwelve::imgTetNoMoreMouseDown);
    connect(table->bbtnFordVegeOk, &QPushButton::clicked, this, &TfrmTwelve::bbtnFordVegeOkClick);
    connect(table->bbtnUjJat, &QPushButton::clicked, this, &TfrmTwelve::bbtnUjJatClick);
    connect(table->bbtnKilep, &QPushButton::clicked, this, &TfrmTwelve::close);

    keys = std::make_unique<TwelveKeys>(*this);

    table->setCardAction([this](int card) { return cardActs(card); });
    turn.onDealt = [this] { roundDealt(); };
    turn.onBidRaised = [this](int seat) { bidRaised(seat); };
    turn.onDelivered = [this](const Sale &sale) { delivered(sale); };
}

TfrmTwelve::~TfrmTwelve() = default;

void TfrmTwelve::createMenu()
{
    QMenu *gameMenu = MainMenu1->addMenu(QStringLiteral("Game"));
    NewGame1 = gameMenu->addAction(QStringLiteral("New game"), QKeySequence(Qt::Key_F2), this,
                                   &TfrmTwelve::NewGame1Click);
    Points1 = gameMenu->addAction(QStringLiteral("Points"), this, &TfrmTwelve::Points1Click);
    BestScores1
        = gameMenu->addAction(QStringLiteral("Best Scores"), this, &TfrmTwelve::BestScores1Click);
    Hint1 = gameMenu->addAction(QStringLiteral("Hint"), QKeySequence(Qt::Key_H), this,
                                &TfrmTwelve::Hint1Click);

    QMenu *optionsMenu = MainMenu1->addMenu(QStringLiteral("Options"));
    Deck1 = optionsMenu->addAction(QStringLiteral("Deck"), this, &TfrmTwelve::Deck1Click);
    Stretch1 = optionsMenu->addAction(QStringLiteral("Stretch"), this, &TfrmTwelve::Stretch1Click);
    Stretch1->setCheckable(true);
    Sound1 = optionsMenu->addAction(QStringLiteral("Sound"));
    Sound1->setCheckable(true);
    Settings1
        = optionsMenu->addAction(QStringLiteral("Settings"), this, &TfrmTwelve::Settings1Click);
    Names1 = optionsMenu->addAction(QStringLiteral("Names"), this, &TfrmTwelve::Names1Click);

    QMenu *helpMenu = MainMenu1->addMenu(QStringLiteral("Help"));
    Help1 = helpMenu->addAction(QStringLiteral("Help"), QKeySequence(Qt::Key_F1), this,
                                &TfrmTwelve::Help1Click);
    Keys1 = helpMenu->addAction(QStringLiteral("Keys"), this,
                                [] { ShowOkMessage(TwelveKeys::summary()); });
    About1 = helpMenu->addAction(QStringLiteral("About"), this, &TfrmTwelve::About1Click);
}

void TfrmTwelve::setVisible(bool visible)
{
    const bool opening = visible && !isVisible();
    if (opening) {
        frm4NevBekerA->setWindowTitle(TwelveTitle + QStringLiteral(" - Names"));
        frmReszeredmA->setWindowTitle(TwelveTitle + QStringLiteral(" - Points"));
        frmValasz->setWindowTitle(TwelveTitle);
        frmNyert->setWindowTitle(TwelveTitle);
        frmKartyak->setWindowTitle(TwelveTitle + QStringLiteral(" - Card Decks"));
        bestScoreList().setCount(BestScorePlaces);
        TwelveSeatOrder = true;
        table->paintRoom();
        LoadSettings();
        UpdateTitles();
        table->DrawCardPictures(BackIndex);
    }
    GameWindow::setVisible(visible);
    if (opening && !continueKeptGame())
        NewGame();
}

void TfrmTwelve::LoadSettings()
{
    const TwelveSettings settings = readTwelveSettings(frm4NevBekerA->defaultNames());
    BackIndex = settings.BackIndex;
    Stretch1->setChecked(settings.Stretch);
    Sound1->setChecked(settings.Sound);
    frm12Beall->chbGyors->setChecked(settings.FastDraw);
    steps = settings.Speeds;
    twelve.Difficulty = settings.Difficulty;
    twelve.ScoringMode = settings.ScoringMode;
    twelve.PlayerNames = settings.PlayerNames;
    UpdateNameLabels();
    placeWindow(settings.Window, settings.WindowKept);
}

void TfrmTwelve::saveSettings()
{
    TwelveSettings settings;
    settings.BackIndex = BackIndex;
    settings.Stretch = Stretch1->isChecked();
    settings.Sound = Sound1->isChecked();
    settings.FastDraw = frm12Beall->chbGyors->isChecked();
    settings.Speeds = steps;
    const GameRules rules
        = playingKeptRules() ? *settingsRules : GameRules{twelve.Difficulty, twelve.ScoringMode};
    settings.Difficulty = rules.Difficulty;
    settings.ScoringMode = rules.ScoringMode;
    settings.PlayerNames = twelve.PlayerNames;
    if (tmrMeretez->isActive())
        tmrMeretezTimer();
    settings.Window = geometry;
    try {
        writeTwelveSettings(settings);
    } catch (const FileError &error) {
        ShowOkMessage(error.message());
    }
    keepGame();
}

void TfrmTwelve::UpdateTitles()
{
    const int level = difficultyLevel(twelve.Difficulty);
    const QString code = QString::fromStdString(scoringCode(twelve.ScoringMode));
    const QString keptNote = playingKeptRules() ? QStringLiteral(" (kept game)") : QString();
    setWindowTitle(QStringLiteral("%1 - Difficulty: %2, Scoring: %3%4")
                       .arg(TwelveTitle)
                       .arg(level)
                       .arg(QString::fromStdString(scoringName(twelve.ScoringMode)), keptNote));
    frmEredmeny->setWindowTitle(
        QStringLiteral("%1 - Best scores - Diff. %2/%3").arg(TwelveTitle).arg(level).arg(code));
    bestScoreList().setBase(UserFile(QStringLiteral("Twelve%1%2.exe").arg(level).arg(code)));
}

void TfrmTwelve::UpdateNameLabels()
{
    table->UpdateNameLabels();
}

bool TfrmTwelve::mayClose()
{
    return twelve.GameOver || AskYesNo(QStringLiteral("Are you sure to quit?")) == 'Y';
}

void TfrmTwelve::hideEvent(QHideEvent *event)
{
    // Nothing moves once the window has closed; a minimised game goes on.
    if (!event->spontaneous())
        tmrKesl->stop();
    GameWindow::hideEvent(event);
}

bool TfrmTwelve::gameInProgress() const
{
    return !twelve.GameOver;
}

// Qt widgets always draw double-buffered, without flicker: the choice only lives on in the
// settings dialog's check box and the settings file.
void TfrmTwelve::setFastDraw(bool) { }

void TfrmTwelve::NewGame()
{
    forgetKeptGame();
    restoreSettingsRules();
    const bool running = tmrKesl->isActive();
    tmrKesl->stop();
    if (!turn.NewGame()) {
        if (running)
            runTimer(GameClockTick);
        return;
    }
    followTurn();
    updateControls();
}

void TfrmTwelve::NewGame1Click()
{
    if (twelve.GameOver
        || AskYesNo(QStringLiteral("Are you sure to quit this game and start a new one?")) == 'Y')
        NewGame();
}

void TfrmTwelve::bbtnUjJatClick()
{
    NewGame();
}

void TfrmTwelve::Points1Click()
{
    frmReszeredmA->ShowScoreSheet(twelve, twelve.FinalScore);
}

void TfrmTwelve::BestScores1Click()
{
    ShowBestScores(0);
}

void TfrmTwelve::Hint1Click()
{
    hint->showHint(twelve, turn.GameState());
}

void TfrmTwelve::Deck1Click()
{
    frmKartyak->ChosenBack = BackIndex;
    if (frmKartyak->exec() != QDialog::Accepted)
        return;
    BackIndex = frmKartyak->ChosenBack;
    table->DrawCardPictures(BackIndex);
}

void TfrmTwelve::Stretch1Click()
{
    // The hands of a finished round or game stay as they were shown.
    if (!twelve.GameOver && turn.GameState() != TurnState::RoundOver)
        table->LayoutHands(0, Stretch1->isChecked());
}

void TfrmTwelve::Settings1Click()
{
    frm12Beall->ShowSettings(*this);
    UpdateTitles();
}

void TfrmTwelve::Names1Click()
{
    frm4NevBekerA->editNames(twelve.PlayerNames);
    UpdateNameLabels();
}

void TfrmTwelve::Help1Click()
{
    ShowHelpFile(QStringLiteral("Twelve.rtf"), true);
}

void TfrmTwelve::About1Click()
{
    frmNevjegy->exec();
}
