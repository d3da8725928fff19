#include "TwelveTurn.h"

#include "Random.h"
#include "TwelveLevels.h"
#include "TwelvePlayers.h"

#include <algorithm>
#include <limits>

// Marks a step as running for its lifetime; a step entered meanwhile is refused.
class TwelveTurn::Step
{
public:
    explicit Step(bool &running)
        : running(running)
        , entered(!running)
    {
        running = true;
    }
    ~Step()
    {
        if (entered)
            running = false;
    }
    Step(const Step &) = delete;
    Step &operator=(const Step &) = delete;

    explicit operator bool() const { return entered; }

private:
    bool &running;
    bool entered;
};

TwelveTurn::TwelveTurn(TwelveGame &game, Random &random)
    : game(game)
    , random(random)
{ }

int TwelveTurn::BoxScore(int seat) const
{
    const int points = game.Scores[game.RoundNo][seat];
    if (state == TurnState::RoundOver && !game.GameOver)
        return points - game.HandRun[seat].Prize;
    return points;
}

bool TwelveTurn::NewGame()
{
    const Step step(stepping);
    if (!step)
        return false;
    ::NewGame(game);
    sale = {};
    startRound();
    return true;
}

bool TwelveTurn::ResumeGame(const TwelveGame &kept)
{
    const Step step(stepping);
    if (!step || kept.GameOver || kept.RoundNo < 1 || kept.RoundNo > RoundCount)
        return false;
    for (int seat = 1; seat <= SeatCount; ++seat)
        if (heldCount(kept.Holding[seat]) != HandSize)
            return false;
    game = kept;
    sale = {};
    state = TurnState::Idle;
    if (onDealt)
        onDealt();
    StartTurn();
    return true;
}

void TwelveTurn::startRound()
{
    if (!::NextRound(game, random))
        return;
    state = TurnState::Idle;
    if (onDealt)
        onDealt();
    StartTurn();
}

TwelveTurn::RoundConfirmed
TwelveTurn::EndOfRoundConfirmed(const std::function<void()> &showScoreSheet)
{
    const Step step(stepping);
    if (!step || state != TurnState::RoundOver || game.GameOver)
        return RoundConfirmed::Refused;
    if (game.RoundNo < RoundCount) {
        if (showScoreSheet)
            showScoreSheet();
        startRound();
        return RoundConfirmed::NextRoundDealt;
    }
    EndGame(game);
    if (showScoreSheet)
        showScoreSheet();
    return RoundConfirmed::GameOver;
}

void TwelveTurn::StartTurn()
{
    game.HumanNoMore = false;
    game.AtAllCosts = false;
    game.TurnSlot = {};
    game.CardWorth = {};
    game.Bought = {};
    turnStart = game;
    const bool twelve = EvaluateHands(game);
    if (twelve || game.TurnNo >= DrawnRoundTurns || heldUp(game)) {
        if (twelve)
            RankRound(game);
        else
            DrawRound(game);
        status.clear();
        state = TurnState::RoundOver;
        if (onTurnStarted)
            onTurnStarted();
        return;
    }
    ++game.TurnNo;
    updateHelpMode(game, random);
    if (thinksAhead(game.Difficulty)) {
        ask(ForesightQuestion::Kind::Puts);
    } else {
        for (int seat = 2; seat <= SeatCount; ++seat)
            layComputerCard(seat, choosePutCard(game, seat, random));
        waitForPuts();
    }
    if (onTurnStarted)
        onTurnStarted();
}

void TwelveTurn::ask(ForesightQuestion::Kind kind)
{
    question.kind = kind;
    ++question.serial;
    question.seed = static_cast<unsigned>(random.random(std::numeric_limits<int>::max()));
    question.game = game;
    status.clear();
    state = TurnState::Thinking;
}

bool TwelveTurn::Answer(const ForesightAnswer &answer)
{
    const Step step(stepping);
    if (!step || state != TurnState::Thinking || answer.serial != question.serial)
        return false;
    const bool taken = question.kind == ForesightQuestion::Kind::Puts ? answerPuts(answer.puts)
                                                                      : answerWorths(answer.worths);
    if (taken)
        question.kind = ForesightQuestion::Kind::None;
    return taken;
}

