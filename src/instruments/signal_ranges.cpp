#include "instruments/signal_ranges.h"

#include "convert/number_text.h"

#include <array>

namespace velmaro::instruments {
namespace {

// The live-zero current and voltage ranges of process instruments and the
// two plain ones, current and voltage, in common use beside them.
constexpr std::array<SignalRangeInfo, 4> kSignalRanges = {{
    {"4-20mA", "mA", {4.0, 20.0}},
    {"0-20mA", "mA", {0.0, 20.0}},
    {"1-5V", "V", {1.0, 5.0}},
    {"0-10V", "V", {0.0, 10.0}},
}};
static_assert(kSignalRanges.size() == 4);

} // namespace

std::span<const SignalRangeInfo> SignalRanges() {
    return kSignalRanges;
}

std::string SignalRangeLabel(const SignalRangeInfo& range) {
    // The ends are whole numbers: "4", not "4.0".
    constexpr FixedFormat kWhole{0, 0};
    return FormatFixed(range.span.low, kWhole) + " ~ " + FormatFixed(range.span.high, kWhole) +
           " " + std::string(range.unit);
}

const SignalRangeInfo* FindSignalRange(std::string_view id) {
    for (const SignalRangeInfo& range : kSignalRanges) {
        if (range.id == id) {
            return &range;
        }
    }
    return nullptr;
}

} // namespace velmaro::instruments
