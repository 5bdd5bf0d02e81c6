#pragma once

// The signal ranges a transmitter's list offers: instruments::SignalRanges()
// in its order, as the list shows them (the tools' test holds the two
// together). The transmitter tool and the flowmeter's Δp transmitter share it.

#include "tools/tool.h"

#include <array>

namespace velmaro::tools {

inline constexpr std::array<Entry, 4> kSignalRangeEntries = {{
    {"4-20mA", {}, "4 ~ 20 mA", "mA"},
    {"0-20mA", {}, "0 ~ 20 mA", "mA"},
    {"1-5V", {}, "1 ~ 5 V", "V"},
    {"0-10V", {}, "0 ~ 10 V", "V"},
}};

} // namespace velmaro::tools
