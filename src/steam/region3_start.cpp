#include "steam/region3_start.h"

#include "steam/tables/region3_nodes.h"
#include "steam/tables/region3_states.h"

#include <algorithm>
#include <cstddef>

namespace velmaro::steam {

using namespace tables;

namespace {

const GridState& Node(int row, int column, Region3Branch branch) {
    const std::size_t at =
        static_cast<std::size_t>(row) * kGridColumns + static_cast<std::size_t>(column);
    const bool liquid = branch == Region3Branch::Liquid && row < kGridLiquidRows;
#ifdef VELMARO_REGION3_SOLVED_NODES
    return Region3SolvedNode(at, liquid); // the page's build: no table
#else
    return liquid ? kRegion3LiquidGrid[at] : kRegion3Grid[at];
#endif
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

// One quantity of the grid on row `row`, between the columns of `column`.
double AlongRow(int row, const Cell& column, Region3Branch branch, float GridState::*quantity) {
    const double left = Node(row, column.index, branch).*quantity;
    const double right = Node(row, column.index + 1, branch).*quantity;
    return left + column.fraction * (right - left);
}

} // namespace

double Region3StartingDensity(double pressure, double temperature, Region3Branch branch) {
    const Cell row = Locate(temperature, kGridT0, kGridTStep, kGridRows);
    const Cell column = Locate(pressure, kGridP0, kGridPStep, kGridColumns);
    const double lower = AlongRow(row.index, column, branch, &GridState::density);
    const double upper = AlongRow(row.index + 1, column, branch, &GridState::density);
    return lower + row.fraction * (upper - lower);
}

double Region3StartingTemperature(double pressure, Region3Given given, double value,
                                  Region3Branch branch) {
    const Cell column = Locate(pressure, kGridP0, kGridPStep, kGridColumns);
    const auto quantity =
        given == Region3Given::Enthalpy ? &GridState::enthalpy : &GridState::entropy;
    // h and s rise with T along an isobar: find the first row past `value`.
    int low = 0;
    int high = kGridRows - 1;
    if (value <= AlongRow(low, column, branch, quantity)) {
        return kGridT0;
    }
    const double top = AlongRow(high, column, branch, quantity);
    if (value >= top) {
        return kGridT0 + kGridTStep * high;
    }
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (AlongRow(middle, column, branch, quantity) < value ? low : high) = middle;
    }
    const double below = AlongRow(low, column, branch, quantity);
    const double above = AlongRow(high, column, branch, quantity);
    const double fraction = above > below ? (value - below) / (above - below) : 0.5;
    return kGridT0 + kGridTStep * (low + fraction);
}

} // namespace velmaro::steam