bool TwelveTurn::answerPuts(const PerSeat<int> &puts)
{
    for (int seat = 2; seat <= SeatCount; ++seat)
        if (puts[seat] < 0 || puts[seat] >= CardCount || !game.Holding[seat][puts[seat]])
            return false;
    for (int seat = 2; seat <= SeatCount; ++seat) {
        putFromHand(game, seat, puts[seat]);
        layComputerCard(seat, puts[seat]);
    }
    waitForPuts();
    return true;
}

// The put card travels from its place among the seat's backs; it has left the hand.
void TwelveTurn::layComputerCard(int seat, int card)
{
    TurnSlotRecord &slot = game.TurnSlot[seat];
    slot.Suit = suitOf(card);
    slot.Rank = rankOf(card);
    slot.Card = card;
    const Hand &hand = game.Holding[seat];
    slot.BackSlot = (seat - 1) * HandSize
        + static_cast<int>(std::count(hand.begin(), hand.begin() + card, true));
    slot.MoveState = MoveTravelling;
}

void TwelveTurn::waitForPuts()
{
    status = PutPrompt;
    state = TurnState::Travelling;
}

bool TwelveTurn::mayPut(int card) const
{
    const bool putting = state == TurnState::Travelling || state == TurnState::WaitingForPut;
    return !stepping && putting && game.TurnSlot[HumanSeat].MoveState == MoveNotPut && card >= 0
        && card < CardCount && game.Holding[HumanSeat][card];
}

bool TwelveTurn::PutCard(int card)
{
    if (!mayPut(card))
        return false;
    const Step step(stepping);
    TurnSlotRecord &slot = game.TurnSlot[HumanSeat];
    status.clear();
    slot.Suit = suitOf(card);
    slot.Rank = rankOf(card);
    slot.Card = card;
    game.Holding[HumanSeat][card] = false;
    ++game.RankPutCount[slot.Rank];
    slot.MoveState = MoveTravelling;
    state = TurnState::Travelling;
    return true;
}

bool TwelveTurn::CardArrived(int slot)
{
    const Step step(stepping);
    if (!step || state != TurnState::Travelling || slot < 1 || slot > SlotCount
        || game.TurnSlot[slot].MoveState != MoveTravelling)
        return false;
    game.TurnSlot[slot].MoveState = MoveArrived;
    const bool computersArrived
        = std::all_of(game.TurnSlot.begin() + 2, game.TurnSlot.end(),
                      [](const TurnSlotRecord &put) { return put.MoveState == MoveArrived; });
    const int human = game.TurnSlot[HumanSeat].MoveState;
    if (computersArrived && human != MoveTravelling)
        state = human == MoveNotPut ? TurnState::WaitingForPut : TurnState::TurningBacks;
    return true;
}

bool TwelveTurn::AnimationFinished()
{
    const Step step(stepping);
    if (!step)
        return false;
    switch (state) {
    case TurnState::TurningBacks:
        state = TurnState::TurningFaces;
        break;
    case TurnState::TurningFaces:
        for (int slot = 1; slot <= SlotCount; ++slot) {
            game.TurnSlot[slot].FaceUp = true;
            game.SeenFrom[game.TurnSlot[slot].Card] = slot;
        }
        computersChoose();
        break;
    case TurnState::TurningSoldFace:
        state = TurnState::TurningSoldBack;
        break;
    case TurnState::TurningSoldBack:
        state = TurnState::Flying;
        break;
    case TurnState::Flying:
        Deliver();
        break;
    default:
        return false;
    }
    return true;
}

// Runs as soon as the cards lie face up, so the human cannot choose before the computers have.
void TwelveTurn::computersChoose()
{
    if (thinksAhead(game.Difficulty)) {
        ask(ForesightQuestion::Kind::Worths);
        return;
    }
    valueMiddleCards(game);
    chooseFirst();
}

bool TwelveTurn::answerWorths(const PerSeat<PerSlot<int>> &worths)
{
    for (int seat = 2; seat <= SeatCount; ++seat)
        if (std::any_of(worths[seat].begin() + 1, worths[seat].end(),
                        [](int worth) { return worth < 0; }))
            return false;
    for (int seat = 2; seat <= SeatCount; ++seat)
        setMiddleCardWorths(game, seat, worths[seat]);
    chooseFirst();
    return true;
}

