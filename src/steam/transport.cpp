// Viscosity mubar = mu0bar mu1bar mu2bar and conductivity lambdabar =
// lambda0bar lambda1bar + lambda2bar. The two critical terms share the
// correlation length xi, which grows with the excess of the state's
// compressibility zeta = (d rhobar/d pbar)_T over its value at the reference
// temperature TR = 1.5 T*. At the state, zeta comes from IF97's own
// derivative; at TR, where IF97 stops at 100 MPa, from the conductivity
// release's fit for use with IF97, for both terms.
//
// The viscosity release's own form for IF97 leaves mu2bar out (it is below
// 1.02 outside 645.91 K < T < 650.77 K, 245.8 < rho < 405.3 kg/m3); it is
// kept here, from the same xi, which brings the viscosity closer to the
// scientific formulation's near the critical point. lambda2bar, as the
// conductivity release prescribes for IF97, divides by mu0bar mu1bar alone.

#include "steam/transport.h"

#include "steam/powers.h"
#include "steam/tables/transport_coefficients.h"
#include "steam/transport_terms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace velmaro::steam {

using namespace tables;

namespace {

// The top of both releases' range at the pressures of IF97 [K].
constexpr double kHighestTemperature = 1173.15;

// zeta at the reference temperature from the fit for use with IF97.
double ReferenceZeta(double rhobar) {
    const auto* band = std::find_if(kConductivityZetaBands.begin(), kConductivityZetaBands.end(),
                                    [rhobar](const ZetaBand& b) { return rhobar <= b.upper; });
    if (band == kConductivityZetaBands.end()) { // NaN: the last band is open above
        return std::numeric_limits<double>::quiet_NaN();
    }
    return 1.0 / Polynomial(band->a, rhobar);
}

// The correlation length xi in nm: 0 where the state is no more compressible
// than the fluid at the reference temperature (delta chi <= 0).
double CorrelationLength(double tbar, double rhobar, double densityByPressure) {
    const double zeta = kTransportPstar / kTransportRhostar * densityByPressure;
    const double deltaChi = rhobar * (zeta - ReferenceZeta(rhobar) * kCriticalTbarR / tbar);
    if (!(deltaChi > 0.0)) {
        return 0.0;
    }
    return kCriticalXi0 * std::pow(deltaChi / kCriticalGamma0, kCriticalNu / kCriticalGamma);
}

// Below this xi [nm] the closed form of Y loses its digits to cancellation;
// the release's series takes over there.
constexpr double kSeriesBelow = 0.3817016416;

// mu2bar = exp(x_mu Y(xi)).
double CriticalViscosityFactor(double xi) {
    const double qc = xi / kViscosityQCInv; // qC xi
    const double qd = xi / kViscosityQDInv; // qD xi
    double y = 0.0;
    if (xi <= kSeriesBelow) {
        const double qd2 = qd * qd;
        y = 0.2 * qc * (qd2 * qd2 * qd) * (1.0 - qc + qc * qc - 765.0 / 504.0 * qd2);
    } else {
        const double psi = std::acos(1.0 / std::sqrt(1.0 + qd * qd));
        const double w = std::sqrt(std::abs((qc - 1.0) / (qc + 1.0))) * std::tan(0.5 * psi);
        const double l = qc > 1.0 ? std::log((1.0 + w) / (1.0 - w)) : 2.0 * std::atan(std::abs(w));
        const double qc2 = qc * qc;
        y = std::sin(3.0 * psi) / 12.0 - std::sin(2.0 * psi) / (4.0 * qc) +
            (1.0 - 1.25 * qc2) * std::sin(psi) / qc2 -
            ((1.0 - 1.5 * qc2) * psi - std::pow(std::abs(qc2 - 1.0), 1.5) * l) / (qc2 * qc);
    }
    return std::exp(kViscosityXMu * y);
}

// Below this qDbar xi the term is zero to every digit, and its formula
// would only divide rounding by y.
constexpr double kNoConductivityEnhancement = 1.2e-7;

// lambda2bar [mW/(m K)]; cp and cv in kJ/(kg K), mubar in uPa s.
double CriticalConductivity(double tbar, double rhobar, double cp, double cv, double mubar,
                            double xi) {
    const double y = xi / kConductivityQDInv;
    if (y < kNoConductivityEnhancement) {
        return 0.0;
    }
    const double inverseKappa = cv / cp;
    const double z = 2.0 / (std::numbers::pi * y) *
                     (((1.0 - inverseKappa) * std::atan(y) + y * inverseKappa) -
                      (1.0 - std::exp(-1.0 / (1.0 / y + y * y / (3.0 * rhobar * rhobar)))));
    return kConductivityLambda * rhobar * (cp / kConductivityR) * tbar / mubar * z;
}

} // namespace

std::optional<Transport> TransportOf(const State& state) {
    if (state.phase == Phase::WetSteam || !state.cp || !state.cv || !state.densityByPressure) {
        return std::nullopt;
    }
    const double temperature = state.temperature;
    const double density = state.density;
    const double cp = *state.cp;
    const double cv = *state.cv;
    const double densityByPressure = *state.densityByPressure;
    if (!(temperature <= kHighestTemperature) || !(density > 0.0) || !(cp > 0.0) || !(cv > 0.0) ||
        !(densityByPressure > 0.0)) {
        return std::nullopt;
    }
    const double tbar = temperature / kTransportTstar;
    const double rhobar = density / kTransportRhostar;
    const double xi = CorrelationLength(tbar, rhobar, densityByPressure);

    const double background =
        DiluteGasViscosity(temperature) * ResidualViscosityFactor(temperature, density);
    const double mubar = background * CriticalViscosityFactor(xi);
    const double lambdabar =
        DiluteGasConductivity(temperature) * ResidualConductivityFactor(temperature, density) +
        CriticalConductivity(tbar, rhobar, cp, cv, background, xi);

    Transport out{};
    out.dynamicViscosity = mubar * kViscosityStar;
    out.kinematicViscosity = out.dynamicViscosity / density;
    out.thermalConductivity = lambdabar * kConductivityStar;
    out.prandtl = out.dynamicViscosity * cp * 1000.0 / out.thermalConductivity;
    const std::array<double, 4> values{out.dynamicViscosity, out.kinematicViscosity,
                                       out.thermalConductivity, out.prandtl};
    for (const double value : values) {
        if (!std::isfinite(value) || !(value > 0.0)) {
            return std::nullopt;
        }
    }
    return out;
}

} // namespace velmaro::steam
