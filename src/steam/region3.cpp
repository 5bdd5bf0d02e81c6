// Region 3: phi(delta, tau) = n1 ln(delta) + sum n delta^I tau^J, and the
// density search that inverts its pressure.

#include "steam/region3.h"

#include "steam/powers.h"
#include "steam/tables/coefficients.h"

#include <algorithm>
#include <cmath>

namespace velmaro::steam {

using namespace tables;

namespace {

// One isotherm of the equation: the powers of tau are formed once and serve
// every density the search tries.
class Isotherm {
public:
    explicit Isotherm(double temperature)
        : temperature_(temperature), tau_(kR3Tstar / temperature), tauPowers_(tau_) {}

    struct PressureSlope {
        double pressure; // MPa
        double slope;    // dp/drho, MPa m3/kg
    };

    PressureSlope Pressure(double density) const {
        const Powers<LowestI(kRegion3), HighestI(kRegion3)> delta(density / kR3Rhostar);
        double byI = kRegion3Log;     // delta phi_delta
        double byIPlus = kRegion3Log; // 2 delta phi_delta + delta^2 phi_delta_delta
        for (const auto& term : kRegion3) {
            const double t = term.n * delta[term.I] * tauPowers_[term.J];
            const double i = term.I;
            byI += i * t;
            byIPlus += i * (i + 1.0) * t;
        }
        const double rt = kR * temperature_ / 1000.0;
        return {density * rt * byI, rt * byIPlus};
    }

    Properties All(double density) const {
        const double d = density / kR3Rhostar;
        const Powers<LowestI(kRegion3), HighestI(kRegion3)> delta(d);
        double phi = kRegion3Log * std::log(d);
        double dPhiD = kRegion3Log;    // delta phi_delta
        double ddPhiDD = -kRegion3Log; // delta^2 phi_delta_delta
        double tPhiT = 0.0;            // tau phi_tau
        double ttPhiTT = 0.0;          // tau^2 phi_tau_tau
        double dtPhiDT = 0.0;          // delta tau phi_delta_tau
        for (const auto& term : kRegion3) {
            const double t = term.n * delta[term.I] * tauPowers_[term.J];
            const double i = term.I;
            const double j = term.J;
            phi += t;
            dPhiD += i * t;
            ddPhiDD += i * (i - 1.0) * t;
            tPhiT += j * t;
            ttPhiTT += j * (j - 1.0) * t;
            dtPhiDT += i * j * t;
        }
        const double rt = kR * temperature_;
        const double x = dPhiD - dtPhiDT;
        const double y = 2.0 * dPhiD + ddPhiDD;
        Properties out{};
        out.temperature = temperature_;
        out.pressure = density * rt * dPhiD / 1000.0;
        out.volume = 1.0 / density;
        out.enthalpy = rt * (tPhiT + dPhiD);
        out.internalEnergy = rt * tPhiT;
        out.entropy = kR * (tPhiT - phi);
        out.cv = -kR * ttPhiTT;
        out.cp = kR * (-ttPhiTT + x * x / y);
        out.speedOfSound = std::sqrt(1000.0 * rt * (y - x * x / ttPhiTT));
        return out;
    }

private:
    double temperature_;
    double tau_;
    Powers<LowestJ(kRegion3), HighestJ(kRegion3)> tauPowers_;
};

// Newton's method held inside a bracket [low, high] with p3 - p < 0 at low
// and > 0 at high; a step that leaves the bracket or runs downhill bisects.
// Near the critical point, where dp/drho vanishes, this still converges.
double SolveInBracket(const Isotherm& isotherm, double pressure, double low, double high,
                      double start) {
    double rho = start;
    for (int iteration = 0; iteration < 200; ++iteration) {
        const auto [p, slope] = isotherm.Pressure(rho);
        const double f = p - pressure;
        if (f == 0.0) {
            return rho;
        }
        (f < 0.0 ? low : high) = rho;
        double next = rho - f / slope;
        if (!(slope > 0.0) || !(next > low && next < high)) {
            next = 0.5 * (low + high);
        }
        if (std::abs(next - rho) <= 1e-15 * rho || high - low <= 1e-15 * high) {
            return next;
        }
        rho = next;
    }
    return rho;
}

// Denser than any region-3 state (762 kg/m3 at 623.15 K, 100 MPa); p3 there
// exceeds 140 MPa at every region-3 temperature, and the equation, fitted
// only to real states, turns down again not far above it.
constexpr double kHighestDensity = 800.0;
constexpr int kScanSteps = 400;

} // namespace

Properties Region3(double density, double temperature) {
    return Isotherm(temperature).All(density);
}

std::optional<double> Region3Density(double pressure, double temperature, Region3Branch branch) {
    const Isotherm isotherm(temperature);
    const auto below = [&](double rho) { return isotherm.Pressure(rho).pressure < pressure; };

    // The ideal gas is less dense than water vapour at the same p and T.
    double low = 1000.0 * pressure / (kR * temperature);
    for (int i = 0; i < 60 && !below(low); ++i) {
        low *= 0.5;
    }
    double high = kHighestDensity;
    if (!below(low) || below(high)) {
        return std::nullopt;
    }

    // Below the critical temperature, shut the loop out of the bracket: walk
    // from the critical density towards the wanted branch until p3 - p has the
    // sign that branch's root needs on its inner side. The loop narrows as the
    // cube root of Tc - T, and so does the step.
    const double belowCritical = kTc - temperature;
    if (belowCritical > 0.0) {
        const double step = std::clamp(3.0 * std::cbrt(belowCritical), 1e-6, 40.0);
        double rho = kRhoc;
        const bool liquid = branch == Region3Branch::Liquid;
        int steps = 0;
        while (steps < kScanSteps && rho > low && rho < high && below(rho) != liquid) {
            rho += liquid ? step : -step;
            ++steps;
        }
        if (steps < kScanSteps && rho > low && rho < high) {
            (liquid ? low : high) = rho;
        }
        // Otherwise the loop is narrower than the step: both roots lie within
        // it, and the whole bracket gives one of them.
    }
    const double start = branch == Region3Branch::Liquid ? high : low;
    const double rho = SolveInBracket(isotherm, pressure, low, high, start);
    if (!std::isfinite(rho)) {
        return std::nullopt;
    }
    return rho;
}

} // namespace velmaro::steam
