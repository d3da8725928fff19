#include "TwelveKeptGame.h"
#include "Random.h"
#include "TempDataDir.h"
#include "TwelveTestHands.h"
#include "TwelveTurn.h"

#include <gtest/gtest.h>

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
    game.Scores[4] = {0, 1210, 0, 955, 1480};
    game.TurnNo = 17;
    game.RankPutCount[Seven] = 3;
    for (int card = 0; card < CardCount; ++card)
        game.HumanSince[card] = card % 17;
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
        {"round 12", [](TwelveGame &g) { g.RoundNo = 12; }},
        {"a level beyond the hardest", [](TwelveGame &g) { g.Difficulty = 4.5; }},
        {"a scoring mode unknown", [](TwelveGame &g) { g.ScoringMode = 3; }},
        {"a name too long", [](TwelveGame &g) { g.PlayerNames[2] = "Sixteen letters!"; }},
        {"a name ending in a blank", [](TwelveGame &g) { g.PlayerNames[2] = "John "; }},
        {"a turn past the drawn round", [](TwelveGame &g) { g.TurnNo = DrawnRoundTurns + 1; }},
        {"a card kept since a later turn", [](TwelveGame &g) { g.HumanSince.fill(g.TurnNo + 1); }},
    };
    for (const BrokenCase &c : cases) {
        SCOPED_TRACE(c.what);
        TwelveGame game = keptGame();
        c.breakGame(game);
        EXPECT_FALSE(TwelveKeptGame::decode(TwelveKeptGame::encode(game)));
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
