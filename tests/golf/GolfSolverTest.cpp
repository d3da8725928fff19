#include "GolfAdvice.h"
#include "GolfFixtures.h"
#include "GolfUnseenTable.h"
#include "PlainSearch.h"
#include "Random.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

// A position late in a game: the columns (top card first), the stock in the order it would
// be turned, and the card on top of the foundation. Cards named nowhere are on the foundation.
GolfPosition late(GolfLayout layout, const std::vector<std::vector<int>> &columns,
                  const std::vector<int> &turns, int top)
{
    GolfPosition position;
    position.layout = layout;
    int inPlay = 0;
    for (int c = 0; c < int(columns.size()); ++c) {
        position.columnLen[c] = int(columns[c].size());
        for (int r = 0; r < int(columns[c].size()); ++r)
            position.tableau[c][r] = columns[c][r];
        inPlay += int(columns[c].size());
    }
    position.stockCount = int(turns.size());
    for (int i = 0; i < position.stockCount; ++i)
        position.stock[position.stockCount - 1 - i] = turns[i];
    position.foundationCount = GolfLayout::DeckSize - inPlay - position.stockCount;
    position.foundation[position.foundationCount - 1] = top;
    return position;
}

// Plays the line on the position and returns the cards left at the end.
int replay(GolfPosition position, const std::vector<GolfMove> &line)
{
    for (const GolfMove &move : line) {
        EXPECT_FALSE(position.over());
        EXPECT_TRUE(position.allowed(move));
        if (!position.allowed(move))
            return -1;
        position.apply(move);
    }
    EXPECT_TRUE(position.over()) << "the line stops before the end";
    return position.cardsLeft();
}

struct KnownCase
{
    const char *name;
    GolfPosition position;
    int fewest;
};

}

TEST(GolfSolver, HandBuiltPositionsHaveTheirKnownAnswers)
{
    const GolfLayout small{3, 3};
    const KnownCase cases[] = {
        // Playing the Six at once leaves the Four: it waits for the stock's Five.
        {"won only by turning at the right moment",
         late(small, {{card(Four), card(Six)}}, {card(Five), card(Ten)}, card(Seven)), 0},
        // Nothing goes on a King: the Queen must wait for the stock's Jack.
        {"King on the foundation", late(small, {{card(Queen)}}, {card(Jack)}, card(King)), 0},
        {"King on the foundation and nothing to follow",
         late(small, {{card(Queen)}}, {card(Three)}, card(King)), 1},
        {"Two on an Ace, Ace on a Two", late(small, {{card(Two)}, {card(Ace, 1)}}, {}, card(Ace)),
         0},
        {"no King on an Ace", late(small, {{card(King)}}, {}, card(Ace)), 1},
        {"empty stock with one fitting card",
         late(small, {{card(Nine), card(Four)}, {card(Eight)}}, {}, card(Five)), 2},
        // The King can only follow the Queen, and then the run ends.
        {"a King ends a run",
         late(small, {{card(Jack, 1), card(King)}, {card(Queen)}}, {}, card(Jack)), 1},
        {"a King waits for a Queen",
         late(small, {{card(Jack), card(King)}, {card(Queen)}}, {}, card(Ten)), 3},
    };
    GolfSolver solver;
    for (const KnownCase &known : cases) {
        SCOPED_TRACE(known.name);
        const GolfSolution solution = solver.solve(known.position);
        ASSERT_TRUE(solution.complete);
        EXPECT_EQ(solution.fewestCardsLeft, known.fewest);
        EXPECT_EQ(replay(known.position, solution.line), known.fewest);
    }
}

TEST(GolfSolver, TheLinePlayedThroughTheGameLeavesWhatItPromised)
{
    GolfSolver solver;
    for (unsigned seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        GolfUnseenTable table;
        GolfGame game(random, table, table);
        game.NewGame();
        const GolfSolution solution = solver.solve(game.position());
        ASSERT_TRUE(solution.complete);
        for (const GolfMove &move : solution.line) {
            ASSERT_FALSE(game.GameOver());
            if (move.kind == GolfMove::Turn)
                game.TurnStock();
            else
                game.PlayCard(game.Tableau(move.column, game.ColumnLen(move.column) - 1));
        }
        EXPECT_TRUE(game.GameOver());
        EXPECT_EQ(game.cardsLeft(), solution.fewestCardsLeft);
    }
}

