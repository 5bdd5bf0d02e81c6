#pragma once

// The backward equations T(p,h) and T(p,s) of regions 1 and 2: close to the
// basic equations (within some 25 mK), used as starting values that the
// (p,h) and (p,s) searches then refine on the basic equations.

namespace velmaro::steam {

double Region1TemperatureFromEnthalpy(double pressure, double enthalpy);
double Region1TemperatureFromEntropy(double pressure, double entropy);
// Picks subregion 2a, 2b or 2c.
double Region2TemperatureFromEnthalpy(double pressure, double enthalpy);
double Region2TemperatureFromEntropy(double pressure, double entropy);

} // namespace velmaro::steam
