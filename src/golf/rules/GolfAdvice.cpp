#include "GolfAdvice.h"

GolfAdvice adviseOn(const GolfPosition &position, GolfSolver &solver,
                    const std::atomic<bool> *cancel)
{
    GolfAdvice advice;
    if (!position.over()) {
        GolfSolution solution = solver.solve(position, cancel);
        advice.complete = solution.complete;
        advice.fewestCardsLeft = solution.fewestCardsLeft;
        advice.line = std::move(solution.line);
        return advice;
    }
    advice.gameOver = true;
    // history[k]: the position k Backups back.
    std::vector<GolfPosition> history{position};
    for (GolfPosition earlier = position; earlier.takeBack();)
        history.push_back(earlier);

    const auto fewest = [&](int movesBack) {
        const GolfSolution solution = solver.solve(history[movesBack], cancel);
        return solution.complete ? solution.fewestCardsLeft : -1;
    };
    const int best = fewest(int(history.size()) - 1);
    if (best < 0)
        return advice;
    // The fewest Backups whose position still reaches best: the answer is in (low, high].
    int low = -1;
    int high = int(history.size()) - 1;
    if (position.cardsLeft() == best)
        high = 0;
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        const int value = fewest(middle);
        if (value < 0)
            return advice;
        if (value == best)
            high = middle;
        else
            low = middle;
    }
    advice.complete = true;
    advice.fewestCardsLeft = best;
    advice.movesBack = high;
    return advice;
}
