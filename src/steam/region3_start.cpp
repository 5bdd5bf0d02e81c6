#include "steam/region3_start.h"

#include "steam/tables/region3_densities.h"

#include <algorithm>
#include <cstddef>

namespace velmaro::steam {

using namespace tables;

namespace {

double Node(int row, int column, bool liquid) {
    const auto at = static_cast<std::size_t>(row * kGridColumns + column);
    return liquid && row < kGridLiquidRows ? kRegion3LiquidDensities[at] : kRegion3Densities[at];
}

// The cell holding `x` on an axis of `count` nodes, and the fraction of the
// way across it.
struct Cell {
    int index;
    double fraction;
};

Cell Locate(double x, double first, double step, int count) {
    const double position = std::clamp((x - first) / step, 0.0, count - 1.0);
    const int index = std::min(static_cast<int>(position), count - 2);
    return {index, position - index};
}

} // namespace

double Region3StartingDensity(double pressure, double temperature, Region3Branch branch) {
    const Cell row = Locate(temperature, kGridT0, kGridTStep, kGridRows);
    const Cell column = Locate(pressure, kGridP0, kGridPStep, kGridColumns);
    const bool liquid = branch == Region3Branch::Liquid;
    const auto along = [&](int r) {
        return Node(r, column.index, liquid) +
               column.fraction *
                   (Node(r, column.index + 1, liquid) - Node(r, column.index, liquid));
    };
    const double lower = along(row.index);
    return lower + row.fraction * (along(row.index + 1) - lower);
}

} // namespace velmaro::steam
