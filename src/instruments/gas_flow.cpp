#include "instruments/gas_flow.h"

#include <cmath>

namespace velmaro::instruments {
namespace {

Fault StateFault(const GasState& state) {
    if (!std::isfinite(state.pascals) || !std::isfinite(state.kelvin) || !std::isfinite(state.z)) {
        return Fault::NotFinite;
    }
    if (state.pascals <= 0.0) {
        return Fault::PressureNotPositive;
    }
    if (state.kelvin <= 0.0) {
        return Fault::TemperatureNotPositive;
    }
    if (state.z <= 0.0) {
        return Fault::ZNotPositive;
    }
    return Fault::None;
}

GasResult Finite(double value) {
    return std::isfinite(value) ? GasResult{value, Fault::None} : GasResult{0.0, Fault::NotFinite};
}

} // namespace

GasState ReferenceState(Reference reference, double z) {
    const ReferenceInfo& info = ReferenceOf(reference);
    return {info.pascals, info.kelvin, z};
}

double AbsolutePressure(double reading, bool gauge) {
    return gauge ? reading + kStandardAtmospherePascals : reading;
}

GasResult RestateFlow(double flow, const GasState& from, const GasState& to) {
    for (const GasState* state : {&from, &to}) {
        if (const Fault fault = StateFault(*state); fault != Fault::None) {
            return {0.0, fault};
        }
    }
    if (!std::isfinite(flow)) {
        return {0.0, Fault::NotFinite};
    }
    return Finite(flow * (from.pascals / to.pascals) * (to.kelvin / from.kelvin) * (to.z / from.z));
}

GasResult MassFlow(double normalFlow, double normalDensity) {
    if (!std::isfinite(normalFlow) || !std::isfinite(normalDensity)) {
        return {0.0, Fault::NotFinite};
    }
    if (normalDensity <= 0.0) {
        return {0.0, Fault::DensityNotPositive};
    }
    return Finite(normalFlow * normalDensity);
}

GasResult NormalDensity(double kgPerKmol, double zNormal) {
    if (!std::isfinite(kgPerKmol) || !std::isfinite(zNormal)) {
        return {0.0, Fault::NotFinite};
    }
    if (kgPerKmol <= 0.0) {
        return {0.0, Fault::DensityNotPositive};
    }
    if (zNormal <= 0.0) {
        return {0.0, Fault::ZNotPositive};
    }
    const GasState normal = ReferenceState(Reference::Normal, zNormal);
    // g/mol * Pa / (J/(mol K) * K) is g/m³; /1000 gives kg/m³.
    return Finite(normal.pascals * kgPerKmol / (normal.z * kMolarGasConstant * normal.kelvin) /
                  1000.0);
}

} // namespace velmaro::instruments
