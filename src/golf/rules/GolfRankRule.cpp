#include "GolfRankRule.h"

#include "GolfPosition.h"

#include <cstdlib>
#include <vector>

const GolfRankRule &GolfRankRule::instance()
{
    static const GolfRankRule rule;
    return rule;
}

GolfRankRule::GolfRankRule()
{
    for (auto &ranks : below)
        ranks.fill(NoRank);
    for (int t = 0; t < Ranks; ++t)
        for (int k = 0; k < Ranks; ++k)
            if (GolfPosition::fits(t, k)) {
                fits[t][k] = true;
                below[k][below[k][0] == NoRank ? 0 : 1] = t;
                takesAny[t] = true;
                takesRanks[t] |= 1u << k;
            }
    findPath();
    findColours();
    // The same facts as whole numbers, for the bound's sums.
    for (int t = 0; t < Ranks; ++t) {
        takes[t] = takesAny[t];
        ofOne[t] = colour[t] == 1;
    }
    for (int i = 0; i < Ranks; ++i)
        takesOnPath[i] = takesAny[path[i]];
}

void GolfRankRule::findPath()
{
    int end = -1;
    for (int r = 0; r < Ranks && end < 0; ++r) {
        int degree = 0;
        for (int n = 0; n < Ranks; ++n)
            degree += n != r && neighbours(r, n);
        if (degree == 1)
            end = r;
    }
    if (end < 0)
        return;
    std::array<bool, Ranks> used{};
    path[0] = end;
    used[end] = true;
    for (int i = 1; i < Ranks; ++i) {
        int next = -1;
        for (int n = 0; n < Ranks; ++n)
            if (!used[n] && neighbours(path[i - 1], n))
                next = next < 0 ? n : Ranks;
        if (next < 0 || next == Ranks)
            return;
        path[i] = next;
        used[next] = true;
    }
    for (int a = 0; a < Ranks; ++a)
        for (int b = 0; b < Ranks; ++b)
            if (neighbours(path[a], path[b]) && std::abs(a - b) != 1)
                return;
    onPath = true;
    for (int i = 0; i < Ranks; ++i) {
        onPrevious[i] = i > 0 && fits[path[i - 1]][path[i]];
        onNext[i] = i + 1 < Ranks && fits[path[i + 1]][path[i]];
    }
}

void GolfRankRule::findColours()
{
    colour.fill(NoColour);
    for (int start = 0; start < Ranks; ++start) {
        if (colour[start] != NoColour)
            continue;
        colour[start] = 0;
        std::vector<int> todo{start};
        while (!todo.empty()) {
            const int r = todo.back();
            todo.pop_back();
            for (int n = 0; n < Ranks; ++n) {
                if (!fits[r][n] && !fits[n][r])
                    continue;
                if (colour[n] == NoColour) {
                    colour[n] = 1 - colour[r];
                    todo.push_back(n);
                } else if (colour[n] == colour[r]) {
                    colour.fill(NoColour);
                    return;
                }
            }
        }
    }
}
