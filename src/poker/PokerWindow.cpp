#include "uPoker.h"

#include "Application.h"
#include "BestScores.h"
#include "DataDir.h"
#include "FileError.h"
#include "GameClock.h"
#include "MousePress.h"
#include "Picture.h"
#include "PokerKeys.h"
#include "PokerTableLayout.h"
#include "PressButton.h"
#include "Random.h"
#include "Sound.h"
#include "StatsTable.h"
#include "WindowCentre.h"
#include "uEredmeny.h"
#include "uHelp1.h"
#include "uNevjegy.h"
#include "uNyert.h"
#include "uPokerSpeed.h"
#include "uValasz.h"

#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
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

TfrmPoker::TfrmPoker(QWidget *parent)
    : GameWindow(parent)
    , table(new QWidget(this))
    , imgHatter(new Picture(table))
    , lblPontSzov(new QLabel(QStringLiteral("Your score is:"), table))
    , lblPont(new QLabel(QStringLiteral("$500"), table))
    , bbtnInv(new PressButton(QStringLiteral("Invert"), table))
    , bbtnOk(new PressButton(QStringLiteral("Ok"), table))
    , pnlEredm(new QLabel(table))
    , pnlJatVege(new QFrame(table))
    , imgJatVege(new Picture(pnlJatVege))
    , bbtnUjJat(new QPushButton(QStringLiteral("New game"), pnlJatVege))
    , bbtnKilep(new QPushButton(QStringLiteral("Exit"), pnlJatVege))
    , tmrMozg(new QTimer(this))
    , MainMenu1(new QMenuBar(this))
    , pokerGame(programRandom())
{
    setWindowTitle(PokerTitle);
    loadWindowIcon(this, DataFile(QStringLiteral("Poker.ico")));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(table);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    createMenu();
    createTable();
    createCards();
    createGameOverPanel();
    // The panels lie above the cards, as the result names the hand it covers.
    pnlEredm->raise();
    pnlJatVege->raise();

    keys = std::make_unique<PokerKeys>(*this);

    tmrMozg->setInterval(GameClockTick);
    tmrMozg->setTimerType(Qt::PreciseTimer);
    connect(tmrMozg, &QTimer::timeout, this, &TfrmPoker::MoveTick);
    // Where the program keeps the player's other files: an installed program's own folder is not
    // the player's to write.
    chooseGameFile = [this](QFileDialog::AcceptMode mode) {
        return choosePokerFile(this, fileFolders().user, mode);
    };
}

TfrmPoker::~TfrmPoker() = default;

void TfrmPoker::createMenu()
{
    QMenu *gameMenu = MainMenu1->addMenu(QStringLiteral("Game"));
    NewGame1 = gameMenu->addAction(QStringLiteral("New "), this, &TfrmPoker::askNewGame);
    NewGame1->setShortcut(Qt::Key_F2);
    Open1 = gameMenu->addAction(QStringLiteral("Open"), this, &TfrmPoker::LoadGame);
    Open1->setShortcut(Qt::Key_F3);
    Save1 = gameMenu->addAction(QStringLiteral("Save"), this, &TfrmPoker::Save);
    Save1->setShortcut(Qt::Key_F4);
    SaveAs1 = gameMenu->addAction(QStringLiteral("Save As"), this, &TfrmPoker::SaveAs);
    BestScores1
        = gameMenu->addAction(QStringLiteral("Best scores"), this, [] { ShowBestScores(0); });

    QMenu *optionsMenu = MainMenu1->addMenu(QStringLiteral("Options"));
    Speed1 = optionsMenu->addAction(QStringLiteral("Speed"), this, &TfrmPoker::chooseSpeed);
    Sound1 = optionsMenu->addAction(QStringLiteral("Sound"));
    Sound1->setCheckable(true);
    Sound1->setChecked(true);

    QMenu *helpMenu = MainMenu1->addMenu(QStringLiteral("Help"));
    Help1 = helpMenu->addAction(QStringLiteral("Help"), this,
                                [] { ShowHelpFile(QStringLiteral("Poker.rtf"), true); });
    Help1->setShortcut(Qt::Key_F1);
    Keys1 = helpMenu->addAction(QStringLiteral("Keys"), this,
                                [] { ShowOkMessage(PokerKeys::summary()); });
    About1 = helpMenu->addAction(QStringLiteral("About"), this, [] { frmNevjegy->exec(); });
}

// The shared dialogs speak for Poker while its window is open. A program that made only some
// of them (a test, say) still opens the game.
void TfrmPoker::prepareSharedWindows()
{
    const std::pair<QWidget *, QString> captions[]{
        {frmValasz, PokerTitle}, {frmNyert, PokerTitle}, {frmEredmeny, BestScoresTitle}};
    for (const auto &[window, caption] : captions) {
        if (window)
            window->setWindowTitle(caption);
    }
    bestScoreList().setBase(UserFile(QStringLiteral("Poker.exe")));
    bestScoreList().setCount(BestScorePlaces);
}

void TfrmPoker::showEvent(QShowEvent *event)
{
    GameWindow::showEvent(event);
    if (opened)
        return;
    opened = true;
    centreOnMainWindow(this);
    prepareSharedWindows();
    settings = loadPokerSettings();
    Sound1->setChecked(settings.sound);
    waitingForFirstTick = true;
    tmrMozg->start();
    NewGame();
}

