#include "FileError.h"
#include "GolfFixtures.h"
#include "GolfResults.h"
#include "IniFile.h"
#include "Random.h"
#include "TempDataDir.h"

#include <QDir>

namespace {

using Sound = GolfView::Sound;

class GolfGameTest : public TempDataDir
{
protected:
    // Deals with these draws on this layout.
    void start(ScriptedRandom draws, GolfLayout layout)
    {
        script = std::move(draws);
        game = std::make_unique<GolfGame>(script, view, results);
        game->setLayout(layout);
        game->NewGame();
        view.sounds.clear();
    }

    int stored(const QString &key, GolfLayout layout = {}) const
    {
        return IniFile(dataPath("Golf.ere")).readInteger(GolfResultsFile::section(layout), key, 0);
    }

    RecordingView view;
    GolfResultsFile results;
    ScriptedRandom script;
    std::unique_ptr<GolfGame> game;
};

// A 7 x 5 deal whose stock turns Five first, then fifteen cards and a King last, so the game
// ends with the stock when nothing is played.
ScriptedRandom dealEndingOnKing()
{
    std::vector<int> turns{card(Five)};
    for (int suit = 1; suit <= 3; ++suit)
        for (Rank rank : {Two, Three, Four, Six, Seven})
            turns.push_back(card(rank, suit));
    turns.push_back(card(King));
    return scriptedDeal({7, 5}, {}, turns);
}

}

TEST_F(GolfGameTest, FreshDefaultGameDealsColumnsAndTurnsOneStockCard)
{
    SeededRandom random(7);
    game = std::make_unique<GolfGame>(random, view, results);
    game->NewGame();

    EXPECT_EQ(game->StockCount(), 16);
    EXPECT_EQ(view.stockCounter, 16);
    EXPECT_TRUE(view.stockShown);
    EXPECT_EQ(game->FoundationCount(), 1);
    EXPECT_EQ(view.places[game->Foundation(1)], (CardPlace{CardPlace::OnFoundation, -1, -1, 1}));
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(game->ColumnLen(c), 5);
        for (int r = 0; r < 5; ++r)
            EXPECT_EQ(view.places[game->Tableau(c, r)], (CardPlace{CardPlace::InColumn, c, r}));
    }
    EXPECT_EQ(view.sounds, std::vector{Sound::StockTurned});
    EXPECT_EQ(view.result, -1);
    EXPECT_FALSE(game->GameOver());
}

TEST_F(GolfGameTest, RankRule)
{
    const struct
    {
        Rank top;
        std::vector<Rank> accepted;
    } cases[] = {
        {King, {}}, {Ace, {Two}}, {Two, {Ace, Three}}, {Queen, {Jack, King}}, {Five, {Four, Six}},
    };
    for (const auto &c : cases) {
        for (int candidate = Two; candidate <= Ace; ++candidate) {
            const bool expected
                = std::find(c.accepted.begin(), c.accepted.end(), candidate) != c.accepted.end();
            // Suits play no part.
            EXPECT_EQ(GolfPosition::fits(card(c.top, 2), card(Rank(candidate), 3)), expected)
                << "top " << c.top << " candidate " << candidate;
        }
    }
}

TEST_F(GolfGameTest, OnlyAnExposedFittingCardMoves)
{
    const int coveredFour = card(Four, 1);
    const int exposedNine = card(Nine);
    const int exposedSix = card(Six, 2);
    start(scriptedDeal({2, 2}, {{coveredFour, exposedNine}, {card(Ten), exposedSix}}, {card(Five)}),
          {2, 2});

    game->PlayCard(coveredFour);
    game->PlayCard(exposedNine);
    game->PlayCard(card(Five));
    EXPECT_EQ(game->FoundationCount(), 1);
    EXPECT_TRUE(view.sounds.empty()) << "a refused card makes no sound";

    game->PlayCard(exposedSix);
    EXPECT_EQ(game->FoundationCount(), 2);
    EXPECT_EQ(game->Foundation(2), exposedSix);
    EXPECT_EQ(game->ColumnLen(1), 1);
    EXPECT_EQ(view.places[exposedSix], (CardPlace{CardPlace::OnFoundation, -1, -1, 2}));
    EXPECT_EQ(view.sounds, std::vector{Sound::CardPlayed});

    game->PlayCard(exposedSix); // now the foundation's top card
    EXPECT_EQ(game->FoundationCount(), 2);
}

TEST_F(GolfGameTest, EmptiedColumnStaysEmpty)
{
    const int four = card(Four);
    start(scriptedDeal({1, 1}, {{four}}, {card(Five), card(Three), card(Jack)}), {1, 1});
    game->PlayCard(four);
    ASSERT_EQ(game->ColumnLen(0), 0);

    game->TurnStock(); // a Three: the Four it still remembers in its place would fit
    game->PlayCard(four);
    EXPECT_EQ(game->ColumnLen(0), 0);
    EXPECT_EQ(game->FoundationCount(), 3);
}

