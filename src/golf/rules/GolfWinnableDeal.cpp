#include "GolfWinnableDeal.h"

#include "GolfSolver.h"
#include "GolfUnseenTable.h"

bool findWinnableDeal(GolfDealRandom &random, GolfLayout layout, GolfSolver &solver,
                      std::chrono::milliseconds timeLimit)
{
    const auto deadline = std::chrono::steady_clock::now() + timeLimit;
    GolfUnseenTable table;
    GolfGame trial(random, table, table);
    trial.setLayout(layout);
    do {
        random.startNoting();
        trial.NewGame();
        if (solver.solve(trial.position()).fewestCardsLeft == 0) {
            random.replayNoted();
            return true;
        }
    } while (std::chrono::steady_clock::now() < deadline);
    random.stopNoting();
    return false;
}
