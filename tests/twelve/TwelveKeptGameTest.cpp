#include "TwelveKeptGame.h"
#include "Random.h"
#include "TempDataDir.h"
#include "TwelveTestHands.h"
#include "TwelveTurn.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

int firstHeld(const TwelveGame &game)
{
    for (int card = 0; card < CardCount; ++card)
        if (game.Holding[HumanSeat][card])
            return card;
    return -1;
}

// A game in its fourth round at level 4 with Average scoring and names of its own.
TwelveGame keptGame()
{
    TwelveGame game;
    game.Difficulty = 2.5;
    game.ScoringMode = AverageScoring;
    game.PlayerNames = {"", "Zoë", "John", "", "Eric Bloodaxe"};
    SeededRandom deal(9);
    NewGame(game);
    for (int round = 1; round <= 4; ++round)
        NextRound(game, deal);
    // Each finished round paid its prizes, one to a place, less the bids; the fourth has only
    // taken bids so far.
    game.Scores[1] = {0, 1070, 1050, 1025, 990};
    game.Scores[2] = {0, 1095, 1150, 1025, 1040};
    game.Scores[3] = {0, 1095, 1175, 1035, 1140};
    game.Scores[4] = {0, 1090, 1175, 0, 1140};
    game.TurnNo = 17;
    game.RankPutCount[Seven] = 3;
    for (int card = 0; card < CardCount; ++card)
        game.HumanSince[card] = card % 17;
    // Three cards seen going to seat 2, put by seat 3 and by seat 2 itself.
    for (int card = 0, seen = 0; card < CardCount && seen < 3; ++card)
        if (game.Holding[2][card]) {
            game.SeenWith[card] = 2;
            game.SeenFrom[card] = 2 + seen++ % 2;
        }
    return game;
}

TEST(TwelveKeptGame, ReadsBackWhatItWrote)
{
    const TwelveGame game = keptGame();
    const std::optional<TwelveGame> read = TwelveKeptGame::decode(TwelveKeptGame::encode(game));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Difficulty, game.Difficulty);
    EXPECT_EQ(read->ScoringMode, game.ScoringMode);
    EXPECT_EQ(read->PlayerNames, game.PlayerNames);
    EXPECT_EQ(read->RoundNo, 4);
    EXPECT_EQ(read->TurnNo, 17);
    EXPECT_EQ(read->Scores, game.Scores);
    EXPECT_EQ(read->Holding, game.Holding);
    EXPECT_EQ(read->RankPutCount, game.RankPutCount);
    for (int card = 0; card < CardCount; ++card)
        if (game.Holding[HumanSeat][card]) {
            EXPECT_EQ(read->HumanSince[card], game.HumanSince[card]) << card;
        }
    EXPECT_EQ(read->SeenWith, game.SeenWith);
    EXPECT_EQ(read->SeenFrom, game.SeenFrom);
}

// A game kept before the computers remembered what they saw reads as if nothing had been seen.
TEST(TwelveKeptGame, AGameOfTheSecondVersionStillReads)
{
    const QByteArray second = TwelveKeptGame::encode(keptGame(), 2);
    ASSERT_FALSE(second.contains("seen"));
    const std::optional<TwelveGame> read = TwelveKeptGame::decode(second);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->SeenWith, decltype(read->SeenWith){});
    EXPECT_EQ(read->SeenFrom, decltype(read->SeenFrom){});
}

// A game kept by the previous version has no clocks: the human's cards count as just given.
TEST(TwelveKeptGame, AGameOfTheFirstVersionStillReads)
{
    const TwelveGame game = keptGame();
    const QByteArray first = TwelveKeptGame::encode(game, 1);
    ASSERT_FALSE(first.contains("since"));
    const std::optional<TwelveGame> read = TwelveKeptGame::decode(first);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Holding, game.Holding);
    for (int card = 0; card < CardCount; ++card)
        if (game.Holding[HumanSeat][card]) {
            EXPECT_EQ(read->HumanSince[card], game.TurnNo) << card;
        }
}

struct BrokenCase
{
    const char *what;
    void (*breakGame)(TwelveGame &game);
};

