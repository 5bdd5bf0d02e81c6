#pragma once

// The four resistance thermometers in the order of the sensor type list, with
// the ranges their two guarded conversions accept.

#include "sensors/sensor_range.h"

#include <span>

namespace velmaro::sensors {

// Selection index of the sensor type list in resistance-thermometer mode.
enum RtdType : unsigned {
    RTD_PT100 = 0,
    RTD_PT10 = 1,
    RTD_CU100 = 2,
    RTD_CU50 = 3,
};

inline constexpr unsigned kRtdTypeCount = 4;

struct RtdInfo {
    RtdType type;
    const char* name;     // "RTD_PT100", ...
    const char* listText; // the sensor list's entry, UTF-8
    ClosedRange celsius;  // what the temperature-to-resistance conversion accepts, °C
    ClosedRange ohms;     // what the resistance-to-temperature conversion accepts, Ω
};

// All four types, indexed by RtdType.
std::span<const RtdInfo, kRtdTypeCount> RtdTypes();

inline const RtdInfo& RtdTypeInfo(RtdType type) {
    return RtdTypes()[type];
}

} // namespace velmaro::sensors
