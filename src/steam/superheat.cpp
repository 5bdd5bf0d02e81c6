#include "steam/superheat.h"

#include "steam/saturation_line.h"
#include "steam/tables/coefficients.h"

#include <algorithm>

namespace velmaro::steam {

using namespace tables;

std::optional<double> SaturationTemperatureAt(double pressure) {
    if (!(pressure >= SaturationPressure(kTMin) && pressure <= kPc)) {
        return std::nullopt;
    }
    // At either end the equation may round past the line's ends.
    return std::clamp(SaturationTemperature(pressure), kTMin, kTc);
}

std::optional<double> SuperheatOf(const State& state) {
    if (state.phase == Phase::WetSteam) {
        return std::nullopt;
    }
    const auto saturation = SaturationTemperatureAt(state.pressure);
    if (!saturation) {
        return std::nullopt;
    }
    // A saturated state lies on the line by construction, whatever the
    // saturation equations' inverse rounds its temperature to.
    if (state.phase == Phase::SaturatedLiquid || state.phase == Phase::SaturatedVapour) {
        return 0.0;
    }
    return state.temperature - *saturation;
}

} // namespace velmaro::steam
