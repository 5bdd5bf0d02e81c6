#include "steam/tables/region3_nodes.h"

#include "steam/saturation_line.h"
#include "steam/tables/coefficients.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace velmaro::steam::tables {

std::optional<Properties> Region3NodeState(int row, int column, Region3Branch branch) {
    const double temperature = kGridT0 + kGridTStep * row;
    double pressure = std::max(kGridP0 + kGridPStep * column, B23Pressure(temperature));
    if (temperature < kTc) {
        const double saturation = SaturationPressure(temperature);
        pressure = branch == Region3Branch::Liquid ? std::max(pressure, saturation)
                                                   : std::min(pressure, saturation);
    }
    const auto density = Region3DensityBySearch(pressure, temperature, branch);
    if (!density) {
        return std::nullopt;
    }
    return Region3(*density, temperature);
}

namespace {

// Six significant digits, as the generator prints them, read as the compiler
// reads the table's float literals: both round correctly.
float Rounded(double value) {
    std::array<char, 32> text{};
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg): the C library's exact rounding
    std::snprintf(text.data(), text.size(), "%.5e", value);
    return std::strtof(text.data(), nullptr);
}

} // namespace

std::optional<GridState> Region3NodeRounded(int row, int column, Region3Branch branch) {
    const auto state = Region3NodeState(row, column, branch);
    if (!state) {
        return std::nullopt;
    }
    return GridState{Rounded(1.0 / state->volume), Rounded(state->enthalpy),
                     Rounded(state->entropy)};
}

} // namespace velmaro::steam::tables
