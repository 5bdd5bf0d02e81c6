#pragma once

// The parts of the viscosity (IAPWS 2008) and thermal conductivity (IAPWS
// 2011) formulations that need only temperature and density, in the
// releases' reduced units: T in K, rho in kg/m3; viscosity in uPa s and
// conductivity in mW/(m K). Plain formulas, no range check.

namespace velmaro::steam {

// The dilute-gas viscosity mu0bar [uPa s].
double DiluteGasViscosity(double temperature);
// The factor mu1bar by which density raises it.
double ResidualViscosityFactor(double temperature, double density);

// The dilute-gas conductivity lambda0bar [mW/(m K)].
double DiluteGasConductivity(double temperature);
// The factor lambda1bar by which density raises it.
double ResidualConductivityFactor(double temperature, double density);

} // namespace velmaro::steam
