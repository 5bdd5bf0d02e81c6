#include "instruments/gas_flow_sheet.h"

namespace velmaro::instruments {

GasFlowSheet WorkGasFlow(const GasFlowInputs& in) {
    const GasState states[] = {
        in.line,
        ReferenceState(Reference::Normal, in.zRef),
        ReferenceState(in.standard, in.zRef),
    };
    const GasState& from = states[static_cast<unsigned>(in.given)];
    GasFlowSheet sheet{{0.0, 0.0, 0.0}, 0.0, 0.0, Fault::None, Fault::None};
    for (unsigned i = 0; i < 3; ++i) {
        const GasResult restated = RestateFlow(in.flow, from, states[i]);
        if (restated.fault != Fault::None) {
            return {{0.0, 0.0, 0.0}, 0.0, 0.0, restated.fault, restated.fault};
        }
        sheet.flows[i] = restated.value;
    }
    sheet.flows[static_cast<unsigned>(in.given)] = in.flow;

    GasResult density{in.normalDensity, Fault::None};
    if (in.densityFromMolarMass) {
        density = NormalDensity(in.molarMass, in.zRef);
    }
    GasResult mass = density;
    if (density.fault == Fault::None) {
        const GasResult normal = RestateFlow(in.flow * in.cubicMetresPerHour, from, states[1]);
        mass = normal.fault != Fault::None ? normal : MassFlow(normal.value, density.value);
    }
    sheet.normalDensity = density.fault == Fault::None ? density.value : 0.0;
    sheet.massPerHour = mass.fault == Fault::None ? mass.value : 0.0;
    sheet.massFault = mass.fault;
    return sheet;
}

} // namespace velmaro::instruments
