#include "steam/backward.h"

#include "steam/powers.h"
#include "steam/saturation_line.h"
#include "steam/tables/coefficients.h"

#include <cmath>

namespace velmaro::steam {

using namespace tables;

namespace {

// theta = sum n a^I b^J for a table whose exponents are all integers.
template <const auto& Table> double Polynomial(double a, double b) {
    const Powers<LowestI(Table), HighestI(Table)> aPowers(a);
    const Powers<LowestJ(Table), HighestJ(Table)> bPowers(b);
    return SumTerms(Table, aPowers, bPowers);
}

} // namespace

double Region1TemperatureFromEnthalpy(double pressure, double enthalpy) {
    const double eta = enthalpy / kBw1PhHstar;
    return Polynomial<kRegion1Tph>(pressure / kBw1PhPstar, eta + kBw1PhEtaOffset) * kBw1PhTstar;
}

double Region1TemperatureFromEntropy(double pressure, double entropy) {
    const double sigma = entropy / kBw1PsSstar;
    return Polynomial<kRegion1Tps>(pressure / kBw1PsPstar, sigma + kBw1PsSigmaOffset) * kBw1PsTstar;
}

double Region2TemperatureFromEnthalpy(double pressure, double enthalpy) {
    const double pi = pressure / kBw2PhPstar;
    const double eta = enthalpy / kBw2PhHstar;
    double theta = 0.0;
    if (pressure <= kP2ab) {
        theta = Polynomial<kRegion2aTph>(pi, eta - kBw2aPhEtaOffset);
    } else if (pressure <= B2bcPressure(enthalpy)) {
        theta = Polynomial<kRegion2bTph>(pi - kBw2bPhPiOffset, eta - kBw2bPhEtaOffset);
    } else {
        theta = Polynomial<kRegion2cTph>(pi + kBw2cPhPiOffset, eta - kBw2cPhEtaOffset);
    }
    return theta * kBw2PhTstar;
}

double Region2TemperatureFromEntropy(double pressure, double entropy) {
    const double pi = pressure / kBw2PsPstar;
    double theta = 0.0;
    if (pressure <= kP2ab) {
        // Subregion 2a's pressure exponents are quarters: powers of pi^(1/4).
        const Powers<LowestI(kRegion2aTps), HighestI(kRegion2aTps)> quarters(
            std::sqrt(std::sqrt(pi)));
        const Powers<LowestJ(kRegion2aTps), HighestJ(kRegion2aTps)> sigma(entropy / kBw2aPsSstar -
                                                                          kBw2aPsSigmaOffset);
        theta = SumTerms(kRegion2aTps, quarters, sigma);
    } else if (entropy >= kS2bc) {
        theta = Polynomial<kRegion2bTps>(pi, kBw2bPsSigmaOffset - entropy / kBw2bPsSstar);
    } else {
        theta = Polynomial<kRegion2cTps>(pi, kBw2cPsSigmaOffset - entropy / kBw2cPsSstar);
    }
    return theta * kBw2PsTstar;
}

} // namespace velmaro::steam
