#pragma once

// The equations of each device: its discharge coefficient C, its
// expansibility factor epsilon, their uncertainties as the standards state
// them, and the pressure loss that is not recovered downstream. Diameters in
// metres, pressures in pascals. The device must be known (IsKnown), beta lie
// in (0, 1) and Δp/p1 in [0, 1); the sums in flow/meter.h see to that.

#include "flow/devices.h"

#include <optional>

namespace velmaro::flow {

// C of one device of diameter ratio `beta` in a pipe of `pipe` as a function
// of the pipe Reynolds number: the terms fixed by beta and D are formed once,
// since the sums evaluate C at many Reynolds numbers.
class DischargeEquation {
public:
    DischargeEquation(const Device& device, double beta, double pipe);

    double operator()(double reynolds) const;

    // Venturi tubes: C does not depend on Re_D.
    bool Constant() const { return kind_ == MeterKind::VenturiTube; }

    // Where the standard's iteration starts: 0.6 for orifice plates, 1 for
    // the rest.
    double Start() const { return kind_ == MeterKind::Orifice ? 0.6 : 1.0; }

private:
    MeterKind kind_;
    double base_ = 0.0;  // every term free of Re_D
    double slope_ = 0.0; // of the leading Reynolds-number term
    // Orifice plates: C = base + slope Re^-0.7 + (a0 + aA A) lowSlope Re^-0.3
    // + upstream (1 - uA A), with A = aFactor Re^-0.8.
    double lowSlope_ = 0.0;
    double aFactor_ = 0.0;
    double upstream_ = 0.0;
};

// epsilon at `dpRatio` = Δp/p1 for isentropic exponent `kappa`.
double Expansibility(const Device& device, double beta, double dpRatio, double kappa);

// The uncertainties, in percent.
double DischargeUncertainty(const Device& device, double beta, double pipe, double reynolds);
double ExpansibilityUncertainty(const Device& device, double beta, double dpRatio, double kappa);

// The permanent pressure loss at Δp `dp` for orifice plates and nozzles; the
// standard gives no equation for Venturi tubes.
std::optional<double> PressureLoss(const Device& device, double beta, double discharge, double dp);

} // namespace velmaro::flow
