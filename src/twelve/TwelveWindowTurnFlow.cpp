// The Twelve window's turn flow: the move timer animates between the engine's steps, and the
// player's clicks and bid buttons go to the engine in the states that take them.
#include "TwelveWindow.h"

#include "BestScoreNameDialog.h"
#include "BestScores.h"
#include "BestScoresWindow.h"
#include "DataDir.h"
#include "GameClock.h"
#include "Sound.h"
#include "TwelveHintView.h"
#include "TwelveScoreSheet.h"
#include "TwelveStatistics.h"
#include "TwelveTable.h"
#include "TwelveThinker.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QTimer>

namespace {

constexpr std::chrono::milliseconds AtAllCostsPause{AtAllCostsPauseMs};
constexpr int SmallRaise = 1;
constexpr int BigRaise = 5;

}

void TwelveWindow::runTimer(std::chrono::milliseconds interval)
{
    moveTimer->start(atLeastOneTick(interval));
}

void TwelveWindow::moveTick()
{
    advance();
    updateControls();
}

void TwelveWindow::advance()
{
    moveTimer->stop();
    const Sale &sale = turn.LastSale();
    switch (turn.GameState()) {
    case TurnState::Travelling:
        for (int slot = 1; slot <= SlotCount; ++slot)
            if (twelve.TurnSlot[slot].MoveState == MoveTravelling
                && table->travelStep(slot, steps.MoveStep))
                turn.CardArrived(slot);
        break;
    case TurnState::TurningBacks:
        if (table->narrowBacks(steps.TurnStep))
            turn.AnimationFinished();
        break;
    case TurnState::TurningFaces:
        if (table->widenFaces(steps.TurnStep) && turn.AnimationFinished()) {
            followTurn();
            return;
        }
        break;
    case TurnState::Bidding:
        applyBidOutcome(turn.BidStep(), GameClockTick);
        return;
    case TurnState::AtAllCostsPause:
        if (turn.CloseAuction())
            saleClosed();
        break;
    case TurnState::TurningSoldFace:
        if (table->narrowSoldFace(sale.Slot, steps.TurnStep))
            turn.AnimationFinished();
        break;
    case TurnState::TurningSoldBack:
        if (table->widenSoldBack(sale.Slot, sale.Buyer, steps.MoveStep, steps.TurnStep))
            turn.AnimationFinished();
        break;
    case TurnState::Flying:
        if (table->flightStep() && turn.AnimationFinished()) {
            followTurn();
            return;
        }
        break;
    default:
        return;
    }
    // The human has still to put his card: wait for it.
    if (turn.GameState() != TurnState::WaitingForPut)
        runTimer(GameClockTick);
}

// After a step that may have begun a turn, an auction, a choice or the end of a round.
void TwelveWindow::followTurn()
{
    table->SetStatus(QString::fromStdString(turn.Status()));
    switch (turn.GameState()) {
    case TurnState::Travelling:
        table->showMarkers(TwelveTable::MarkerMoment::Choosing);
        startTravels();
        runTimer(GameClockTick);
        break;
    case TurnState::Choosing:
        table->showMarkers(TwelveTable::MarkerMoment::Choosing);
        break;
    case TurnState::Bidding:
        table->showMarkers(TwelveTable::MarkerMoment::Choosing);
        table->showAuction();
        runTimer(GameClockTick);
        break;
    case TurnState::Thinking:
        thinker->ask(turn.Question());
        break;
    case TurnState::RoundOver:
        statistics.count(
            [this](StatisticsFile &file) { TwelveStatistics::roundEnded(file, twelve); });
        showRoundEnd();
        break;
    default:
        break;
    }
}

// An answer to an earlier question, from before a new game, is refused by the turn.
void TwelveWindow::computersDecided(const ForesightAnswer &answer)
{
    if (!turn.Answer(answer))
        return;
    followTurn();
    updateControls();
}

void TwelveWindow::roundDealt()
{
    table->clearMiddle();
    showScoreBoxes();
    table->LayoutHands(0, stretchAction->isChecked());
}

void TwelveWindow::showScoreBoxes()
{
    for (int seat = 1; seat <= SeatCount; ++seat)
        table->showScore(seat, turn.BoxScore(seat));
}

void TwelveWindow::startTravels()
{
    for (int slot = 1; slot <= SlotCount; ++slot)
        if (twelve.TurnSlot[slot].MoveState == MoveTravelling)
            table->startTravel(slot);
}

void TwelveWindow::showRoundEnd()
{
    moveTimer->stop();
    table->ShowRoundEndHands();
    table->ShowPlaces();
    showScoreBoxes();
    table->CentrePanel(table->roundEndPanel);
    table->showRoundEndNote(roundEndNote());
}

QString TwelveWindow::roundEndNote() const
{
    if (!roundDrawn(twelve))
        return {};
    if (twelve.TurnNo >= DrawnRoundTurns)
        return QStringLiteral("A drawn round: no twelve in %1 turns.").arg(DrawnRoundTurns);
    return QStringLiteral("A drawn round: every twelve needs a card you have kept %1 turns.")
        .arg(HeldUpTurns);
}

