#include "GolfWinnableDeal.h"

#include "GolfGame.h"
#include "GolfSolver.h"

namespace {

// A table nobody looks at, and results nobody keeps.
class UnseenTable : public GolfView, public GolfResultRecorder
{
    void hideAllCards() override { }
    void hideCard(int) override { }
    void PlaceInColumn(int, int, int) override { }
    void PlaceOnFoundation(int, int) override { }
    void showStock(bool) override { }
    void setStockCount(int) override { }
    void ShowResult(int) override { }
    void hideResult() override { }
    void playSound(Sound) override { }
    void RecordResult(GolfLayout, int, int) override { }
};

}

bool findWinnableDeal(GolfDealRandom &random, GolfLayout layout, GolfSolver &solver,
                      std::chrono::milliseconds timeLimit)
{
    const auto deadline = std::chrono::steady_clock::now() + timeLimit;
    UnseenTable table;
    GolfGame trial(random, table, table);
    trial.setLayout(layout);
    do {
        random.startNoting();
        trial.NewGame();
        if (solver.solve(GolfPosition::of(trial)).fewestCardsLeft == 0) {
            random.replayNoted();
            return true;
        }
    } while (std::chrono::steady_clock::now() < deadline);
    random.stopNoting();
    return false;
}