bool TfrmPoker::mayClose()
{
    return !pokerGame.canSave() || AskSaveGame();
}

void TfrmPoker::saveSettings()
{
    tmrMozg->stop();
    settings.sound = Sound1->isChecked();
    try {
        savePokerSettings(settings);
    } catch (const FileError &error) {
        ShowOkMessage(error.message());
    }
}

// A press with any button but the left one, anywhere on the table, is the player's Ok.
bool TfrmPoker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == table && isPress(event)) {
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            Proceed();
        return true;
    }
    return GameWindow::eventFilter(watched, event);
}

void TfrmPoker::askNewGame()
{
    if (pokerGame.canSave() && !AskSaveGame())
        return;
    NewGame();
}

void TfrmPoker::NewGame()
{
    pokerGame.newGame();
    HasFileName = false;
    setWindowTitle(UntitledCaption);
    pnlJatVege->hide();
    pnlEredm->hide();
    setPlayable(true);
    showGame();
}

void TfrmPoker::cardPressed(int card, Qt::MouseButton button)
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
    showMarks();
}

void TfrmPoker::markPressed(int position, Qt::MouseButton button)
{
    if (button != Qt::LeftButton) {
        Proceed();
        return;
    }
    pokerGame.setMarked(position, false);
    showMarks();
}

void TfrmPoker::Invert()
{
    if (waitingForFirstTick)
        return;
    pokerGame.invertMarks();
    showMarks();
}

void TfrmPoker::Proceed()
{
    if (pokerGame.isOver() || isSliding() || waitingForFirstTick)
        return;
    if (!pokerGame.proceed())
        return;
    playCardSound();
    if (isSliding())
        startSlide();
    else
        showGame();
}

bool TfrmPoker::isSliding() const
{
    return pokerGame.phase() == PokerPhase::Drawing
        || pokerGame.phase() == PokerPhase::ClearingAway;
}

void TfrmPoker::startSlide()
{
    showMarks();
    pnlEredm->hide();
    tmrMozg->start();
}

void TfrmPoker::MoveTick()
{
    waitingForFirstTick = false;
    if (!isSliding()) {
        tmrMozg->stop();
        return;
    }
    bool leftTable = false;
    for (int position = 0; position < CardsInHand; ++position) {
        if (!pokerGame.isSliding(position))
            continue;
        Picture *card = cardPictures[pokerGame.hand()[position]];
        card->move(card->x(), card->y() + settings.MoveStep);
        leftTable = leftTable || card->y() > table->height();
    }
    if (!leftTable)
        return;
    tmrMozg->stop();
    pokerGame.slideFinished();
    showGame();
}

void TfrmPoker::playCardSound()
{
    if (Sound1->isChecked())
        Sound::play(DataFile(QStringLiteral("Kartya Le.wav")), Sound::NoWait);
}

void TfrmPoker::chooseSpeed()
{
    settings.MoveStep = frmPokerSpeed->chooseMoveStep(settings.MoveStep);
}

void TfrmPoker::showGame()
{
    showHand();
    showMarks();
    showScore();
    if (pokerGame.phase() == PokerPhase::ResultShown)
        showResult();
    else if (pokerGame.isOver())
        showGameOver();
}

void TfrmPoker::showHand()
{
    for (Picture *card : cardPictures)
        card->hide();
    if (pokerGame.isOver())
        return;
    for (int position = 0; position < CardsInHand; ++position) {
        Picture *card = cardPictures[pokerGame.hand()[position]];
        card->move(Layout::CardPlace(position));
        card->show();
    }
}

void TfrmPoker::showMarks()
{
    const bool deciding = pokerGame.phase() == PokerPhase::WaitingForDraw;
    for (int position = 0; position < CardsInHand; ++position) {
        const bool marked = pokerGame.isMarked(position);
        DiscardMarks[position]->move(Layout::CardPlace(position));
        DiscardMarks[position]->setVisible(marked);
        HoldLabels[position]->setText(marked ? QStringLiteral("Discard") : QStringLiteral("Hold"));
        cardPictures[pokerGame.hand()[position]]->setAccessibleDescription(
            QStringLiteral("card %1, %2")
                .arg(position + 1)
                .arg(marked ? QStringLiteral("to discard") : QStringLiteral("held")));
        HoldLabels[position]->setVisible(deciding);
    }
}

void TfrmPoker::showScore()
{
    statsTable->show(pokerGame.score());
    lblPont->setText(QStringLiteral("$") + QString::number(pokerGame.score().Money));
}

void TfrmPoker::showResult()
{
    pnlEredm->setText(QString::fromLatin1(PayTable[pokerGame.lastRank()].name));
    pnlEredm->show();
    setPlayable(true);
}

void TfrmPoker::showGameOver()
{
    setPlayable(false);
    if (pokerGame.offersBestScore())
        ShowBestScores(scoreForList(pokerGame.score().Money));
    pnlJatVege->move(Layout::GameOverRect.topLeft());
    pnlJatVege->show();
    bbtnUjJat->setFocus();
}

// Saving stays possible until the last hand of the game has been evaluated.
void TfrmPoker::setPlayable(bool playable)
{
    bbtnInv->setEnabled(playable);
    bbtnOk->setEnabled(playable);
    Save1->setEnabled(playable && pokerGame.canSave());
    SaveAs1->setEnabled(playable && pokerGame.canSave());
}
