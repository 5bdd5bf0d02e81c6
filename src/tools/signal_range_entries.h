#pragma once

// The signal ranges a transmitter's list offers: instruments::SignalRanges()
// in its order, as the list shows them (the tools' test holds the two
// together). The transmitter tool and the flowmeter's Δp transmitter share it.

#include "tools/tool.h"

#include <array>

namespace velmaro::tools {

// With their ends, for the command line's --signal-range LO HI.
inline constexpr std::array<double, 2> k4To20 = {4.0, 20.0};
inline constexpr std::array<double, 2> k0To20 = {0.0, 20.0};
inline constexpr std::array<double, 2> k1To5 = {1.0, 5.0};
inline constexpr std::array<double, 2> k0To10 = {0.0, 10.0};

inline constexpr std::array<Entry, 4> kSignalRangeEntries = {{
    {"4-20mA", {}, "4 ~ 20 mA", "mA", k4To20},
    {"0-20mA", {}, "0 ~ 20 mA", "mA", k0To20},
    {"1-5V", {}, "1 ~ 5 V", "V", k1To5},
    {"0-10V", {}, "0 ~ 10 V", "V", k0To10},
}};

} // namespace velmaro::tools
