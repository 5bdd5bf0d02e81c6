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
// temperature). Empty when no root is found. `start`, a density near the
// root (the last one found along an isobar, say), saves reading the grid.
std::optional<double> Region3Density(double pressure, double temperature, Region3Branch branch,
                                     std::optional<double> start = std::nullopt);

// The same root by a bracketed search that needs no first guess: slower, and
// what the grid of first guesses is made from.
std::optional<double> Region3DensityBySearch(double pressure, double temperature,
                                             Region3Branch branch);

} // namespace velmaro::steam
