#pragma once

// Region 3, around the critical point: the basic equation gives the Helmholtz
// free energy in density and temperature, so a pressure needs a root search.

#include "steam/properties.h"

#include <optional>

namespace velmaro::steam {

Properties Region3(double density, double temperature);

// Which root of p3(rho, T) = p: below the critical temperature the isotherm
// loops, with a liquid root, a vapour root and an unstable one between them.
enum class Region3Branch { Liquid, Vapour };

// The density in kg/m3 at which region 3's equation gives `pressure` (MPa) at
// `temperature` on the given branch (both branches meet above the critical
// temperature). Empty when no root is found.
std::optional<double> Region3Density(double pressure, double temperature, Region3Branch branch);

} // namespace velmaro::steam
