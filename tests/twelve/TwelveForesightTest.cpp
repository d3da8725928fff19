#include "TwelveForesight.h"
#include "Random.h"
#include "TwelveKeptGame.h"
#include "TwelveLevels.h"
#include "TwelvePlayers.h"

#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

// Enough thinking to tell the cards apart, little enough for a sanitizer build.
constexpr TwelveForesight::Effort BriefThought{6, 6, 8};

// A level 8 game driven step by step: seat 1 plays by the greedy measure and says "No more";
// the computers' questions are answered briefly unless a test takes them first.
class Level8Game
{
public:
    explicit Level8Game(unsigned seed)
        : random(seed)
    {
        game.Difficulty = ForesightDifficulty;
        turn.NewGame();
    }

    void step()
    {
        switch (turn.GameState()) {
        case TurnState::Thinking:
            ASSERT_TRUE(turn.Answer(*TwelveForesight::answer(turn.Question(), {}, BriefThought)));
            break;
        case TurnState::Travelling:
            if (game.TurnSlot[HumanSeat].MoveState == MoveNotPut)
                turn.PutCard(leastValuedCard(game.Holding[HumanSeat]));
            for (int slot = 1; slot <= SlotCount; ++slot)
                turn.CardArrived(slot);
            break;
        case TurnState::Choosing:
            for (int slot = 1; slot <= SlotCount && !turn.ChooseCard(slot); ++slot) { }
            break;
        case TurnState::Bidding:
            if (turn.BidStep() == BidOutcome::WaitingForHuman)
                turn.NoMore();
            break;
        case TurnState::AtAllCostsPause:
            turn.CloseAuction();
            break;
        case TurnState::RoundOver:
            turn.EndOfRoundConfirmed({});
            break;
        default:
            turn.AnimationFinished();
            break;
        }
    }

    // Steps on until the computers have a question, calling what for each one met on the way.
    void playQuestions(int count, const std::function<void(const ForesightQuestion &)> &what)
    {
        for (int asked = 0; asked < count && !game.GameOver;) {
            step();
            if (turn.GameState() == TurnState::Thinking) {
                what(turn.Question());
                ++asked;
            }
        }
    }

    TwelveGame game;
    SeededRandom random;
    TwelveTurn turn{game, random};
};

// Two cards that the seat cannot place, in the hands of two different other seats.
bool unseenPair(const TwelveGame &game, int seat, int &first, int &second)
{
    const SeatKnowledge knowledge = knowledgeOf(game, seat);
    auto holder = [&game](int card) {
        for (int other = 1; other <= SeatCount; ++other)
            if (game.Holding[other][card])
                return other;
        return 0;
    };
    for (first = 0; first < CardCount; ++first)
        for (second = first + 1; second < CardCount; ++second)
            if (knowledge.unplaced[first] && knowledge.unplaced[second] && holder(first) != 0
                && holder(second) != 0 && holder(first) != holder(second))
                return true;
    return false;
}

void swapCards(TwelveGame &game, int first, int second)
{
    for (int seat = 1; seat <= SeatCount; ++seat)
        std::swap(game.Holding[seat][first], game.Holding[seat][second]);
}

} // namespace

// Every computer at every question of a game's first rounds decides the same whichever way the
// cards it has not seen lie, given the same seed.
TEST(TwelveForesight, DecidesAlikeWhereverTheCardsItHasNotSeenLie)
{
    Level8Game play(7);
    int compared = 0;
    play.playQuestions(40, [&](const ForesightQuestion &question) {
        for (int seat = 2; seat <= SeatCount; ++seat) {
            ForesightQuestion other = question;
            int first = 0;
            int second = 0;
            if (!unseenPair(question.game, seat, first, second))
                continue;
            swapCards(other.game, first, second);
            SCOPED_TRACE(testing::Message() << "round " << question.game.RoundNo << " turn "
                                            << question.game.TurnNo << " seat " << seat);
            ASSERT_NE(other.game.Holding, question.game.Holding);
            EXPECT_EQ(knowledgeOf(other.game, seat), knowledgeOf(question.game, seat));
            ForesightAnswer real;
            ForesightAnswer swapped;
            ASSERT_TRUE(TwelveForesight::decide(question, seat, real, {}, BriefThought));
            ASSERT_TRUE(TwelveForesight::decide(other, seat, swapped, {}, BriefThought));
            EXPECT_EQ(real.puts[seat], swapped.puts[seat]);
            EXPECT_EQ(real.worths[seat], swapped.worths[seat]);
            ++compared;
        }
    });
    // Both kinds of question, many times over.
    EXPECT_GT(compared, 60);
}

