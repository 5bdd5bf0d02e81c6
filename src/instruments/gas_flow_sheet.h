#pragma once

// The gas-flow tool: one flow given at line, normal or standard conditions,
// or as a mass flow; the others restated through the normal density, typed
// or worked out from the molar mass. Without the line's state the flows at
// normal and standard conditions and the mass flow still restate one another.

#include "instruments/gas_flow.h"

namespace velmaro::instruments {

enum class FlowAt : unsigned { Line = 0, Normal = 1, Standard = 2, Mass = 3 };

struct GasFlowInputs {
    GasState line;
    double zRef;        // at normal and at standard conditions
    Reference standard; // Standard20, Standard15 or Standard60F
    FlowAt given;
    double flow;               // a volume flow in any unit, or a mass flow
    double cubicMetresPerHour; // one unit of the volume flow in m³/h; one kg/h per unit of mass
    bool densityFromMolarMass;
    double normalDensity; // kg/m³ at normal conditions, when typed
    double molarMass;     // g/mol, when the density comes from it
    bool lineKnown;       // false: `line` is not read and no line flow is worked out
};

struct GasFlowSheet {
    double flows[3]; // by FlowAt, in the flow's unit; the given one as given
    double normalDensity;
    double massPerHour; // kg/h, or the mass flow as given
    Fault flowFault;    // when not None, no flow, density or mass flow
    Fault massFault;    // when not None, no mass flow (nor density from M)
};

GasFlowSheet WorkGasFlow(const GasFlowInputs& inputs);

} // namespace velmaro::instruments
