#pragma once

// The resistance thermometers in the order of the sensor type list, with the
// ranges their two guarded conversions accept. Pt1000 and Pt500 came later and
// go after Cu50, so the older entries keep their places.

#include "sensors/sensor_range.h"

#include <span>

namespace velmaro::sensors {

// Selection index of the sensor type list in resistance-thermometer mode.
enum RtdType : unsigned {
    RTD_PT100 = 0,
    RTD_PT10 = 1,
    RTD_CU100 = 2,
    RTD_CU50 = 3,
    RTD_PT1000 = 4,
    RTD_PT500 = 5,
};

inline constexpr unsigned kRtdTypeCount = 6;

struct RtdInfo {
    RtdType type;
    const char* name;    // "RTD_PT100", ...
    const char* symbol;  // "Pt100": how the command line and the page name it
    ClosedRange celsius; // what the temperature-to-resistance conversion accepts, °C
    ClosedRange ohms;    // what the resistance-to-temperature conversion accepts, Ω
};

// All types, indexed by RtdType.
std::span<const RtdInfo, kRtdTypeCount> RtdTypes();

inline const RtdInfo& RtdTypeInfo(RtdType type) {
    return RtdTypes()[type];
}

} // namespace velmaro::sensors
