// Regions 1, 2 and 5: the dimensionless Gibbs free energy gamma(pi, tau) and
// its derivatives, turned into properties. Derivatives come from weighted sums
// of the same terms (I * term, J * term ...) divided once by the base, which
// costs one pass over the table instead of six.

#include "steam/gibbs_regions.h"

#include "steam/powers.h"
#include "steam/tables/coefficients.h"
#include "steam/weighted_sums.h"

#include <cmath>

namespace velmaro::steam {
namespace {

using namespace tables;

// gamma and its derivatives in pi and tau.
struct Gamma {
    double g;
    double p;
    double pp;
    double t;
    double tt;
    double pt;
};

// The ideal-gas part of regions 2 and 5 without ln(pi): sum n0 tau^J0.
template <typename Table, typename TauPowers>
void AddIdeal(const Table& table, const TauPowers& tau, double tauValue, Gamma& ideal) {
    double plain = 0.0;
    double byJ = 0.0;
    double byJJ = 0.0;
    for (const auto& term : table) {
        const double t = term.n * tau[term.J];
        const double j = term.J;
        plain += t;
        byJ += j * t;
        byJJ += j * (j - 1.0) * t;
    }
    ideal.g += plain;
    ideal.t = byJ / tauValue;
    ideal.tt = byJJ / (tauValue * tauValue);
}

// Regions 2 and 5 share every formula; only tau, the residual base and the
// tables differ. Written with the residual part apart, so that 1/pi terms of
// the ideal part never meet at low pressure.
Properties GasProperties(double pressure, double temperature, double pi, double tau,
                         const Gamma& ideal, const Gamma& residual) {
    const double rt = kR * temperature;
    const double gt = ideal.t + residual.t;
    const double gtt = ideal.tt + residual.tt;
    const double pgp = pi * residual.p;
    const double a = 1.0 + pgp - tau * pi * residual.pt;
    const double b = 1.0 - pi * pi * residual.pp;
    Properties out{};
    out.temperature = temperature;
    out.pressure = pressure;
    out.volume = rt / pressure * (1.0 + pgp) / 1000.0;
    out.enthalpy = rt * tau * gt;
    out.internalEnergy = rt * (tau * gt - pgp - 1.0);
    out.entropy = kR * (tau * gt - (ideal.g + residual.g));
    out.cp = -kR * tau * tau * gtt;
    out.cv = out.cp - kR * a * a / b;
    out.speedOfSound =
        std::sqrt(1000.0 * rt * (1.0 + 2.0 * pgp + pgp * pgp) / (b + a * a / (tau * tau * gtt)));
    // -rho^2 (dv/dp)_T with gamma_pipi = -b / pi^2: the ideal gas's 1000/(RT)
    // times b / (1 + pi gamma_r_pi)^2, again without 1/pi terms.
    out.densityByPressure = 1000.0 * b / (rt * (1.0 + pgp) * (1.0 + pgp));
    return out;
}

Gamma FromSums(const WeightedSums& s, double a, double b, double aSign) {
    return {s.plain,   aSign * s.byI / a, s.byII / (a * a),
            s.byJ / b, s.byJJ / (b * b),  aSign * s.byIJ / (a * b)};
}

} // namespace

Properties Region1(double pressure, double temperature) {
    const double pi = pressure / kR1Pstar;
    const double tau = kR1Tstar / temperature;
    const double a = kR1PiOffset - pi;
    const double b = tau - kR1TauOffset;
    const Powers<LowestI(kRegion1), HighestI(kRegion1)> aPowers(a);
    const Powers<LowestJ(kRegion1), HighestJ(kRegion1)> bPowers(b);
    // d/dpi of (7.1 - pi)^I brings -I.
    const Gamma g = FromSums(Weighted(kRegion1, aPowers, bPowers), a, b, -1.0);

    const double rt = kR * temperature;
    const double x = g.p - tau * g.pt;
    Properties out{};
    out.temperature = temperature;
    out.pressure = pressure;
    out.volume = pi * g.p * rt / pressure / 1000.0;
    out.enthalpy = rt * tau * g.t;
    out.internalEnergy = rt * (tau * g.t - pi * g.p);
    out.entropy = kR * (tau * g.t - g.g);
    out.cp = -kR * tau * tau * g.tt;
    out.cv = kR * (-tau * tau * g.tt + x * x / g.pp);
    out.speedOfSound = std::sqrt(1000.0 * rt * g.p * g.p / (x * x / (tau * tau * g.tt) - g.pp));
    // -rho^2 (dv/dp)_T, with (dv/dp)_T = R T gamma_pipi / p*^2.
    const double rho = 1.0 / out.volume;
    out.densityByPressure = -rho * rho * rt * g.pp / (1000.0 * kR1Pstar * kR1Pstar);
    return out;
}

Properties Region2(double pressure, double temperature) {
    const double pi = pressure / kR2Pstar;
    const double tau = kR2Tstar / temperature;
    const double b = tau - kR2TauOffset;
    const Powers<LowestI(kRegion2Residual), HighestI(kRegion2Residual)> piPowers(pi);
    const Powers<LowestJ(kRegion2Residual), HighestJ(kRegion2Residual)> bPowers(b);
    const Gamma residual = FromSums(Weighted(kRegion2Residual, piPowers, bPowers), pi, b, 1.0);
    const Powers<LowestJ(kRegion2Ideal), HighestJ(kRegion2Ideal)> tauPowers(tau);
    Gamma ideal{std::log(pi), 1.0 / pi, -1.0 / (pi * pi), 0.0, 0.0, 0.0};
    AddIdeal(kRegion2Ideal, tauPowers, tau, ideal);
    return GasProperties(pressure, temperature, pi, tau, ideal, residual);
}

Properties Region5(double pressure, double temperature) {
    const double pi = pressure / kR5Pstar;
    const double tau = kR5Tstar / temperature;
    const Powers<LowestI(kRegion5Residual), HighestI(kRegion5Residual)> piPowers(pi);
    const Powers<LowestJ(kRegion5Residual), HighestJ(kRegion5Residual)> tauPowers(tau);
    const Gamma residual = FromSums(Weighted(kRegion5Residual, piPowers, tauPowers), pi, tau, 1.0);
    const Powers<LowestJ(kRegion5Ideal), HighestJ(kRegion5Ideal)> idealPowers(tau);
    Gamma ideal{std::log(pi), 1.0 / pi, -1.0 / (pi * pi), 0.0, 0.0, 0.0};
    AddIdeal(kRegion5Ideal, idealPowers, tau, ideal);
    return GasProperties(pressure, temperature, pi, tau, ideal, residual);
}

} // namespace velmaro::steam
