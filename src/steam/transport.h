#pragma once

// Transport properties of water and steam for a state of IAPWS-IF97: the
// viscosity by the IAPWS 2008 formulation and the thermal conductivity by the
// IAPWS 2011 formulation in its form for use with IF97, both with their
// critical enhancement, the density and the derivatives they need taken
// from IF97.

#include "steam/water_steam.h"

#include <optional>

namespace velmaro::steam {

struct Transport {
    double dynamicViscosity;    // mu, Pa s
    double kinematicViscosity;  // nu = mu / rho, m2/s
    double thermalConductivity; // lambda, W/(m K)
    double prandtl;             // Pr = mu cp / lambda
};

// The transport properties of a single-phase state, the saturated liquid and
// vapour included, up to 1173.15 K, the top of both formulations' range.
// Empty for wet steam (a mixture has none), above 1173.15 K (region 5 goes
// on to 2273.15 K, where the formulations would only be extrapolated) and
// for a state the equation of state calls unstable (cp, cv or (d rho/d p)_T
// not positive).
std::optional<Transport> TransportOf(const State& state);

} // namespace velmaro::steam
