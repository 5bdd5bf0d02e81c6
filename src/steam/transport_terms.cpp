// The dilute-gas terms are a square root over a polynomial in 1/Tbar; the
// residual factors exp(rhobar * sum c (1/Tbar - 1)^I (rhobar - 1)^J) take
// their powers once per state, as the regions' equations do.

#include "steam/transport_terms.h"

#include "steam/powers.h"
#include "steam/tables/transport_coefficients.h"

#include <cmath>

namespace velmaro::steam {

using namespace tables;

namespace {

template <const auto& Table> double ResidualFactor(double temperature, double density) {
    static_assert(LowestI(Table) == 0 && LowestJ(Table) == 0);
    const double rhobar = density / kTransportRhostar;
    const Powers<0, HighestI(Table)> inverse(kTransportTstar / temperature - 1.0);
    const Powers<0, HighestJ(Table)> excess(rhobar - 1.0);
    return std::exp(rhobar * SumTerms(Table, inverse, excess));
}

} // namespace

double DiluteGasViscosity(double temperature) {
    const double tbar = temperature / kTransportTstar;
    return 100.0 * std::sqrt(tbar) / Polynomial(kViscosityDiluteGas, 1.0 / tbar);
}

double ResidualViscosityFactor(double temperature, double density) {
    return ResidualFactor<kViscosityResidual>(temperature, density);
}

double DiluteGasConductivity(double temperature) {
    const double tbar = temperature / kTransportTstar;
    return std::sqrt(tbar) / Polynomial(kConductivityDiluteGas, 1.0 / tbar);
}

double ResidualConductivityFactor(double temperature, double density) {
    return ResidualFactor<kConductivityResidual>(temperature, density);
}

} // namespace velmaro::steam
