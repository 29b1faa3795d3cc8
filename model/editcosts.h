#pragma once

#include <algorithm>
#include <vector>

namespace kerbu {

// The fewest things to change, add or drop that turn the first i of n things into the
// first j of m, for every i and j; `same(i, j)` compares thing i with thing j. The last
// cell is how far apart the two are.
template <typename Same>
std::vector<std::vector<int>> editCosts(std::size_t n, std::size_t m, Same same) {
    std::vector<std::vector<int>> cost(n + 1, std::vector<int>(m + 1));
    for (std::size_t i = 0; i <= n; ++i)
        cost[i][0] = int(i);
    for (std::size_t j = 0; j <= m; ++j)
        cost[0][j] = int(j);
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = 1; j <= m; ++j)
            cost[i][j] = std::min({cost[i - 1][j - 1] + (same(i - 1, j - 1) ? 0 : 1),
                                   cost[i - 1][j] + 1, cost[i][j - 1] + 1});
    }
    return cost;
}

} // namespace kerbu