TEST_F(GolfGameTest, RunningOutOfStockWithNoFittingCardEndsTheGame)
{
    start(dealEndingOnKing(), {7, 5});
    for (int turn = 0; turn < 15; ++turn)
        game->TurnStock();
    EXPECT_FALSE(game->GameOver()) << "a stock card is left";
    EXPECT_TRUE(view.stockShown);

    game->TurnStock();
    EXPECT_TRUE(game->GameOver());
    EXPECT_FALSE(view.stockShown);
    EXPECT_EQ(view.result, 35);
    EXPECT_EQ(stored("Lap_31_35"), 1);
    EXPECT_EQ(stored("JatSz"), 1);

    game->TurnStock();
    EXPECT_EQ(game->FoundationCount(), 17) << "an empty stock turns nothing";
}

TEST_F(GolfGameTest, ClearedColumnsWinOnlyWithTheLastStockCard)
{
    start(scriptedDeal({1, 1}, {{card(Three)}}, {card(Two)}), {1, 1});
    game->PlayCard(card(Three));
    EXPECT_EQ(game->ColumnLen(0), 0);
    EXPECT_FALSE(game->GameOver()) << "the stock still holds 50 cards";

    while (game->StockCount() > 1)
        game->TurnStock();
    EXPECT_FALSE(game->GameOver());
    game->TurnStock();
    EXPECT_TRUE(game->GameOver());
    EXPECT_EQ(view.result, 0);
    EXPECT_EQ(stored("Lap_0_0", {1, 1}), 1);
}

TEST_F(GolfGameTest, BackupReturnsColumnAndStockCardsSilently)
{
    const int six = card(Six, 1);
    start(scriptedDeal({2, 2}, {{card(Ten), card(Nine)}, {card(Jack), six}}, {card(Five)}), {2, 2});
    game->Backup();
    EXPECT_EQ(game->FoundationCount(), 1) << "the first turned card stays";

    game->PlayCard(six);
    game->TurnStock();
    const int turned = game->Foundation(3);
    view.sounds.clear();

    game->Backup();
    EXPECT_EQ(game->StockCount(), 47);
    EXPECT_EQ(view.stockCounter, 47);
    EXPECT_EQ(view.places[turned], CardPlace{});
    EXPECT_EQ(game->Foundation(game->FoundationCount()), six);

    game->Backup();
    EXPECT_EQ(game->ColumnLen(1), 2);
    EXPECT_EQ(view.places[six], (CardPlace{CardPlace::InColumn, 1, 1}));
    EXPECT_EQ(game->FoundationCount(), 1);
    EXPECT_TRUE(view.sounds.empty());

    game->PlayCard(six);
    EXPECT_EQ(game->FoundationCount(), 2) << "the card plays again from its column";
}

TEST_F(GolfGameTest, BackupOfTheLastStockCardShowsTheStockAgain)
{
    start(scriptedDeal({10, 5}, {}, {card(Five), card(King)}), {10, 5});
    game->TurnStock();
    ASSERT_TRUE(game->GameOver());
    ASSERT_FALSE(view.stockShown);

    game->Backup();
    EXPECT_TRUE(view.stockShown);
    EXPECT_EQ(view.stockCounter, 1);
    EXPECT_EQ(game->StockCount(), 1);
    EXPECT_FALSE(game->GameOver());
    EXPECT_EQ(view.result, -1);
}

TEST_F(GolfGameTest, ResultsCountEachFinishedGameOnce)
{
    start(dealEndingOnKing(), {7, 5});
    for (int turn = 0; turn < 15; ++turn)
        game->TurnStock();
    game->NewGame();
    EXPECT_FALSE(QFile::exists(dataPath("Golf.ere"))) << "a game left before its end counts not";

    start(dealEndingOnKing(), {7, 5});
    while (!game->GameOver())
        game->TurnStock();
    ASSERT_EQ(stored("JatSz"), 1);

    game->Backup();
    EXPECT_FALSE(game->GameOver());
    EXPECT_FALSE(game->ResultRecorded());
    EXPECT_EQ(stored("JatSz"), 0);
    EXPECT_EQ(stored("Lap_31_35"), 0);

    game->TurnStock();
    EXPECT_TRUE(game->GameOver());
    EXPECT_EQ(stored("JatSz"), 1);
    EXPECT_EQ(stored("Lap_31_35"), 1);

    game->CheckEnd(); // the end seen again is not counted again
    EXPECT_EQ(stored("JatSz"), 1);
}

TEST_F(GolfGameTest, UnwritableResultsFileLeavesTheResultUncounted)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("Golf.ere"));
    start(scriptedDeal({10, 5}, {}, {card(Five), card(King)}), {10, 5});
    EXPECT_THROW(game->TurnStock(), FileError);
    EXPECT_TRUE(game->GameOver());
    EXPECT_FALSE(game->ResultRecorded());

    game->Backup(); // nothing to take back, so nothing to fail
    EXPECT_FALSE(game->GameOver());
}
