// Region 3: phi(delta, tau) = n1 ln(delta) + sum n delta^I tau^J, and the
// density search that inverts its pressure.

#include "steam/region3.h"

#include "steam/powers.h"
#include "steam/region3_start.h"
#include "steam/tables/coefficients.h"
#include "steam/weighted_sums.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmaro::steam {

using namespace tables;

namespace {

// One isotherm of the equation: the powers of tau are formed once and serve
// every density the search tries. Along the isotherm the terms of each power
// of delta add up to one coefficient, so the pressure and its slope are two
// polynomials in delta.
class Isotherm {
public:
    explicit Isotherm(double temperature)
        : temperature_(temperature), tau_(kR3Tstar / temperature), tauPowers_(tau_) {
        for (const auto& term : kRegion3) {
            byPower_.at(static_cast<std::size_t>(term.I)) += term.n * tauPowers_[term.J];
        }
    }

    struct PressureSlope {
        double pressure; // MPa
        double slope;    // dp/drho, MPa m3/kg
    };

    PressureSlope Pressure(double density) const {
        const double delta = density / kR3Rhostar;
        double byI = 0.0;     // delta phi_delta, less the ln-delta term
        double byIPlus = 0.0; // 2 delta phi_delta + delta^2 phi_delta_delta, the same
        for (int i = kHighestPower; i >= 1; --i) {
            const double c = byPower_.at(static_cast<std::size_t>(i));
            byI = (byI + i * c) * delta;
            byIPlus = (byIPlus + i * (i + 1.0) * c) * delta;
        }
        const double rt = kR * temperature_ / 1000.0;
        return {density * rt * (kRegion3Log + byI), rt * (kRegion3Log + byIPlus)};
    }

    // The Helmholtz free energy and its derivatives, each times its
    // variables, in the sums' order: phi, delta phi_delta, delta^2
    // phi_delta_delta, tau phi_tau, tau^2 phi_tau_tau and delta tau
    // phi_delta_tau (the logarithm's term first, then the table's).
    WeightedSums At(double density) const {
        const double d = density / kR3Rhostar;
        const Powers<LowestI(kRegion3), HighestI(kRegion3)> delta(d);
        return Weighted(kRegion3, delta, tauPowers_,
                        {kRegion3Log * std::log(d), kRegion3Log, -kRegion3Log, 0.0, 0.0, 0.0});
    }

    double Temperature() const { return temperature_; }

    Properties All(double density) const {
        const auto [phi, dPhiD, ddPhiDD, tPhiT, ttPhiTT, dtPhiDT] = At(density);
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
        // The inverse of (dp/drho)_T = R T (2 delta phi_delta + delta^2 phi_delta_delta).
        out.densityByPressure = 1000.0 / (rt * y);
        return out;
    }

private:
    static constexpr int kHighestPower = HighestI(kRegion3);
    static_assert(LowestI(kRegion3) == 0);

