#pragma once

// The properties of a state in the order every view lists them, with the
// unit they are computed in and the fixed number of decimals they are shown
// with (about six significant digits over the usual range, as a printed
// steam table has them).

#include "steam/water_steam.h"

#include <optional>
#include <string_view>

namespace velmaro::steam {

enum class Property {
    Temperature,
    Pressure,
    Volume,
    Density,
    Enthalpy,
    InternalEnergy,
    Entropy,
    Cp,
    Cv,
    SpeedOfSound,
    Quality,
};

struct PropertyFormat {
    std::string_view unit; // ASCII symbol, as the command line writes it
    Property property;
    int decimals;
};

// clang-format off
inline constexpr PropertyFormat kPropertyFormats[] = {
    {"K",         Property::Temperature,         3},
    {"MPa",       Property::Pressure,            6},
    {"m3/kg",     Property::Volume,              7},
    {"kg/m3",     Property::Density,             4},
    {"kJ/kg",     Property::Enthalpy,            3},
    {"kJ/kg",     Property::InternalEnergy,      3},
    {"kJ/(kg K)", Property::Entropy,             5},
    {"kJ/(kg K)", Property::Cp,                  5},
    {"kJ/(kg K)", Property::Cv,                  5},
    {"m/s",       Property::SpeedOfSound,        2},
    {"",          Property::Quality,             5},
};
// clang-format on

// The value of `property`, or empty where it is not defined (cp, cv and w of
// wet steam, x off the saturation dome).
std::optional<double> ValueOf(const State& state, Property property);

// `value`, or +0 when it rounds to zero at `decimals`: the reference state
// puts s of the triple-point liquid at -6e-8, which is no "-0.0000".
double WithoutNegativeZero(double value, int decimals);

} // namespace velmaro::steam
