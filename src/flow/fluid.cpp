#include "flow/fluid.h"

#include "instruments/gas_flow.h"
#include "steam/transport.h"
#include "steam/water_steam.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace velmaro::flow {
namespace {

bool AllFinite(std::initializer_list<double> values) {
    return std::all_of(std::begin(values), std::end(values),
                       [](double value) { return std::isfinite(value); });
}

FluidResult Checked(const FluidState& state) {
    const Fault fault = CheckFluid(state);
    return fault == Fault::None ? FluidResult{state, Fault::None} : FluidResult{{}, fault};
}

FluidResult Failed(Fault fault) {
    return {{}, fault};
}

Fault GasInputFault(const GasInput& gas) {
    if (!AllFinite({gas.pressure, gas.temperature, gas.z, gas.kappa, gas.viscosity, gas.zNormal,
                    gas.fromMolarMass ? gas.molarMass : gas.normalDensity})) {
        return Fault::NotFinite;
    }
    if (gas.pressure <= 0.0) {
        return Fault::PressureNotPositive;
    }
    if (gas.temperature <= 0.0) {
        return Fault::TemperatureNotPositive;
    }
    if (gas.z <= 0.0 || gas.zNormal <= 0.0) {
        return Fault::ZNotPositive;
    }
    if (gas.fromMolarMass && gas.molarMass <= 0.0) {
        return Fault::MolarMassNotPositive;
    }
    if (!gas.fromMolarMass && gas.normalDensity <= 0.0) {
        return Fault::DensityNotPositive;
    }
    return Fault::None;
}

} // namespace

Fault CheckFluid(const FluidState& fluid) {
    if (!AllFinite({fluid.pressure, fluid.density, fluid.viscosity,
                    fluid.liquid ? 2.0 : fluid.kappa, fluid.normalDensity.value_or(1.0)})) {
        return Fault::NotFinite;
    }
    if (fluid.pressure <= 0.0) {
        return Fault::PressureNotPositive;
    }
    if (fluid.density <= 0.0 || fluid.normalDensity.value_or(1.0) <= 0.0) {
        return Fault::DensityNotPositive;
    }
    if (fluid.viscosity <= 0.0) {
        return Fault::ViscosityNotPositive;
    }
    if (!fluid.liquid && fluid.kappa <= 1.0) {
        return Fault::KappaNotAboveOne;
    }
    return Fault::None;
}

FluidResult Liquid(double pressure, double density, double viscosity) {
    return Checked({pressure, density, viscosity, 0.0, true, std::nullopt});
}

FluidResult Gas(const GasInput& gas) {
    if (const Fault fault = GasInputFault(gas); fault != Fault::None) {
        return Failed(fault);
    }
    double normalDensity = gas.normalDensity;
    if (gas.fromMolarMass) {
        const instruments::GasResult fromMolarMass =
            instruments::NormalDensity(gas.molarMass, gas.zNormal);
        if (fromMolarMass.fault != instruments::Fault::None) {
            return Failed(Fault::NotFinite);
        }
        normalDensity = fromMolarMass.value;
    }
    // The normal cubic metres in one cubic metre at line conditions.
    const instruments::GasResult perLineVolume = instruments::RestateFlow(
        1.0, {gas.pressure, gas.temperature, gas.z},
        instruments::ReferenceState(instruments::Reference::Normal, gas.zNormal));
    if (perLineVolume.fault != instruments::Fault::None) {
        return Failed(Fault::NotFinite);
    }
    return Checked({gas.pressure, normalDensity * perLineVolume.value, gas.viscosity, gas.kappa,
                    false, normalDensity});
}

FluidResult WaterSteam(double pressure, double temperature) {
    if (!AllFinite({pressure, temperature})) {
        return Failed(Fault::NotFinite);
    }
    if (pressure <= 0.0) {
        return Failed(Fault::PressureNotPositive);
    }
    if (temperature <= 0.0) {
        return Failed(Fault::TemperatureNotPositive);
    }
    const std::optional<steam::State> state =
        steam::AtPressureTemperature(pressure / 1e6, temperature);
    if (!state || !state->speedOfSound) {
        return Failed(Fault::OutsideWaterSteam);
    }
    // The viscosity's equation holds over less than IF97 does.
    const std::optional<steam::Transport> transport = steam::TransportOf(*state);
    if (!transport) {
        return Failed(Fault::OutsideWaterSteam);
    }
    const double mu = transport->dynamicViscosity;
    const double w = *state->speedOfSound;
    const bool liquid = state->phase == steam::Phase::CompressedLiquid ||
                        state->phase == steam::Phase::SaturatedLiquid;
    return Checked(
        {pressure, state->density, mu, state->density * w * w / pressure, liquid, std::nullopt});
}

MassFlowResult MassFlowOf(const FluidState& fluid, FlowBasis basis, double flow) {
    if (const Fault fault = CheckFluid(fluid); fault != Fault::None) {
        return {0.0, fault};
    }
    if (!std::isfinite(flow)) {
        return {0.0, Fault::NotFinite};
    }
    if (flow <= 0.0) {
        return {0.0, Fault::MassFlowNotPositive};
    }
    double mass = flow;
    if (basis == FlowBasis::Volume) {
        mass = flow * fluid.density;
    } else if (basis == FlowBasis::NormalVolume) {
        if (!fluid.normalDensity) {
            return {0.0, Fault::NoNormalDensity};
        }
        mass = flow * *fluid.normalDensity;
    }
    if (!std::isfinite(mass)) {
        return {0.0, Fault::NotFinite};
    }
    return {mass, Fault::None};
}

} // namespace velmaro::flow