void TwelveTurn::chooseFirst()
{
    state = TurnState::Choosing;
    for (int slot = 1; slot <= SlotCount; ++slot)
        game.TurnSlot[slot].Markers = 0;
    chooseAgain();
}

void TwelveTurn::chooseAgain()
{
    chooseWantedCards(game, random);
    const int humanWants = game.Wanted[HumanSeat];
    if (!game.Bought[HumanSeat] && (humanWants == 0 || humanWants == game.AuctionSlot))
        status = TakePrompt;
}

bool TwelveTurn::mayChoose(int slot) const
{
    return !stepping && choosable(slot);
}

bool TwelveTurn::choosable(int slot) const
{
    return state == TurnState::Choosing && !game.Bought[HumanSeat] && slot >= 1 && slot <= SlotCount
        && game.TurnSlot[slot].FaceUp;
}

bool TwelveTurn::ChooseCard(int slot)
{
    const Step step(stepping);
    return step && humanChoose(slot);
}

bool TwelveTurn::humanChoose(int slot)
{
    if (!choosable(slot))
        return false;
    status.clear();
    game.Wanted[HumanSeat] = slot;
    ++game.TurnSlot[slot].Markers;
    StartAuction();
    return true;
}

void TwelveTurn::StartAuction()
{
    game.InAuction = {};
    game.Bid = 0;
    int opener = 0;
    const int humanWants = game.Wanted[HumanSeat];
    if (!game.Bought[HumanSeat] && humanWants != 0 && game.TurnSlot[humanWants].Markers > 1) {
        game.AuctionSlot = humanWants;
        opener = HumanSeat;
        game.Leader = HumanSeat;
        for (int seat = SeatCount; seat >= 2; --seat) {
            if (game.Wanted[seat] == humanWants && game.MaxBid[seat][humanWants] > 0) {
                game.Leader = seat;
                game.Bid = 1;
                break;
            }
        }
    } else {
        for (int seat = 2; seat <= SeatCount; ++seat) {
            const int wants = game.Wanted[seat];
            if (game.Bought[seat] || game.TurnSlot[wants].Markers <= 1)
                continue;
            game.AuctionSlot = wants;
            opener = seat;
            game.Leader = seat;
            // A computer that would not pay for it opens only until one that would is found.
            if (game.MaxBid[seat][wants] > 0) {
                game.Bid = 1;
                break;
            }
        }
    }
    if (opener != 0) {
        for (int seat = 1; seat <= SeatCount; ++seat)
            game.InAuction[seat] = game.Wanted[seat] == game.Wanted[opener];
        if (game.InAuction[HumanSeat])
            status = BidPrompt;
    } else {
        // Nothing contested: the first seat in seat order without a card takes its own for free.
        for (int seat = 1; seat <= SeatCount; ++seat) {
            if (!game.Bought[seat]) {
                game.Leader = seat;
                game.AuctionSlot = game.Wanted[seat];
                break;
            }
        }
    }
    state = TurnState::Bidding;
}

BidOutcome TwelveTurn::BidStep()
{
    const Step step(stepping);
    return step ? nextBid() : BidOutcome::Ignored;
}

BidOutcome TwelveTurn::nextBid()
{
    if (state != TurnState::Bidding)
        return BidOutcome::Ignored;
    const int slot = game.AuctionSlot;
    for (int after = 1; after < SeatCount; ++after) {
        const int seat = (game.Leader - 1 + after) % SeatCount + 1;
        if (seat == HumanSeat || !game.InAuction[seat] || game.MaxBid[seat][slot] <= game.Bid)
            continue;
        ++game.Bid;
        game.Leader = seat;
        if (onBidRaised)
            onBidRaised(seat);
        if (game.AtAllCosts)
            humanRaise(1);
        return BidOutcome::ComputerRaised;
    }
    if (game.InAuction[HumanSeat] && game.Leader != HumanSeat && !game.HumanNoMore)
        return BidOutcome::WaitingForHuman;
    if (game.AtAllCosts) {
        game.AtAllCosts = false;
        status.clear();
        state = TurnState::AtAllCostsPause;
        return BidOutcome::Pausing;
    }
    sell();
    return BidOutcome::Closed;
}