    double temperature_;
    double tau_;
    Powers<LowestJ(kRegion3), HighestJ(kRegion3)> tauPowers_;
    // Sum of n tau^J over the terms with delta^i, by i.
    std::array<double, kHighestPower + 1> byPower_{};
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

namespace {

std::optional<double> Search(const Isotherm& isotherm, double pressure, double temperature,
                             Region3Branch branch) {
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

// Newton's method from a guess near the root, the bracket gathered from the
// signs on the way. It gives up, leaving the work to the search, where the
// isotherm turns down under it, or after a few steps: the root it returns has
// to be the same one the search would find.
constexpr int kPolishSteps = 16;
// p3 carries rounding noise of about 1e-13 relative, so steps below that
// only wander. Convergence is quadratic: after a step of 1e-11 the error left
// is far below the noise.
constexpr double kPolishTolerance = 1e-11;

std::optional<double> Polish(const Isotherm& isotherm, double pressure, double temperature,
                             Region3Branch branch, double start) {
    double low = 0.0;
    double high = kHighestDensity;
    double rho = start;
    std::optional<double> root;
    for (int step = 0; step < kPolishSteps; ++step) {
        const auto [p, slope] = isotherm.Pressure(rho);
        const double f = p - pressure;
        if (!(slope > 0.0)) {
            return std::nullopt;
        }
        // A step this small lands on the root, or within an ulp of it.
        const double change = f / slope;
        if (std::abs(change) <= kPolishTolerance * rho) {
            root = rho - change;
            break;
        }
        (f < 0.0 ? low : high) = rho;
        double next = rho - change;
        if (!(next > low && next < high)) {
            next = 0.5 * (low + high);
        }
        rho = next;
    }
    if (!root || !(*root > 0.0 && *root < kHighestDensity)) {
        return std::nullopt;
    }
    // Below the critical temperature the isotherm loops. Where it falls at
    // the critical density, a root on a rising stretch is the liquid's when
    // denser than that and the vapour's when lighter.
    if (temperature < kTc) {
        const bool liquid = branch == Region3Branch::Liquid;
        if ((*root > kRhoc) != liquid || !(isotherm.Pressure(kRhoc).slope < 0.0)) {
            return std::nullopt;
        }
    }
    return root;
}

} // namespace

std::optional<double> Region3Density(double pressure, double temperature, Region3Branch branch,
                                     std::optional<double> start) {
    const Isotherm isotherm(temperature);
    const double guess = start ? *start : Region3StartingDensity(pressure, temperature, branch);
    if (const auto root = Polish(isotherm, pressure, temperature, branch, guess)) {
        return root;
    }
    return Search(isotherm, pressure, temperature, branch);
}

std::optional<double> Region3DensityBySearch(double pressure, double temperature,
                                             Region3Branch branch) {
    return Search(Isotherm(temperature), pressure, temperature, branch);
}

namespace {

constexpr int kJointSteps = 20;

// Region 3's pressure and h or s at (rho, T) less the wanted values, with
// their derivatives by density and by temperature.
struct JointResiduals {
    double p;
    double pByDensity;
    double pByTemperature;
    double z;
    double zByDensity;
    double zByTemperature;
};

JointResiduals Residuals(double pressure, Region3Given given, double value, double density,
                         double temperature) {
    const auto [phi, d, dd, t, tt, dt] = Isotherm(temperature).At(density);
    const double rt = kR * temperature;
    JointResiduals r{};
    r.p = density * rt * d / 1000.0 - pressure;
    r.pByDensity = rt * (2.0 * d + dd) / 1000.0;
    r.pByTemperature = density * kR * (d - dt) / 1000.0;
    if (given == Region3Given::Enthalpy) {
        r.z = rt * (t + d) - value;
        r.zByDensity = rt * (dt + d + dd) / density;
        r.zByTemperature = kR * (d - tt - dt);
    } else {
        r.z = kR * (t - phi) - value;
        r.zByDensity = kR * (dt - d) / density;
        r.zByTemperature = -kR * tt / temperature;
    }
    return r;
}

} // namespace

std::optional<DensityTemperature> Region3AtPressureAnd(double pressure, Region3Given given,
                                                       double value, DensityTemperature start,
                                                       double low, double high,
                                                       std::optional<Region3Branch> branch) {
    auto [density, temperature] = start;
    for (int step = 0; step < kJointSteps; ++step) {
        const JointResiduals r = Residuals(pressure, given, value, density, temperature);
        const double determinant =
            r.pByDensity * r.zByTemperature - r.pByTemperature * r.zByDensity;
        if (!(std::abs(determinant) > 0.0)) {
            return std::nullopt;
        }
        const double densityStep = (r.p * r.zByTemperature - r.pByTemperature * r.z) / determinant;
        const double temperatureStep = (r.pByDensity * r.z - r.zByDensity * r.p) / determinant;
        density -= densityStep;
        temperature -= temperatureStep;
        const bool wrongSide =
            branch && temperature < kTc && (density > kRhoc) != (*branch == Region3Branch::Liquid);
        if (!(density > 0.0 && density < kHighestDensity && temperature >= low &&
              temperature <= high) ||
            wrongSide) {
            return std::nullopt;
        }
        if (std::abs(temperatureStep) <= kPolishTolerance * temperature &&
            std::abs(densityStep) <= kPolishTolerance * density) {
            return DensityTemperature{density, temperature};
        }
    }
    return std::nullopt;
}

} // namespace velmaro::steam
