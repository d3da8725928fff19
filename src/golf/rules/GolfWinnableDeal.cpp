#include "GolfWinnableDeal.h"

#include "GolfDealRandom.h"
#include "GolfGame.h"
#include "GolfSolver.h"
#include "GolfUnseenTable.h"

GolfDealSearch findWinnableDeal(Random &random, GolfLayout layout, GolfSolver &solver,
                                std::chrono::milliseconds timeLimit,
                                const std::atomic<bool> *cancel)
{
    const auto deadline = std::chrono::steady_clock::now() + timeLimit;
    // A long solve stops when the time is up as well as when the search is cancelled.
    std::atomic<bool> stop{false};
    const auto late = [&] {
        return (cancel && cancel->load(std::memory_order_relaxed))
            || std::chrono::steady_clock::now() >= deadline;
    };
    const GolfSolver::Progress progress = [&](std::int64_t) {
        if (late())
            stop = true;
    };
    GolfDealRandom noting(random);
    GolfUnseenTable table;
    GolfGame trial(noting, table, table);
    trial.setLayout(layout);
    GolfDealSearch best;
    do {
        noting.startNoting();
        trial.NewGame();
        const GolfSolution solution = solver.solve(trial.position(), &stop, progress);
        if (!solution.complete)
            break;
        if (best.fewestCardsLeft < 0 || solution.fewestCardsLeft < best.fewestCardsLeft) {
            best.draws = noting.notedDraws();
            best.fewestCardsLeft = solution.fewestCardsLeft;
        }
    } while (best.fewestCardsLeft > 0 && !late());
    best.complete = !(cancel && cancel->load());
    return best;
}
