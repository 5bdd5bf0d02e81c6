#pragma once

// The eight letter-designated thermocouple types in the order of the sensor
// type list, with the ranges their two guarded conversions accept.

#include "sensors/sensor_range.h"

#include <span>

namespace velmaro::sensors {

// Selection index of the sensor type list in thermocouple mode.
enum ThermocoupleType : unsigned {
    TC_S = 0,
    TC_R = 1,
    TC_B = 2,
    TC_K = 3,
    TC_N = 4,
    TC_E = 5,
    TC_J = 6,
    TC_T = 7,
};

inline constexpr unsigned kThermocoupleTypeCount = 8;

struct ThermocoupleInfo {
    ThermocoupleType type;
    char letter;         // 'S', 'R', ...
    const char* name;    // "TC_S", ...
    ClosedRange celsius; // what the temperature-to-EMF conversion accepts, °C
    ClosedRange emf;     // what the EMF-to-temperature conversion accepts, mV
    // Where the exact inverse (ReferenceTemperature) looks for a temperature,
    // °C: a range over which the reference function rises.
    ClosedRange invertible;
};

// All eight types, indexed by ThermocoupleType.
std::span<const ThermocoupleInfo, kThermocoupleTypeCount> ThermocoupleTypes();

inline const ThermocoupleInfo& ThermocoupleTypeInfo(ThermocoupleType type) {
    return ThermocoupleTypes()[type];
}

} // namespace velmaro::sensors