// Games the program never keeps; written with a right checksum, they are still refused.
TEST(TwelveKeptGame, RefusesAGameThatCannotBe)
{
    const BrokenCase cases[] = {
        {"a card in two hands",
         [](TwelveGame &g) {
             const int card = cardOf(Clubs, Two);
             for (int seat = 1; seat <= SeatCount; ++seat)
                 g.Holding[seat][card] = true;
         }},
        {"a card in no hand", [](TwelveGame &g) { g.Holding = {}; }},
        {"a score in a round not played", [](TwelveGame &g) { g.Scores[9][2] = 5; }},
        {"a round played without scores", [](TwelveGame &g) { g.Scores[2][1] = NotPlayed; }},
        {"negative points", [](TwelveGame &g) { g.Scores[4][3] = -7; }},
        {"every point a game can reach, in round 1", [](TwelveGame &g) { g.Scores[1][2] = 2100; }},
        {"more than the first prize in a round", [](TwelveGame &g) { g.Scores[2][1] = 1171; }},
        {"the first prize twice in a round",
         [](TwelveGame &g) {
             g.Scores[3][1] = g.Scores[2][1] + PrizeTable[1];
             g.Scores[4][1] = g.Scores[3][1];
         }},
        {"points gained before the round ended", [](TwelveGame &g) { g.Scores[4][3] = 1036; }},
        {"bids paid before the first turn",
         [](TwelveGame &g) {
             g.TurnNo = 0;
             g.HumanSince.fill(0);
             g.RankPutCount.fill(0);
             g.Scores[4] = {0, 0, 0, 0, 1140};
         }},
        {"more cards put than four a turn",
         [](TwelveGame &g) { g.RankPutCount[Ace] = SeatCount * g.TurnNo - 2; }},
        {"round 12", [](TwelveGame &g) { g.RoundNo = 12; }},
        {"a level beyond the hardest", [](TwelveGame &g) { g.Difficulty = 5.0; }},
        {"a scoring mode unknown", [](TwelveGame &g) { g.ScoringMode = 3; }},
        {"a name too long", [](TwelveGame &g) { g.PlayerNames[2] = "Sixteen letters!"; }},
        {"a name ending in a blank", [](TwelveGame &g) { g.PlayerNames[2] = "John "; }},
        {"two empty names", [](TwelveGame &g) { g.PlayerNames[2] = ""; }},
        {"a name twice", [](TwelveGame &g) { g.PlayerNames[4] = "John"; }},
        {"a control character in a name", [](TwelveGame &g) { g.PlayerNames[2] = "Jo\thn"; }},
        {"a letter the settings file cannot hold",
         [](TwelveGame &g) { g.PlayerNames[2] = "\u674e"; }},
        {"a turn past the drawn round", [](TwelveGame &g) { g.TurnNo = DrawnRoundTurns + 1; }},
        {"a card kept since a later turn", [](TwelveGame &g) { g.HumanSince.fill(g.TurnNo + 1); }},
        {"a card seen going to a seat that does not hold it",
         [](TwelveGame &g) { g.SeenWith.fill(3); }},
        {"a card put that went to nobody",
         [](TwelveGame &g) {
             g.SeenWith.fill(0);
             g.SeenFrom[0] = 1;
         }},
        {"a card seen going to a seat past the fourth", [](TwelveGame &g) { g.SeenFrom[0] = 5; }},
    };
    for (const BrokenCase &c : cases) {
        SCOPED_TRACE(c.what);
        TwelveGame game = keptGame();
        c.breakGame(game);
        EXPECT_FALSE(TwelveKeptGame::decode(TwelveKeptGame::encode(game)));
    }
}

// What play can leave at the start of a turn: the first turn of a game and of a round, and one
// empty name among the others.
TEST(TwelveKeptGame, AcceptsTheEdgesOfPlay)
{
    const BrokenCase cases[] = {
        {"the first turn of a game",
         [](TwelveGame &g) {
             SeededRandom deal(3);
             NewGame(g);
             NextRound(g, deal);
         }},
        {"the first turn of a round",
         [](TwelveGame &g) {
             g.Scores[4] = g.Scores[3];
             g.TurnNo = 0;
             g.HumanSince.fill(0);
             g.RankPutCount.fill(0);
         }},
        {"a round that drew and one that paid every prize with no bids",
         [](TwelveGame &g) {
             g.Scores[2] = g.Scores[1];
             g.Scores[3] = {0, 1095, 1100, 1025, 1090};
             g.Scores[4] = g.Scores[3];
         }},
        {"every card put that four a turn allow",
         [](TwelveGame &g) { g.RankPutCount[Ace] = SeatCount * g.TurnNo - 3; }},
        {"the last turn before the round ends drawn",
         [](TwelveGame &g) { g.TurnNo = DrawnRoundTurns; }},
    };
    for (const BrokenCase &c : cases) {
        SCOPED_TRACE(c.what);
        TwelveGame game = keptGame();
        c.breakGame(game);
        const std::optional<TwelveGame> read = TwelveKeptGame::decode(TwelveKeptGame::encode(game));
        ASSERT_TRUE(read);
        EXPECT_EQ(read->Scores, game.Scores);
        EXPECT_EQ(read->PlayerNames[3], "");
    }
}

// Seat 1 played carelessly (at random) or stubbornly (always the same way, never bidding).
class SeatOnePlay
{
public:
    SeatOnePlay(TwelveTurn &turn, TwelveGame &game, bool careless, unsigned seed)
        : turn(turn)
        , game(game)
        , careless(careless)
        , random(seed)
    { }