void TwelveWindow::roundEndOkClicked()
{
    const TwelveTurn::RoundConfirmed confirmed = turn.EndOfRoundConfirmed(
        [this] { twelveScoreSheet->ShowScoreSheet(twelve, twelve.FinalScore); });
    if (confirmed == TwelveTurn::RoundConfirmed::Refused)
        return;
    if (confirmed == TwelveTurn::RoundConfirmed::NextRoundDealt) {
        followTurn();
        updateControls();
        return;
    }
    statistics.count([this](StatisticsFile &file) { TwelveStatistics::ended(file, twelve); });
    statisticsUnderWay = false;
    forgetKeptGame();
    table->hideAuction();
    table->roundEndPanel->hide();
    table->showRoundEndNote({});
    showScoreBoxes();
    if (bestScoreNameDialog->nameEdit->text() == QString::fromLatin1(BestScoreList::DefaultName))
        bestScoreNameDialog->nameEdit->setText(
            QString::fromStdString(twelve.PlayerNames[HumanSeat]));
    if (twelve.FinalScore > 0)
        ShowBestScores(twelve.FinalScore);
    table->CentrePanel(table->gameOverPanel);
}

void TwelveWindow::cardMouseDown(int card)
{
    const TurnState state = turn.GameState();
    if (state == TurnState::Travelling || state == TurnState::WaitingForPut) {
        if (!turn.PutCard(card))
            return;
        // Only the first put of a game opens the statistics file.
        if (!statisticsUnderWay) {
            statisticsUnderWay = true;
            statistics.count([this](StatisticsFile &file) {
                TwelveStatistics::moveMade(file, TwelveStatistics::rulesOf(twelve));
            });
        }
        hint->clear();
        table->SetStatus({});
        table->startTravel(HumanSeat);
        runTimer(GameClockTick);
        updateControls();
        return;
    }
    const int slot = middleSlotOf(card);
    if (slot != 0 && turn.ChooseCard(slot)) {
        hint->clear();
        followTurn();
        updateControls();
    }
}

int TwelveWindow::middleSlotOf(int card) const
{
    for (int slot = 1; slot <= SlotCount; ++slot)
        if (twelve.TurnSlot[slot].FaceUp && twelve.TurnSlot[slot].Card == card)
            return slot;
    return 0;
}

bool TwelveWindow::cardActs(int card) const
{
    if (turn.mayPut(card))
        return true;
    const int slot = middleSlotOf(card);
    return slot != 0 && turn.mayChoose(slot);
}

// The bid buttons and the card under the mouse show whether a press would be taken.
void TwelveWindow::updateControls()
{
    table->enableBidButtons({turn.mayRaise(SmallRaise), turn.mayRaise(BigRaise),
                             turn.mayRaise(SmallRaise), turn.maySayNoMore()});
    table->refreshHover();
}

// Every raise, computer or human, is announced by the bid sound, and the game waits for it.
void TwelveWindow::bidRaised(int seat)
{
    // The move timer counts from the end of the sound.
    moveTimer->stop();
    table->showBid(seat);
    if (soundAction->isChecked())
        Sound::play(DataFile(QStringLiteral("Licit.wav")), Sound::Wait);
}

// A refused step leaves the timer as it was before the caller stopped it.
void TwelveWindow::applyBidOutcome(BidOutcome outcome, std::chrono::milliseconds ifRefused)
{
    switch (outcome) {
    case BidOutcome::ComputerRaised:
        runTimer(std::chrono::milliseconds(steps.BidDelay));
        break;
    case BidOutcome::WaitingForHuman:
        moveTimer->stop();
        break;
    case BidOutcome::Pausing:
        runTimer(AtAllCostsPause);
        break;
    case BidOutcome::Closed:
        saleClosed();
        runTimer(GameClockTick);
        break;
    case BidOutcome::Ignored:
        if (ifRefused.count() > 0)
            runTimer(ifRefused);
        break;
    }
    table->SetStatus(QString::fromStdString(turn.Status()));
}

void TwelveWindow::saleClosed()
{
    table->SetStatus(QString::fromStdString(turn.Status()));
    table->hideAuction();
    table->showMarkers(TwelveTable::MarkerMoment::SaleClosed);
    table->showScore(turn.LastSale().Buyer, turn.BoxScore(turn.LastSale().Buyer));
}

void TwelveWindow::delivered(const Sale &sale)
{
    table->landSoldCard(sale.Slot);
    table->LayoutHands(sale.Buyer, stretchAction->isChecked());
}

// The computers answer the player at the pace at which they answer each other.
void TwelveWindow::humanRaised(bool raised)
{
    if (raised)
        runTimer(std::chrono::milliseconds(steps.BidDelay));
    updateControls();
}

void TwelveWindow::bidOnePressed()
{
    humanRaised(turn.RaiseBid(SmallRaise));
}

void TwelveWindow::bidFivePressed()
{
    humanRaised(turn.RaiseBid(BigRaise));
}

void TwelveWindow::atAllCostsPressed()
{
    humanRaised(turn.BidAtAllCosts());
}

void TwelveWindow::noMorePressed()
{
    // A raise may be due; stopped, it cannot come while the player's answer is worked out.
    const bool running = moveTimer->isActive();
    const std::chrono::milliseconds due{std::max(0, moveTimer->remainingTime())};
    moveTimer->stop();
    applyBidOutcome(turn.NoMore(), running ? due : std::chrono::milliseconds(0));
    updateControls();
}
