#pragma once

#include "TwelveRules.h"

#include <functional>
#include <string>

class Random;

// Where a turn stands. The numbers are those the window dispatches its move timer on; Idle and
// RoundOver are the engine's own (before the first deal, and after a round or the game ended).
enum class TurnState {
    Idle = 0,
    Travelling = 10, // put cards travel to the middle
    WaitingForPut = 15, // the computers' cards arrived, the human has not put yet
    TurningBacks = 11,
    TurningFaces = 12,
    Choosing = 17, // the computers have chosen; waiting for the human's choice
    Bidding = 18,
    AtAllCostsPause = 22,
    TurningSoldFace = 13,
    TurningSoldBack = 14,
    Flying = 20, // the sold card flies to its buyer
    Thinking = 24, // computers that think ahead decide, off the engine: see Question()
    RoundOver = 30,
};

// What one bidding step did, so the window knows how to run its timer.
enum class BidOutcome {
    ComputerRaised, // tick again after the bid delay
    WaitingForHuman, // leave the timer stopped until a bid button
    Pausing, // tick once more after AtAllCostsPauseMs
    Closed, // the card is sold: turn it over and fly it to the buyer
    Ignored, // the button did not apply in this state
};

constexpr int AtAllCostsPauseMs = 1000;

inline const std::string PutPrompt = "Choose a card to put";
inline const std::string TakePrompt = "Choose a card to take";
inline const std::string BidPrompt = "Bid or click \"No more\"";

// Who received which middle card in the last sale, and what he paid for it.
struct Sale
{
    int Slot = 0;
    int Buyer = 0;
    int Card = 0;
    int Price = 0;
};

// What the computers that think ahead (level 8) have to decide before the turn goes on: at the
// start of a turn the cards they put, once the middle cards lie face up what each card is worth
// to them. They take their time elsewhere and give their decisions to TwelveTurn::Answer.
struct ForesightQuestion
{
    enum class Kind { None, Puts, Worths };
    Kind kind = Kind::None;
    int serial = 0; // an answer to an earlier question is refused
    unsigned seed = 0; // of the thinkers' own draws, so a question has one answer
    TwelveGame game; // as it stands; a thinker looks at it only through its seat's eyes
};

struct ForesightAnswer
{
    int serial = 0;
    PerSeat<int> puts{}; // Puts: the card each computer seat puts
    PerSeat<PerSlot<int>> worths{}; // Worths: each computer seat's worth of each slot, >= 0
};

// One Twelve turn as steps the window drives one at a time: it animates between the steps and
// calls the next one when a picture has finished moving or the player clicked. No step waits,
// and no step can be entered while another one runs (from a callback such as onBidRaised): it
// is refused as if it came in the wrong state.
// The move timer runs in every state but WaitingForPut, Choosing and RoundOver; in Bidding it
// stops when a step answers WaitingForHuman and starts again after a human raise.
class TwelveTurn
{
public:
    TwelveTurn(TwelveGame &game, Random &random);

    // Told after every raise, computer or human, with the raising seat.
    std::function<void(int seat)> onBidRaised;
    // Told when the hands have been dealt, before the computers put their first cards.
    std::function<void()> onDealt;
    // Told when a sold card is in its buyer's hand, before the next auction or turn begins.
    std::function<void(const Sale &sale)> onDelivered;
    // Told when a turn has begun, or the round ended at its start: TurnStart() is new.
    std::function<void()> onTurnStarted;

    TurnState GameState() const { return state; }
    const std::string &Status() const { return status; }
    // Kept until the next sale, so the buyer is known after the next auction has begun.
    const Sale &LastSale() const { return sale; }
    // What a seat's score box shows: at the end of a round the points before the prizes, until
    // the next round starts or the game ends.
    int BoxScore(int seat) const;

    // Every step answers whether it was taken; a refused step changes nothing.
    bool NewGame();
    // Goes on with a kept game (one TurnStart gave) from the start of its turn; refused, and
    // nothing changes, while a step runs or when the game is over or holds no dealt round.
    bool ResumeGame(const TwelveGame &kept);
    // The game as it stood when the current turn began (the round-end test included), which a
    // kept game starts from again.
    const TwelveGame &TurnStart() const { return turnStart; }
    // The player confirmed the end of a round. Before the last round the score sheet is shown
    // and the next round dealt; after it the game ends, then the sheet shows the final result.
    // Refused (nothing shown) unless a round has just ended.
    enum class RoundConfirmed { Refused, NextRoundDealt, GameOver };
    RoundConfirmed EndOfRoundConfirmed(const std::function<void()> &showScoreSheet);

    // While GameState() is Thinking, what the computers have to decide.
    const ForesightQuestion &Question() const { return question; }
    // The computers' decisions on the current question; refused, and nothing changes, when
    // they answer another question or do not fit it (a card the seat does not hold, a
    // negative worth).
    bool Answer(const ForesightAnswer &answer);

    // The human puts a card; false when it is not his time to put or he does not hold it.
    bool PutCard(int card);
    // A travelling put card reached its place in the middle.
    bool CardArrived(int slot);
    // The picture sequence of the current state has finished: the four cards turned up or the
    // sold card turned over and reached its buyer.
    bool AnimationFinished();
    // The human wants a face-up middle card; false when that is not possible now.
    bool ChooseCard(int slot);

    BidOutcome BidStep();
    // "+1" and "+5"; false when ignored, also when the human cannot pay.
    bool RaiseBid(int step);
    // "At all costs": from now on every computer raise is answered at once while the human can
    // pay. Taken only with its own first raise, as "+1".
    bool BidAtAllCosts();
    // The human drops out of the auction he bids in.
    BidOutcome NoMore();
    // The pause after an "At all costs" auction is over.
    bool CloseAuction();

    // Whether the step would be taken now, so the table can show what a click would do.
    bool mayPut(int card) const;
    bool mayChoose(int slot) const;
    bool mayRaise(int step) const;
    bool maySayNoMore() const;

private:
    class Step;

    void startRound();
    void StartTurn();
    void ask(ForesightQuestion::Kind kind);
    void layComputerCard(int seat, int card);
    void waitForPuts();
    bool answerPuts(const PerSeat<int> &puts);
    bool answerWorths(const PerSeat<PerSlot<int>> &worths);
    void computersChoose();
    void chooseFirst();
    void chooseAgain();
    bool choosable(int slot) const;
    bool humanChoose(int slot);
    void StartAuction();
    BidOutcome nextBid();
    bool raisable(int step) const;
    // The checks and the raise of "+1" and "+5", also used by the answers of "At all costs".
    bool humanRaise(int step);
    void sell();
    void Deliver();

    TwelveGame &game;
    Random &random;
    TwelveGame turnStart;
    TurnState state = TurnState::Idle;
    std::string status;
    Sale sale;
    ForesightQuestion question;
    bool stepping = false;
};
