#pragma once

// First guesses for region 3, read off a grid of solved states: close enough
// that Newton's method needs only a few steps from them.

#include "steam/region3.h"

namespace velmaro::steam {

// Density in kg/m3 at `pressure` (MPa) and `temperature` (K) on `branch`,
// interpolated between the grid's nodes; within a few per cent of the root
// except near the critical point. Arguments outside the grid take its edge.
double Region3StartingDensity(double pressure, double temperature, Region3Branch branch);

// The temperature in K at which the isobar `pressure` reaches `value` (h in
// kJ/kg or s in kJ/(kg K)) on `branch`, interpolated the same way.
double Region3StartingTemperature(double pressure, Region3Given given, double value,
                                  Region3Branch branch);

} // namespace velmaro::steam
