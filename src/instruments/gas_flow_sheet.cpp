#include "instruments/gas_flow_sheet.h"

#include <cmath>

namespace velmaro::instruments {
namespace {

GasFlowSheet Refused(Fault fault) {
    return {{0.0, 0.0, 0.0}, 0.0, 0.0, fault, fault};
}

// A mass flow at normal conditions: kg/h over kg/m³ there, in the flow's unit.
GasResult NormalFlowOfMass(const GasFlowInputs& in, GasResult density) {
    if (density.fault == Fault::None && !(density.value > 0.0)) {
        return {0.0, std::isfinite(density.value) ? Fault::DensityNotPositive : Fault::NotFinite};
    }
    if (density.fault != Fault::None) {
        return density;
    }
    const double flow = in.flow / density.value / in.cubicMetresPerHour;
    return {flow, std::isfinite(flow) ? Fault::None : Fault::NotFinite};
}

} // namespace

GasFlowSheet WorkGasFlow(const GasFlowInputs& in) {
    if (!in.lineKnown && in.given == FlowAt::Line) {
        return Refused(Fault::NoLineState);
    }
    const GasState states[] = {
        in.line,
        ReferenceState(Reference::Normal, in.zRef),
        ReferenceState(in.standard, in.zRef),
    };
    GasResult density{in.normalDensity, Fault::None};
    if (in.densityFromMolarMass) {
        density = NormalDensity(in.molarMass, in.zRef);
    }

    // The volume flow everything is restated from, at the state it is at.
    GasState from = states[1];
    double flow = in.flow;
    if (in.given == FlowAt::Mass) {
        const GasResult normal = NormalFlowOfMass(in, density);
        if (normal.fault != Fault::None) {
            return Refused(normal.fault);
        }
        flow = normal.value;
    } else {
        from = states[static_cast<unsigned>(in.given)];
    }

    GasFlowSheet sheet{{0.0, 0.0, 0.0}, 0.0, 0.0, Fault::None, Fault::None};
    for (unsigned i = in.lineKnown ? 0 : 1; i < 3; ++i) {
        const GasResult restated = RestateFlow(flow, from, states[i]);
        if (restated.fault != Fault::None) {
            return Refused(restated.fault);
        }
        sheet.flows[i] = restated.value;
    }
    if (in.given != FlowAt::Mass) {
        sheet.flows[static_cast<unsigned>(in.given)] = in.flow;
    }

    GasResult mass = density;
    if (in.given == FlowAt::Mass) {
        mass = {in.flow, Fault::None};
    } else if (density.fault == Fault::None) {
        const GasResult normal = RestateFlow(in.flow * in.cubicMetresPerHour, from, states[1]);
        mass = normal.fault != Fault::None ? normal : MassFlow(normal.value, density.value);
    }
    sheet.normalDensity = density.fault == Fault::None ? density.value : 0.0;
    sheet.massPerHour = mass.fault == Fault::None ? mass.value : 0.0;
    sheet.massFault = mass.fault;
    return sheet;
}

} // namespace velmaro::instruments