bool TwelveTurn::raisable(int step) const
{
    // A bid the human cannot pay is ignored without a word.
    return state == TurnState::Bidding && step > 0 && !game.Bought[HumanSeat]
        && game.Leader != HumanSeat && game.Scores[game.RoundNo][HumanSeat] >= game.Bid + step;
}

bool TwelveTurn::mayRaise(int step) const
{
    return !stepping && raisable(step);
}

bool TwelveTurn::humanRaise(int step)
{
    if (!raisable(step))
        return false;
    game.Bid += step;
    game.Leader = HumanSeat;
    if (onBidRaised)
        onBidRaised(HumanSeat);
    return true;
}

bool TwelveTurn::RaiseBid(int raise)
{
    const Step step(stepping);
    return step && humanRaise(raise);
}

// Refused, like "+1", when the human cannot pay the first raise: a refused press leaves no
// promise behind that would later pause the auction.
bool TwelveTurn::BidAtAllCosts()
{
    const Step step(stepping);
    if (!step || !raisable(1))
        return false;
    game.AtAllCosts = true;
    return humanRaise(1);
}

// Only a human who takes part, by his claim or his bid, can drop out; once is enough.
bool TwelveTurn::maySayNoMore() const
{
    return !stepping && state == TurnState::Bidding && !game.Bought[HumanSeat]
        && (game.InAuction[HumanSeat] || (game.Leader == HumanSeat && game.Bid > 0))
        && !game.HumanNoMore;
}

BidOutcome TwelveTurn::NoMore()
{
    if (!maySayNoMore())
        return BidOutcome::Ignored;
    const Step step(stepping);
    status.clear();
    game.HumanNoMore = true;
    return nextBid();
}

bool TwelveTurn::CloseAuction()
{
    const Step step(stepping);
    if (!step || state != TurnState::AtAllCostsPause)
        return false;
    sell();
    return true;
}

// The auction is over: its prompt goes with it.
void TwelveTurn::sell()
{
    status.clear();
    game.Scores[game.RoundNo][game.Leader] -= game.Bid;
    sale = {game.AuctionSlot, game.Leader, game.TurnSlot[game.AuctionSlot].Card, game.Bid};
    state = TurnState::TurningSoldFace;
}

void TwelveTurn::Deliver()
{
    const int sold = game.AuctionSlot;
    const int buyer = game.Leader;
    for (int seat = 2; seat <= SeatCount; ++seat)
        game.CardWorth[seat][sold] = SoldWorth;
    game.Bought[buyer] = true;
    game.InAuction[buyer] = false;
    game.Wanted[buyer] = 0;
    game.Holding[buyer][game.TurnSlot[sold].Card] = true;
    game.SeenWith[game.TurnSlot[sold].Card] = buyer;
    if (buyer == HumanSeat && sold != HumanSeat)
        game.HumanSince[game.TurnSlot[sold].Card] = game.TurnNo;
    game.HumanNoMore = false;
    game.TurnSlot[sold].FaceUp = false;
    if (onDelivered)
        onDelivered(sale);
    int lastFaceUp = 0;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        game.TurnSlot[slot].Markers = 0;
        if (game.TurnSlot[slot].FaceUp)
            lastFaceUp = slot;
    }

    if (game.Bought[HumanSeat]) {
        chooseAgain();
        if (game.TurnOver)
            StartTurn();
        else
            StartAuction();
    } else if (game.Wanted[HumanSeat] == sold) {
        // The human's card went elsewhere: he chooses again, or takes the last one left.
        chooseAgain();
        state = TurnState::Choosing;
        if (std::all_of(game.Bought.begin() + 2, game.Bought.end(), [](bool b) { return b; }))
            humanChoose(lastFaceUp);
    } else {
        game.TurnSlot[game.Wanted[HumanSeat]].Markers = 1;
        chooseAgain();
        StartAuction();
    }
}