    void step()
    {
        switch (turn.GameState()) {
        case TurnState::Travelling:
            if (game.TurnSlot[HumanSeat].MoveState == MoveNotPut)
                turn.PutCard(
                    pick([this](int card) { return game.Holding[HumanSeat][card]; }, CardCount));
            for (int slot = 1; slot <= SlotCount; ++slot)
                turn.CardArrived(slot);
            break;
        case TurnState::Choosing:
            turn.ChooseCard(
                pick([this](int slot) { return slot > 0 && turn.mayChoose(slot); }, SlotCount + 1));
            break;
        case TurnState::Bidding:
            if (turn.BidStep() == BidOutcome::WaitingForHuman
                && !(careless && random.random(2) == 0 && turn.RaiseBid(1 + random.random(5))))
                turn.NoMore();
            break;
        case TurnState::AtAllCostsPause:
            turn.CloseAuction();
            break;
        default:
            turn.AnimationFinished();
            break;
        }
    }

private:
    // The first of the allowed choices, or one of them at random.
    int pick(const std::function<bool(int)> &allowed, int count)
    {
        std::vector<int> choices;
        for (int choice = 0; choice < count; ++choice)
            if (allowed(choice))
                choices.push_back(choice);
        if (choices.empty())
            return 0;
        return careless ? choices[random.random(int(choices.size()))] : choices.front();
    }

    TwelveTurn &turn;
    TwelveGame &game;
    bool careless;
    SeededRandom random;
};

// The reader takes every game that play keeps, by careless and stubborn players alike, up to
// rounds that end drawn.
TEST(TwelveKeptGame, EveryTurnStartOfWholeGamesReadsBack)
{
    for (const bool careless : {true, false}) {
        SCOPED_TRACE(careless ? "careless" : "stubborn");
        TwelveGame game;
        game.Difficulty = careless ? 1.0 : 4.0;
        SeededRandom random(11);
        TwelveTurn turn(game, random);
        SeatOnePlay player(turn, game, careless, 5);
        int kept = 0;
        turn.onTurnStarted = [&] {
            ++kept;
            const QByteArray bytes = TwelveKeptGame::encode(turn.TurnStart());
            const std::optional<TwelveGame> read = TwelveKeptGame::decode(bytes);
            ASSERT_TRUE(read) << "round " << game.RoundNo << ", turn " << game.TurnNo << "\n"
                              << bytes.toStdString();
            EXPECT_EQ(TwelveKeptGame::encode(*read), bytes);
        };
        turn.NewGame();
        while (!game.GameOver) {
            if (turn.GameState() == TurnState::RoundOver)
                turn.EndOfRoundConfirmed({});
            else
                player.step();
            ASSERT_FALSE(HasFatalFailure());
        }
        EXPECT_GT(kept, RoundCount);
    }
}

TEST(TwelveKeptGame, TheEngineGoesOnFromTheStartOfTheKeptTurn)
{
    TwelveGame game;
    SeededRandom random(4);
    TwelveTurn turn(game, random);
    turn.NewGame();
    ASSERT_EQ(turn.GameState(), TurnState::Travelling);
    ASSERT_TRUE(turn.PutCard(firstHeld(game)));
    const TwelveGame start = turn.TurnStart();
    EXPECT_EQ(heldCount(start.Holding[HumanSeat]), HandSize);
    EXPECT_EQ(start.TurnNo, 0);

    TwelveGame resumed;
    TwelveTurn again(resumed, random);
    ASSERT_TRUE(again.ResumeGame(start));
    EXPECT_EQ(again.GameState(), TurnState::Travelling);
    EXPECT_EQ(resumed.TurnNo, 1);
    EXPECT_EQ(resumed.Holding[HumanSeat], start.Holding[HumanSeat]);

    // Hands that are not whole are refused, and the game stays as it was.
    TwelveGame cut = start;
    cut.Holding[2] = {};
    EXPECT_FALSE(again.ResumeGame(cut));
    EXPECT_EQ(resumed.Holding[HumanSeat], start.Holding[HumanSeat]);
}

} // namespace

class TwelveKeptGameFile : public TempDataDir
{
};

// A finished game is never offered again: its file goes, or where it cannot go (a file in use,
// on some systems), a record of a finished game takes its place, which reads as no kept game.
TEST_F(TwelveKeptGameFile, AFinishedGameIsForgotten)
{
    const QString path = dataPath(QString::fromLatin1(TwelveKeptGame::FileName));
    TwelveKeptGame::write(path, keptGame());
    EXPECT_TRUE(TwelveKeptGame::forget(path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(TwelveKeptGame::forget(path)) << "nothing left to forget";

    writeDataFile(QString::fromLatin1(TwelveKeptGame::FileName),
                  "Kovra Twelve kept game\nfinished\n");
    EXPECT_FALSE(TwelveKeptGame::read(path).found);
}
