#include "flow/meter.h"

#include "flow/coefficients.h"
#include "flow/roots.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

namespace velmaro::flow {
namespace {

constexpr double kPi = std::numbers::pi;

// Each sum first runs the standard's secant iteration on its residual, from
// the standard's start and one substitution step. Its step shrinks faster
// than linearly: once a step moves the root by 1e-12 relative, the error left
// is of the order of that step times the one before it, below the 1e-16
// rounding of the residuals. Where the iteration leaves its domain or does
// not settle within its steps, a bracketed search takes over.
constexpr double kStepTolerance = 1e-12;
constexpr int kMostSteps = 30;
// The bracketed searches stop at a bracket this narrow, relative.
constexpr double kBracketTolerance = 1e-15;
// Points of the scan that looks for a bracket where the iteration failed.
constexpr int kScanPoints = 64;

double Pow4(double x) {
    const double x2 = x * x;
    return x2 * x2;
}

bool AllFinite(const FlowResult& r) {
    const double values[] = {r.massFlow,
                             r.volumeFlow,
                             r.normalVolumeFlow.value_or(0.0),
                             r.differential,
                             r.bore,
                             r.beta,
                             r.reynolds,
                             r.discharge,
                             r.expansibility,
                             r.velocity,
                             r.pressureLoss.value_or(0.0),
                             r.dischargeUncertainty,
                             r.expansibilityUncertainty};
    return std::all_of(std::begin(values), std::end(values),
                       [](double value) { return std::isfinite(value); });
}

FlowResult Failed(Fault fault) {
    FlowResult result{};
    result.fault = fault;
    return result;
}

Fault MeterFault(const Meter& meter, bool boreGiven) {
    if (!IsKnown(meter.device)) {
        return Fault::UnknownDevice;
    }
    if (!std::isfinite(meter.pipe) || (boreGiven && !std::isfinite(meter.bore))) {
        return Fault::NotFinite;
    }
    if (meter.pipe <= 0.0) {
        return Fault::PipeNotPositive;
    }
    if (boreGiven && meter.bore <= 0.0) {
        return Fault::BoreNotPositive;
    }
    if (boreGiven && meter.bore >= meter.pipe) {
        return Fault::BoreNotBelowPipe;
    }
    return Fault::None;
}

Fault DifferentialFault(double differential, double inlet) {
    if (!std::isfinite(differential)) {
        return Fault::NotFinite;
    }
    if (differential <= 0.0) {
        return Fault::DifferentialNotPositive;
    }
    if (differential >= inlet) {
        return Fault::DifferentialNotBelowInlet;
    }
    return Fault::None;
}

Fault MassFlowFault(double massFlow) {
    if (!std::isfinite(massFlow)) {
        return Fault::NotFinite;
    }
    return massFlow > 0.0 ? Fault::None : Fault::MassFlowNotPositive;
}

// The first fault of the list, in the order given.
Fault FirstFault(std::initializer_list<Fault> faults) {
    for (const Fault fault : faults) {
        if (fault != Fault::None) {
            return fault;
        }
    }
    return Fault::None;
}

double EpsilonOf(const Meter& meter, const FluidState& fluid, double beta, double differential) {
    return fluid.liquid
               ? 1.0
               : Expansibility(meter.device, beta, differential / fluid.pressure, fluid.kappa);
}

double ReynoldsOf(const FluidState& fluid, double pipe, double massFlow) {
    return 4.0 * massFlow / (kPi * fluid.viscosity * pipe);
}

// Everything that follows from qm, Δp, d, C and epsilon.
FlowResult Complete(const Meter& meter, const FluidState& fluid, double bore, double massFlow,
                    double differential, double discharge, double expansibility) {
    const double pipe = meter.pipe;
    const double beta = bore / pipe;
    const double dpRatio = differential / fluid.pressure;
    FlowResult r{};
    r.massFlow = massFlow;
    r.volumeFlow = massFlow / fluid.density;
    if (fluid.normalDensity) {
        r.normalVolumeFlow = massFlow / *fluid.normalDensity;
    }
    r.differential = differential;
    r.bore = bore;
    r.beta = beta;
    r.reynolds = ReynoldsOf(fluid, pipe, massFlow);
    r.discharge = discharge;
    r.expansibility = expansibility;
    r.velocity = r.volumeFlow / (kPi / 4.0 * pipe * pipe);
    r.pressureLoss = PressureLoss(meter.device, beta, discharge, differential);
    r.dischargeUncertainty = DischargeUncertainty(meter.device, beta, pipe, r.reynolds);
    r.expansibilityUncertainty =
        fluid.liquid ? 0.0 : ExpansibilityUncertainty(meter.device, beta, dpRatio, fluid.kappa);
    r.limits = CheckLimits(meter.device, pipe, bore, r.reynolds, 1.0 - dpRatio, fluid.liquid);
    r.fault = Fault::None;
    return AllFinite(r) ? r : Failed(Fault::NotFinite);
}

// C at its fixed point C = C(Re_D = C * reynoldsPerC); where the iteration
// fails, the largest root of C - C(C * reynoldsPerC), the one it settles on.
std::optional<double> SolveDischarge(const DischargeEquation& equation, double reynoldsPerC) {
    if (equation.Constant()) {
        return equation(reynoldsPerC);
    }
    const auto residual = [&](double x) { return x - equation(x * reynoldsPerC); };
    const double start = equation.Start();
    if (const auto c = Secant(
            residual, start, equation(start * reynoldsPerC), [](double x) { return x > 0.0; },
            kStepTolerance, kMostSteps)) {
        return c;
    }
    // C - C(Re) > 0 for a large enough C, where C(Re) is near its
    // infinite-Reynolds value; walk down from there to the first C below.
    double high = 1.0;
    double fHigh = residual(high);
    for (int i = 0; i < 64 && !(fHigh > 0.0); ++i) {
        high *= 2.0;
        fHigh = residual(high);
    }
    if (!(fHigh > 0.0)) {
        return std::nullopt;
    }
    for (int i = 0; i < 64; ++i) {
        const double low = 0.5 * high;
        const double fLow = residual(low);
        if (fLow < 0.0) {
            return RootInBracket(residual, low, high, fLow, fHigh, kBracketTolerance);
        }
        if (!(fLow > 0.0)) {
            return fLow == 0.0 ? std::optional<double>(low) : std::nullopt;
        }
        high = low;
        fHigh = fLow;
    }
    return std::nullopt;
}

// The first root of f above `from`, where f(from) < 0, from the scan of
// kScanPoints steps up to `to` (f there need not be defined): nullopt when f
// stays at or below 0.
template <class F> std::optional<double> FirstRootAbove(F&& f, double from, double to) {
    double low = from;
    double fLow = f(from);
    if (!(fLow < 0.0)) {
        return std::nullopt;
    }
    for (int k = 1; k <= kScanPoints; ++k) {
        const double x =
            k < kScanPoints ? from + (to - from) * k / kScanPoints : to - (to - from) * 1e-6;
        const double fx = f(x);
        if (fx > 0.0) {
            return RootInBracket(f, low, x, fLow, fx, kBracketTolerance);
        }
        if (fx < 0.0) {
            low = x;
            fLow = fx;
        }
    }
    return std::nullopt;
}

} // namespace

FlowResult FlowFromDifferential(const Meter& meter, const FluidState& fluid, double differential) {
    if (const Fault fault = FirstFault({MeterFault(meter, true), CheckFluid(fluid),
                                        DifferentialFault(differential, fluid.pressure)});
        fault != Fault::None) {
        return Failed(fault);
    }
    const double pipe = meter.pipe;
    const double bore = meter.bore;
    const double beta = bore / pipe;
    const double epsilon = EpsilonOf(meter, fluid, beta, differential);
    // qm = C * flowPerC and Re_D = C * reynoldsPerC: all but C is known.
    const double flowPerC = epsilon * kPi / 4.0 * bore * bore *
                            std::sqrt(2.0 * differential * fluid.density) /
                            std::sqrt(1.0 - Pow4(beta));
    const double reynoldsPerC = ReynoldsOf(fluid, pipe, flowPerC);
    const std::optional<double> discharge =
        SolveDischarge(DischargeEquation(meter.device, beta, pipe), reynoldsPerC);
    if (!discharge) {
        return Failed(Fault::NoDischargeCoefficient);
    }
    return Complete(meter, fluid, bore, *discharge * flowPerC, differential, *discharge, epsilon);
}

FlowResult DifferentialFromFlow(const Meter& meter, const FluidState& fluid, double massFlow) {
    if (const Fault fault =
            FirstFault({MeterFault(meter, true), CheckFluid(fluid), MassFlowFault(massFlow)});
        fault != Fault::None) {
        return Failed(fault);
    }
    const double pipe = meter.pipe;
    const double bore = meter.bore;
    const double beta = bore / pipe;
    // The flow fixes Re_D and so C at once; only epsilon waits for Δp.
    const double discharge =
        DischargeEquation(meter.device, beta, pipe)(ReynoldsOf(fluid, pipe, massFlow));
    if (!(discharge > 0.0)) {
        return Failed(Fault::NoDischargeCoefficient);
    }
    const double perArea = 4.0 * massFlow / (discharge * kPi * bore * bore);
    // Δp epsilon² = known; epsilon <= 1, so Δp is at least `known`.
    const double known = (1.0 - Pow4(beta)) / (2.0 * fluid.density) * perArea * perArea;
    if (!(known < fluid.pressure)) {
        return Failed(std::isfinite(known) ? Fault::FlowBeyondInlet : Fault::NotFinite);
    }
    double differential = known;
    if (!fluid.liquid) {
        // Δp epsilon² rises from below `known` at Δp = `known` to a highest
        // value where the throat chokes; the flow's Δp is its first crossing.
        const auto residual = [&](double dp) {
            const double epsilon = EpsilonOf(meter, fluid, beta, dp);
            return epsilon > 0.0 ? dp * epsilon * epsilon - known : -known;
        };
        const auto belowInlet = [&](double dp) { return dp > 0.0 && dp < fluid.pressure; };
        const double epsilon = EpsilonOf(meter, fluid, beta, known);
        std::optional<double> root = Secant(residual, known, known / (epsilon * epsilon),
                                            belowInlet, kStepTolerance, kMostSteps);
        if (!root || !(residual(*root * (1.0 - 1e-6)) < 0.0)) {
            root = residual(known) == 0.0 ? std::optional<double>(known)
                                          : FirstRootAbove(residual, known, fluid.pressure);
        }
        if (!root) {
            return Failed(Fault::FlowBeyondInlet);
        }
        differential = *root;
    }
    if (!(differential < fluid.pressure)) {
        return Failed(Fault::FlowBeyondInlet);
    }
    return Complete(meter, fluid, bore, massFlow, differential, discharge,
                    EpsilonOf(meter, fluid, beta, differential));
}

FlowResult SizeBore(const Meter& meter, const FluidState& fluid, double massFlow,
                    double differential) {
    if (const Fault fault =
            FirstFault({MeterFault(meter, false), CheckFluid(fluid), MassFlowFault(massFlow),
                        DifferentialFault(differential, fluid.pressure)});
        fault != Fault::None) {
        return Failed(fault);
    }
    const double pipe = meter.pipe;
    const double reynolds = ReynoldsOf(fluid, pipe, massFlow);
    // C epsilon beta² / sqrt(1 - beta^4) = known.
    const double known =
        4.0 * massFlow / (kPi * pipe * pipe * std::sqrt(2.0 * differential * fluid.density));
    const auto coefficients = [&](double beta) {
        const double discharge = DischargeEquation(meter.device, beta, pipe)(reynolds);
        return std::pair{discharge, EpsilonOf(meter, fluid, beta, differential)};
    };

    const auto residual = [&](double beta) {
        const auto [discharge, epsilon] = coefficients(beta);
        const double beta2 = beta * beta;
        return discharge * epsilon * beta2 / std::sqrt(1.0 - beta2 * beta2) - known;
    };
    // The standard's start and its substitution step: beta^4 = X² / (1 + X²)
    // with X = known / (C epsilon).
    constexpr double kStart = 0.5;
    const auto [startC, startEpsilon] = coefficients(kStart);
    const double x = known / (startC * startEpsilon);
    const double next = std::sqrt(std::sqrt(x * x / (1.0 + x * x)));
    std::optional<double> beta = Secant(
        residual, kStart, next, [](double b) { return b > 0.0 && b < 1.0; }, kStepTolerance,
        kMostSteps);
    if (!beta) {
        beta = FirstRootAbove(residual, 0.0, 1.0);
        if (!beta) {
            return Failed(Fault::FlowBeyondPipe);
        }
    }
    const auto [discharge, epsilon] = coefficients(*beta);
    return Complete(meter, fluid, *beta * pipe, massFlow, differential, discharge, epsilon);
}

} // namespace velmaro::flow
