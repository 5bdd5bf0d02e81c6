#pragma once

// A pressure and a temperature as the property windows take them in: the
// pressure in any unit of the pressure panel, gauge or absolute, and the
// temperature on one of three scales, brought to MPa absolute and kelvins by
// the panels' own factors and formulas.

#include <cstddef>

namespace velmaro {

// The ambient pressure a gauge reading lies over unless another is given.
inline constexpr double kStandardAmbientKPa = 101.325;

// `typed` in unit `unit` (its position in the pressure panel) in MPa; a
// gauge reading adds `ambientKPa`. 0 for a unit outside the panel.
double AbsoluteMegapascals(double typed, std::size_t unit, bool gauge, double ambientKPa);

// The scales a temperature may be typed on, in the order the windows list them.
enum class TemperatureScale { Celsius, Kelvin, Fahrenheit };

double Kelvins(double typed, TemperatureScale scale);

} // namespace velmaro
