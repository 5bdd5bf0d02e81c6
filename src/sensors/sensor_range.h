#pragma once

// Closed value ranges of the sensor functions and the verdict of the guarded
// entry points that the main window turns into the out-of-range message.

namespace velmaro::sensors {

// A closed interval [low, high]. NaN lies in no range, and the infinities lie
// outside every finite one, so neither ever reaches a sensor function.
struct ClosedRange {
    double low;
    double high;

    constexpr bool Contains(double value) const { return value >= low && value <= high; }
};

enum class RangeCheck {
    InRange,     // the type's function ran; `value` is its result
    OutOfRange,  // the main window shows the out-of-range message
    UnknownType, // type index past the end of the list: no message at all
};

// What a guarded entry point hands back. `value` is 0 unless `check` is
// InRange: the panel displays that 0 like any other result.
struct SensorResult {
    double value;
    RangeCheck check;

    friend constexpr bool operator==(const SensorResult&, const SensorResult&) = default;
};

} // namespace velmaro::sensors
