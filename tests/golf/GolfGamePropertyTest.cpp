#include "GolfFixtures.h"
#include "Random.h"

#include <gtest/gtest.h>

namespace {

// Counts what the game records, without a file.
class NetResults : public GolfResultRecorder
{
public:
    void RecordResult(GolfLayout, int, int delta) override { net += delta; }
    int net = 0;
};

// Every card in exactly one place, the table showing each where the game keeps it, and the
// result counted exactly while the game is over.
void checkState(const GolfGame &game, const RecordingView &view, const NetResults &results)
{
    std::array<int, GolfLayout::DeckSize> seen{};
    int columnCards = 0;
    for (int c = 0; c < game.Columns(); ++c) {
        columnCards += game.ColumnLen(c);
        for (int r = 0; r < game.ColumnLen(c); ++r) {
            const int id = game.Tableau(c, r);
            ++seen[id];
            ASSERT_EQ(view.places[id], (CardPlace{CardPlace::InColumn, c, r}));
        }
    }
    for (int i = 0; i < game.StockCount(); ++i) {
        const int id = game.Stock(i);
        ++seen[id];
        ASSERT_EQ(view.places[id], CardPlace{});
    }
    for (int n = 1; n <= game.FoundationCount(); ++n) {
        const int id = game.Foundation(n);
        ++seen[id];
        ASSERT_EQ(view.places[id], (CardPlace{CardPlace::OnFoundation, -1, -1, n}));
    }
    ASSERT_EQ(columnCards + game.StockCount() + game.FoundationCount(), GolfLayout::DeckSize);
    for (int id = 0; id < GolfLayout::DeckSize; ++id)
        ASSERT_EQ(seen[id], 1) << "card " << id;
    ASSERT_EQ(view.stockCounter, game.StockCount());
    ASSERT_EQ(view.stockShown, game.StockCount() > 0);
    ASSERT_EQ(results.net, game.GameOver() ? 1 : 0);
    ASSERT_EQ(view.result, game.GameOver() ? game.cardsLeft() : -1);
}

std::vector<int> fittingCards(const GolfGame &game)
{
    std::vector<int> cards;
    const int top = game.Foundation(game.FoundationCount());
    for (int c = 0; c < game.Columns(); ++c)
        if (game.ColumnLen(c) > 0
            && GolfPosition::fits(top, game.Tableau(c, game.ColumnLen(c) - 1)))
            cards.push_back(game.Tableau(c, game.ColumnLen(c) - 1));
    return cards;
}

GolfLayout anyLayout(Random &random)
{
    GolfLayout layout{1 + random.random(GolfLayout::MaxColumns),
                      1 + random.random(GolfLayout::MaxRows)};
    if (layout.dealtCards() > GolfLayout::DeckSize)
        layout.rows = GolfLayout::DeckSize / layout.columns;
    return layout;
}

}

TEST(GolfGameProperty, RandomPlayKeepsEveryCardInOnePlaceAndBackupRestoresTheDeal)
{
    constexpr int Games = 300;
    constexpr int MovesPerGame = 150;
    int reopened = 0; // ended games taken back, so the play covers both ends of Backup
    for (unsigned seed = 1; seed <= Games; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom dealing(seed);
        SeededRandom player(seed + Games);
        RecordingView view;
        NetResults results;
        GolfGame game(dealing, view, results);
        game.setLayout(anyLayout(player));
        game.NewGame();
        const GolfGame dealt = game;

        for (int move = 0; move < MovesPerGame; ++move) {
            const int choice = player.random(10);
            const std::vector<int> playable = fittingCards(game);
            if (choice < 6 && !playable.empty())
                game.PlayCard(playable[player.random(int(playable.size()))]);
            else if (choice == 6)
                game.PlayCard(player.random(GolfLayout::DeckSize));
            else if (choice < 9)
                game.TurnStock();
            else {
                reopened += game.GameOver();
                game.Backup();
            }
            checkState(game, view, results);
            if (testing::Test::HasFatalFailure())
                return;
        }

        while (game.FoundationCount() > 1)
            game.Backup();
        checkState(game, view, results);
        for (int c = 0; c < game.Columns(); ++c) {
            ASSERT_EQ(game.ColumnLen(c), game.Rows());
            for (int r = 0; r < game.Rows(); ++r)
                ASSERT_EQ(game.Tableau(c, r), dealt.Tableau(c, r));
        }
        ASSERT_EQ(game.StockCount(), dealt.StockCount());
        ASSERT_EQ(game.Foundation(1), dealt.Foundation(1));
    }
    EXPECT_GT(reopened, Games / 10);
}