// The knowledge holds what the table saw: the cards sold to each seat and those it put.
TEST(TwelveForesight, KnowsTheCardsSeenToMove)
{
    Level8Game play(3);
    play.playQuestions(12, [](const ForesightQuestion &) {});
    const TwelveGame &game = play.game;
    const SeatKnowledge knowledge = knowledgeOf(game, 3);
    int placed = 0;
    for (int card = 0; card < CardCount; ++card) {
        const int with = game.SeenWith[card];
        if (with == 0 || with == 3 || !game.Holding[with][card])
            continue;
        EXPECT_TRUE(knowledge.known[with][card]);
        EXPECT_FALSE(knowledge.unplaced[card]);
        ++placed;
    }
    EXPECT_GT(placed, 0);
    int unplaced = 0;
    for (int card = 0; card < CardCount; ++card)
        unplaced += knowledge.unplaced[card];
    int missing = 0;
    for (int seat = 1; seat <= SeatCount; ++seat)
        if (seat != 3)
            missing += knowledge.handSizes[seat] - heldCount(knowledge.known[seat]);
    EXPECT_EQ(unplaced, missing);
    SeededRandom random(5);
    const PerSeat<Hand> dealt = sampleHands(knowledge, random);
    for (int seat = 1; seat <= SeatCount; ++seat)
        EXPECT_EQ(heldCount(dealt[seat]), knowledge.handSizes[seat]) << "seat " << seat;
}

// Stopped while it thinks, a decision ends at once with nothing, however long it meant to take.
TEST(TwelveForesight, StopsMidDecision)
{
    Level8Game play(11);
    ForesightQuestion question;
    play.playQuestions(3, [&](const ForesightQuestion &asked) { question = asked; });
    ASSERT_EQ(question.kind, ForesightQuestion::Kind::Worths);
    constexpr TwelveForesight::Effort Endless{1 << 30, 1 << 30, 30};
    std::stop_source stop;
    std::optional<ForesightAnswer> answer = ForesightAnswer{};
    std::jthread thinking(
        [&] { answer = TwelveForesight::answer(question, stop.get_token(), Endless); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    stop.request_stop();
    thinking.join();
    EXPECT_FALSE(answer);
}

// The turn takes only an answer to its own question that fits it.
TEST(TwelveForesight, TheTurnRefusesAnswersThatDoNotFit)
{
    Level8Game play(5);
    ASSERT_EQ(play.turn.GameState(), TurnState::Thinking);
    const ForesightQuestion asked = play.turn.Question();
    ASSERT_EQ(asked.kind, ForesightQuestion::Kind::Puts);
    ForesightAnswer answer = *TwelveForesight::answer(asked, {}, BriefThought);

    ForesightAnswer earlier = answer;
    --earlier.serial;
    ForesightAnswer notHeld = answer;
    for (int card = 0; card < CardCount; ++card)
        if (!play.game.Holding[3][card])
            notHeld.puts[3] = card;
    for (const ForesightAnswer &wrong : {earlier, notHeld}) {
        EXPECT_FALSE(play.turn.Answer(wrong));
        EXPECT_EQ(play.turn.GameState(), TurnState::Thinking);
        EXPECT_FALSE(play.turn.mayPut(leastValuedCard(play.game.Holding[HumanSeat])));
    }
    ASSERT_TRUE(play.turn.Answer(answer));
    EXPECT_EQ(play.turn.GameState(), TurnState::Travelling);
    for (int seat = 2; seat <= SeatCount; ++seat)
        EXPECT_EQ(play.game.TurnSlot[seat].Card, answer.puts[seat]);
    // Taken once.
    EXPECT_FALSE(play.turn.Answer(answer));

    play.playQuestions(1, [](const ForesightQuestion &) {});
    const ForesightQuestion worthQuestion = play.turn.Question();
    ASSERT_EQ(worthQuestion.kind, ForesightQuestion::Kind::Worths);
    ForesightAnswer negative = *TwelveForesight::answer(worthQuestion, {}, BriefThought);
    negative.worths[2][1] = -1;
    EXPECT_FALSE(play.turn.Answer(negative));
    // A new game asks again: the answer to the old question is refused.
    const ForesightAnswer old = *TwelveForesight::answer(worthQuestion, {}, BriefThought);
    play.turn.NewGame();
    EXPECT_FALSE(play.turn.Answer(old));
}

// A kept game at level 8 goes on at level 8, with what the computers had seen.
TEST(TwelveForesight, AKeptGameGoesOnAtLevel8)
{
    Level8Game play(9);
    play.playQuestions(30, [](const ForesightQuestion &) {});
    const TwelveGame &start = play.turn.TurnStart();
    const std::optional<TwelveGame> kept = TwelveKeptGame::decode(TwelveKeptGame::encode(start));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->Difficulty, ForesightDifficulty);
    EXPECT_EQ(kept->SeenWith, start.SeenWith);
    EXPECT_EQ(kept->SeenFrom, start.SeenFrom);

    TwelveGame resumed;
    SeededRandom random(1);
    TwelveTurn turn(resumed, random);
    ASSERT_TRUE(turn.ResumeGame(*kept));
    EXPECT_EQ(turn.GameState(), TurnState::Thinking);
    EXPECT_EQ(turn.Question().kind, ForesightQuestion::Kind::Puts);
}

// Whole games at level 8 end, every answer taken, the points never below zero.
TEST(TwelveForesight, WholeGamesAtLevel8End)
{
    for (unsigned seed : {1u}) {
        Level8Game play(seed);
        for (int steps = 0; !play.game.GameOver; ++steps) {
            ASSERT_LT(steps, 200000) << "seed " << seed;
            play.step();
            for (int seat = 1; seat <= SeatCount; ++seat)
                ASSERT_GE(play.game.Scores[play.game.RoundNo][seat], 0);
        }
    }
}
