#pragma once

// A first guess at region 3's density, read off a grid of solved states: close
// enough that Newton's method needs only a few steps from it.

#include "steam/region3.h"

namespace velmaro::steam {

// Density in kg/m3 at `pressure` (MPa) and `temperature` (K) on `branch`,
// interpolated between the grid's nodes; within a few per cent of the root
// except near the critical point. Arguments outside the grid take its edge.
double Region3StartingDensity(double pressure, double temperature, Region3Branch branch);

} // namespace velmaro::steam