TEST(GolfSolver, AgreesWithThePlainSearchOnRandomDealsAndPositions)
{
    GolfSolver solver;
    int won = 0;
    int lost = 0;
    for (const GolfLayout layout : {GolfLayout{3, 3}, GolfLayout{4, 3}, GolfLayout{3, 5},
                                    GolfLayout{5, 3}, GolfLayout{1, 9}}) {
        for (unsigned seed = 1; seed <= 12; ++seed) {
            SCOPED_TRACE(testing::Message()
                         << layout.columns << "x" << layout.rows << " seed " << seed);
            SeededRandom random(seed);
            std::array<int, GolfLayout::DeckSize> ids;
            std::iota(ids.begin(), ids.end(), 0);
            for (int i = GolfLayout::DeckSize - 1; i > 0; --i)
                std::swap(ids[i], ids[random.random(i + 1)]);
            GolfPosition position = GolfPosition::dealt(layout, ids);
            // The deal, and a position some random moves into it.
            for (int step = 0; step < 2; ++step) {
                const GolfSolution solution = solver.solve(position);
                ASSERT_TRUE(solution.complete);
                ASSERT_EQ(solution.fewestCardsLeft, plainSearch(position).fewestCardsLeft);
                ASSERT_EQ(replay(position, solution.line), solution.fewestCardsLeft);
                (solution.fewestCardsLeft == 0 ? won : lost) += 1;
                for (int moves = 0; moves < 8 && !position.over(); ++moves) {
                    const int c = random.random(layout.columns);
                    position.apply(position.canPlay(c) || !position.canTurn() ? GolfMove::play(c)
                                                                              : GolfMove::turn());
                    if (!position.canPlay(c) && !position.canTurn())
                        break;
                }
            }
        }
    }
    EXPECT_GT(won, 0);
    EXPECT_GT(lost, 0);
}

TEST(GolfSolver, StopsWhenCancelled)
{
    SeededRandom random(3);
    GolfUnseenTable table;
    GolfGame game(random, table, table);
    game.NewGame();
    const std::atomic<bool> cancel{true};
    GolfSolver solver;
    EXPECT_FALSE(solver.solve(game.position(), &cancel).complete);
    EXPECT_TRUE(solver.solve(game.position()).complete) << "the next search starts anew";
}

TEST(GolfAdvice, ALostGameCountsTheBackupsToTheLastWinnablePosition)
{
    // Column 0: Four over two Sixes; the stock turns Seven (the start), then Five and Ten.
    GolfUnseenTable table;
    ScriptedRandom random = scriptedDeal({3, 3},
                                         {{card(Four), card(Six, 1), card(Six)},
                                          {card(Three), card(Two), card(Ace)},
                                          {card(Jack), card(Queen), card(King)}},
                                         {card(Seven), card(Five), card(Ten)});
    GolfGame game(random, table, table);
    game.setLayout({3, 3});
    game.NewGame();
    GolfSolver solver;
    const GolfAdvice fresh = adviseOn(game.position(), solver);
    ASSERT_TRUE(fresh.complete);
    EXPECT_FALSE(fresh.gameOver);

    // A careless player: plays the Six at once, then only turns the stock.
    game.PlayCard(card(Six));
    while (!game.GameOver())
        game.TurnStock();
    const GolfAdvice over = adviseOn(game.position(), solver);
    ASSERT_TRUE(over.complete);
    EXPECT_TRUE(over.gameOver);
    EXPECT_EQ(over.fewestCardsLeft, fresh.fewestCardsLeft);
    ASSERT_GT(over.movesBack, 0);

    // The count is exact: one Backup fewer is not enough.
    for (int i = 1; i < over.movesBack; ++i)
        game.Backup();
    EXPECT_GT(solver.solve(game.position()).fewestCardsLeft, over.fewestCardsLeft);
    game.Backup();
    EXPECT_EQ(solver.solve(game.position()).fewestCardsLeft, over.fewestCardsLeft);
}
