#pragma once

// The gas-flow tool as the window and the page show it: one flow given at
// line, normal or standard conditions, the other two restated, and the mass
// flow from the normal density, typed or worked out from the molar mass.

#include "instruments/gas_flow.h"

namespace velmaro::instruments {

enum class FlowAt : unsigned { Line = 0, Normal = 1, Standard = 2 };

struct GasFlowInputs {
    GasState line;
    double zRef;        // at normal and at standard conditions
    Reference standard; // Standard20 or Standard15
    FlowAt given;
    double flow;
    double cubicMetresPerHour; // one unit of the flow in m³/h, for the mass flow
    bool densityFromMolarMass;
    double normalDensity; // kg/m³ at normal conditions, when typed
    double molarMass;     // g/mol, when the density comes from it
};

struct GasFlowSheet {
    double flows[3]; // by FlowAt; the given one as given
    double normalDensity;
    double massPerHour; // kg/h
    Fault flowFault;    // when not None, no flow, density or mass flow
    Fault massFault;    // when not None, no mass flow (nor density from M)
};

GasFlowSheet WorkGasFlow(const GasFlowInputs& inputs);

} // namespace velmaro::instruments
