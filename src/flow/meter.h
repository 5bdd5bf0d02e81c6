#pragma once

// The differential-pressure flowmeter's three sums, after ISO 5167-1:
//   qm = C / sqrt(1 - beta^4) * epsilon * pi/4 d^2 * sqrt(2 Δp rho1)
// solved for the mass flow from Δp, for Δp from the mass flow, and for the
// bore d from the mass flow and Δp (sizing). C depends on the Reynolds
// number and so on the flow, epsilon on Δp/p1 and beta: each sum iterates as
// the standard describes, and falls back on a bracketed search, which always
// ends, where the iteration does not settle.
//
// A result outside the standard's limits of use is still given, with the
// broken limits named; an input that has no answer is a fault and gives no
// number. SI units: m, Pa, kg/s, m³/s.

#include "flow/devices.h"
#include "flow/flow_fault.h"
#include "flow/fluid.h"
#include "flow/limits.h"

#include <optional>

namespace velmaro::flow {

struct Meter {
    Device device;
    double pipe = 0.0; // D, at operating conditions
    double bore = 0.0; // d, at operating conditions; not read when sizing
};

struct FlowResult {
    double massFlow = 0.0;                  // qm
    double volumeFlow = 0.0;                // qv at upstream conditions
    std::optional<double> normalVolumeFlow; // at 0 °C, 101.325 kPa: a fluid with a normal density
    double differential = 0.0;              // Δp
    double bore = 0.0;                      // d
    double beta = 0.0;                      // d / D
    double reynolds = 0.0;                  // Re_D
    double discharge = 0.0;                 // C
    double expansibility = 0.0;             // epsilon; 1 for a liquid
    double velocity = 0.0;                  // mean velocity in the pipe, m/s
    std::optional<double> pressureLoss;     // not recovered downstream; none for Venturi tubes
    // Of C and of epsilon (0 for a liquid), %, as the standard states them;
    // outside a limit of use it states none, and these carry its statements on.
    double dischargeUncertainty = 0.0;
    double expansibilityUncertainty = 0.0;
    LimitCheck limits;         // broken.Empty() within every limit of use
    Fault fault = Fault::None; // when not None, every number above is 0
};

// qm from Δp (meter.bore read).
FlowResult FlowFromDifferential(const Meter& meter, const FluidState& fluid, double differential);

// Δp from qm (meter.bore read). No Δp below p1 passing the flow is
// Fault::FlowBeyondInlet.
FlowResult DifferentialFromFlow(const Meter& meter, const FluidState& fluid, double massFlow);

// d (and beta) from qm and Δp (meter.bore not read). A flow that only a bore
// as wide as the pipe would pass is Fault::FlowBeyondPipe.
FlowResult SizeBore(const Meter& meter, const FluidState& fluid, double massFlow,
                    double differential);

} // namespace velmaro::flow
