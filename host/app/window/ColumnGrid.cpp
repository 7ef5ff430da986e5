#include "window/ColumnGrid.h"

#include <algorithm>

namespace zorhost {

int ColumnGrid::snap(std::vector<int> edges, int x, bool leftmost)
{
    edges.push_back(x);
    std::sort(edges.begin(), edges.end());
    auto first = std::lower_bound(edges.begin(), edges.end(), x);
    auto last = first;
    while (first != edges.begin() && *first - *(first - 1) <= tolerance)
        --first;
    while (last + 1 != edges.end() && *(last + 1) - *last <= tolerance)
        ++last;
    return leftmost ? *first : *last;
}

}  // namespace zorhost
