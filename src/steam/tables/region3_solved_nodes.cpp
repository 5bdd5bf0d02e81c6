// The page's grid of region 3: each node solved the first time it is read,
// then kept (region3_nodes.h). A node's search takes microseconds, and a
// state reads a few dozen nodes at most.

#include "steam/tables/region3_nodes.h"

#include <array>
#include <limits>

namespace velmaro::steam::tables {

const GridState& Region3SolvedNode(std::size_t at, bool liquid) {
    static std::array<std::optional<GridState>, std::size_t{kGridRows} * kGridColumns> main;
    static std::array<std::optional<GridState>, std::size_t{kGridLiquidRows} * kGridColumns>
        liquids;
    std::optional<GridState>& node = liquid ? liquids.at(at) : main.at(at);
    if (!node) {
        const auto row = static_cast<int>(at / kGridColumns);
        const auto column = static_cast<int>(at % kGridColumns);
        // The table's generator stops at a node without a root, so none has
        // one here; were it otherwise, the search would start from nothing and
        // fall back to its bracket.
        constexpr float kNone = std::numeric_limits<float>::quiet_NaN();
        node =
            Region3NodeRounded(row, column, liquid ? Region3Branch::Liquid : Region3Branch::Vapour)
                .value_or(GridState{kNone, kNone, kNone});
    }
    return *node;
}

} // namespace velmaro::steam::tables
