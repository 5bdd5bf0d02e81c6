#include "steam/property_list.h"

#include <cmath>

namespace velmaro::steam {

std::optional<double> ValueOf(const State& state, Property property) {
    switch (property) {
    case Property::Temperature:
        return state.temperature;
    case Property::Pressure:
        return state.pressure;
    case Property::Volume:
        return state.volume;
    case Property::Density:
        return state.density;
    case Property::Enthalpy:
        return state.enthalpy;
    case Property::InternalEnergy:
        return state.internalEnergy;
    case Property::Entropy:
        return state.entropy;
    case Property::Cp:
        return state.cp;
    case Property::Cv:
        return state.cv;
    case Property::SpeedOfSound:
        return state.speedOfSound;
    case Property::Quality:
        return state.quality;
    }
    return std::nullopt;
}

double WithoutNegativeZero(double value, int decimals) {
    return std::abs(value) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : value;
}

} // namespace velmaro::steam
