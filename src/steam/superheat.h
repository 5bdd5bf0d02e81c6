#pragma once

// Where a state lies against the saturation line at its pressure. T in K,
// p in MPa.

#include "steam/water_steam.h"

#include <optional>

namespace velmaro::steam {

// The saturation temperature at `pressure`, from 611.212677 Pa (the pressure
// at 273.15 K) to the critical pressure; empty outside that, above the
// critical pressure above all, where liquid and vapour no longer part.
std::optional<double> SaturationTemperatureAt(double pressure);

// T - Tsat(p): the superheat of vapour, and for liquid the subcooling as a
// negative number; exactly 0 for the saturated liquid and vapour. Empty for
// wet steam and where the saturation temperature is.
std::optional<double> SuperheatOf(const State& state);

} // namespace velmaro::steam
