#include "flow/coefficients.h"

#include "flow/tables/nozzles.h"
#include "flow/tables/orifice_plate.h"
#include "flow/tables/venturi_tubes.h"

#include <cmath>

namespace velmaro::flow {
namespace {

using namespace tables;

// The tables indexed by tapping and by convergent are in their enums' order.
constexpr bool TablesInEnumOrder() {
    for (unsigned i = 0; i < std::size(kTapSpacings); ++i) {
        if (static_cast<unsigned>(kTapSpacings[i].taps) != i) {
            return false;
        }
    }
    for (unsigned i = 0; i < std::size(kVenturiTubes); ++i) {
        if (static_cast<unsigned>(kVenturiTubes[i].convergent) != i) {
            return false;
        }
    }
    return true;
}
static_assert(TablesInEnumOrder());

const VenturiTube& VenturiOf(const Device& device) {
    return kVenturiTubes[static_cast<unsigned>(device.convergent)];
}

double Pow4(double x) {
    const double x2 = x * x;
    return x2 * x2;
}

} // namespace

DischargeEquation::DischargeEquation(const Device& device, double beta, double pipe)
    : kind_(device.kind) {
    const double beta4 = Pow4(beta);
    switch (kind_) {
    case MeterKind::Orifice: {
        const ReaderHarrisGallagher& k = kReaderHarrisGallagher;
        const TapSpacing& spacing = kTapSpacings[static_cast<unsigned>(device.taps)];
        const double pipeMm = pipe * 1000.0;
        const double l1 =
            spacing.fixedDistanceMm > 0.0 ? spacing.fixedDistanceMm / pipeMm : spacing.l1;
        const double l2 =
            spacing.fixedDistanceMm > 0.0 ? spacing.fixedDistanceMm / pipeMm : spacing.l2;
        const double m2 = 2.0 * l2 / (1.0 - beta);
        base_ = k.c0 + k.c2 * beta * beta - k.c8 * beta4 * beta4 -
                k.d0 * (m2 - k.dM * std::pow(m2, 1.1)) * std::pow(beta, 1.3);
        if (pipeMm < k.smallPipeMm) {
            base_ += k.s0 * (0.75 - beta) * (2.8 - pipeMm / 25.4);
        }
        slope_ = k.slope * std::pow(1e6 * beta, 0.7);
        lowSlope_ = std::pow(beta, 3.5) * std::pow(1e6, 0.3);
        aFactor_ = std::pow(k.aRe * beta, 0.8);
        upstream_ = (k.u0 + k.u1 * std::exp(-10.0 * l1) - k.u2 * std::exp(-7.0 * l1)) * beta4 /
                    (1.0 - beta4);
        break;
    }
    case MeterKind::Isa1932Nozzle: {
        const Isa1932Nozzle& k = kIsa1932Nozzle;
        base_ = k.c0 - k.c41 * std::pow(beta, 4.1);
        slope_ = -(k.c2 * beta * beta - k.c415 * std::pow(beta, 4.15)) * std::pow(1e6, 1.15);
        break;
    }
    case MeterKind::LongRadiusNozzle:
        base_ = kLongRadiusNozzle.c0;
        slope_ = -kLongRadiusNozzle.c05 * std::sqrt(beta) * 1e3;
        break;
    case MeterKind::VenturiTube:
        base_ = VenturiOf(device).discharge;
        break;
    }
}

double DischargeEquation::operator()(double reynolds) const {
    switch (kind_) {
    case MeterKind::Orifice: {
        const ReaderHarrisGallagher& k = kReaderHarrisGallagher;
        const double a = aFactor_ * std::pow(reynolds, -0.8);
        return base_ + slope_ * std::pow(reynolds, -0.7) +
               (k.a0 + k.aA * a) * lowSlope_ * std::pow(reynolds, -0.3) +
               upstream_ * (1.0 - k.uA * a);
    }
    case MeterKind::Isa1932Nozzle:
        return base_ + slope_ * std::pow(reynolds, -1.15);
    case MeterKind::LongRadiusNozzle:
        return base_ + slope_ / std::sqrt(reynolds);
    case MeterKind::VenturiTube:
        return base_;
    }
    return base_;
}

double Expansibility(const Device& device, double beta, double dpRatio, double kappa) {
    if (dpRatio == 0.0) {
        return 1.0;
    }
    // ln(p2/p1) without the cancellation of forming p2/p1 = 1 - Δp/p1 first.
    const double logTau = std::log1p(-dpRatio);
    const double beta4 = Pow4(beta);
    if (device.kind == MeterKind::Orifice) {
        const OrificeExpansibility& k = kOrificeExpansibility;
        return 1.0 + (k.e0 + k.e4 * beta4 + k.e8 * beta4 * beta4) * std::expm1(logTau / kappa);
    }
    // The isentropic throat: kappa tau^(2/kappa) / (kappa - 1) times
    // (1 - tau^((kappa-1)/kappa)) / (1 - tau) is written as tau^(2/kappa)
    // times (1 - tau^g) / (g Δp/p1), g = (kappa - 1) / kappa, which tends to
    // 1 as Δp/p1 goes to 0 and stays exact as kappa nears 1.
    const double g = (kappa - 1.0) / kappa;
    const double tau2k = std::exp(2.0 * logTau / kappa);
    const double expansion = -std::expm1(g * logTau) / (g * dpRatio);
    return std::sqrt(tau2k * (1.0 - beta4) / (1.0 - beta4 * tau2k) * expansion);
}

double DischargeUncertainty(const Device& device, double beta, double pipe, double reynolds) {
    switch (device.kind) {
    case MeterKind::Orifice: {
        const OrificeUncertainty& u = kOrificeUncertainty;
        double percent = beta < u.betaLow     ? u.low
                         : beta <= u.betaHigh ? u.mid
                                              : u.rise * beta - u.riseOffset;
        const double pipeMm = pipe * 1000.0;
        if (pipeMm < kReaderHarrisGallagher.smallPipeMm) {
            percent += u.smallPipe * (0.75 - beta) * (2.8 - pipeMm / 25.4);
        }
        if (beta > u.lowReynoldsBeta && reynolds < u.lowReynoldsBelow) {
            percent += u.lowReynolds;
        }
        return percent;
    }
    case MeterKind::Isa1932Nozzle: {
        const Isa1932Uncertainty& u = kIsa1932Uncertainty;
        return beta <= u.flatToBeta ? u.flat : u.rise * beta - u.offset;
    }
    case MeterKind::LongRadiusNozzle:
        return kLongRadiusUncertainty;
    case MeterKind::VenturiTube:
        return VenturiOf(device).uncertaintyPercent;
    }
    return 0.0;
}

double ExpansibilityUncertainty(const Device& device, double beta, double dpRatio, double kappa) {
    if (device.kind == MeterKind::Orifice) {
        return kOrificeUncertainty.epsilon * dpRatio / kappa;
    }
    const ThroatEpsilonUncertainty& u = device.kind == MeterKind::VenturiTube
                                            ? kVenturiEpsilonUncertainty
                                            : kNozzleEpsilonUncertainty;
    const double beta4 = Pow4(beta);
    return (u.e0 + u.e8 * beta4 * beta4) * dpRatio;
}

std::optional<double> PressureLoss(const Device& device, double beta, double discharge, double dp) {
    if (device.kind == MeterKind::VenturiTube) {
        return std::nullopt;
    }
    const double cb2 = discharge * beta * beta;
    const double root = std::sqrt(1.0 - Pow4(beta) * (1.0 - discharge * discharge));
    return (root - cb2) / (root + cb2) * dp;
}

} // namespace velmaro::flow
