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

enum class Region3Given { Enthalpy, Entropy };

struct DensityTemperature {
    double density;     // kg/m3
    double temperature; // K
};

// The state at which region 3's equation gives `pressure` (MPa) and `value`
// (h in kJ/kg or s in kJ/(kg K)), by Newton's method on density and
// temperature at once from `start`: unlike a search in temperature alone,
// it stays well conditioned at the critical point, where the isotherms turn
// flat. Empty when a step leaves low <= T <= high, crosses the critical
// density below Tc against `branch`, or the steps do not settle; the caller
// checks the state it gives like any other.
std::optional<DensityTemperature> Region3AtPressureAnd(double pressure, Region3Given given,
                                                       double value, DensityTemperature start,
                                                       double low, double high,
                                                       std::optional<Region3Branch> branch);

// The same root by a bracketed search that needs no first guess: slower, and
// what the grid of first guesses is made from.
std::optional<double> Region3DensityBySearch(double pressure, double temperature,
                                             Region3Branch branch);

} // namespace velmaro::steam
