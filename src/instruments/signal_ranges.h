#pragma once

// The analogue signal ranges a transmitter's output is offered in.

#include <span>
#include <string>
#include <string_view>

namespace velmaro::instruments {

struct SignalSpan {
    double low;  // the signal at the lower range value (0 %)
    double high; // the signal at the upper range value (100 %)
};

struct SignalRangeInfo {
    std::string_view id;   // "4-20mA", ...
    std::string_view unit; // "mA" or "V"
    SignalSpan span;
};

// 4-20 mA first: it is the default.
std::span<const SignalRangeInfo> SignalRanges();

// The range as its list shows it: "4 ~ 20 mA".
std::string SignalRangeLabel(const SignalRangeInfo& range);

// The range named `id`, or nullptr.
const SignalRangeInfo* FindSignalRange(std::string_view id);

} // namespace velmaro::instruments
