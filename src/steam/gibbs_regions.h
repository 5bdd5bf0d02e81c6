#pragma once

// Regions 1, 2 and 5, whose basic equations give the Gibbs free energy in
// pressure and temperature. No range check here: the callers pick the region.

#include "steam/properties.h"

namespace velmaro::steam {

Properties Region1(double pressure, double temperature);
Properties Region2(double pressure, double temperature);
Properties Region5(double pressure, double temperature);

} // namespace velmaro::steam
