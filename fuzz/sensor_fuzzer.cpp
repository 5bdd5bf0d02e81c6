// Fuzzes the four guarded sensor conversions with arbitrary type indices and
// arbitrary doubles.
//
// Input: byte 0 chooses the conversion (modulo 4: thermocouple EMF, thermocouple
// temperature, RTD resistance, RTD temperature). Bytes 1-4 are the type index,
// any unsigned value. Byte 5 chooses how the value is made (modulo 8), from the
// eight bytes after it (missing bytes read as zero):
//   0  the bytes themselves as a double: NaNs, infinities, subnormals, anything;
//   1  the accepted range's low end      2  its high end;
//   3  the double just below the low end 4  the double just above the high end;
//   5  the double just above the low end 6  the double just below the high end;
//   7  a point inside the range, at the fraction the bytes give.
// Modes 1-7 use the range of the chosen type, or of type 0 when the index is
// past the list.
//
// Invariants (a violation traps):
// - No crash, no read outside the type and coefficient tables, no undefined
//   behaviour, no endless bisection (libFuzzer reports a slow input).
// - UnknownType exactly when the type index is past the list.
// - For a listed type, InRange exactly when the value lies in the type's closed
//   range (so never for NaN or an infinity), otherwise OutOfRange.
// - The result is +0 unless the verdict is InRange (the panel then shows
//   "0.000000", never "-0.000000").
// - An InRange result is finite, and lies within the other quantity's range
//   widened by a twentieth of its width: the conversions never wander off.

#include "fuzz_check.h"

#include "sensors/rtd.h"
#include "sensors/thermocouple.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

using velmaro::sensors::ClosedRange;
using velmaro::sensors::RangeCheck;
using velmaro::sensors::SensorResult;
namespace sensors = velmaro::sensors;

struct EntryPoint {
    SensorResult (*convert)(unsigned type, double value);
    unsigned typeCount;
    // The range the conversion accepts and the one its result lies in.
    ClosedRange (*accepted)(unsigned type);
    ClosedRange (*produced)(unsigned type);
};

sensors::ThermocoupleType AsThermocouple(unsigned type) {
    return static_cast<sensors::ThermocoupleType>(type);
}

sensors::RtdType AsRtd(unsigned type) {
    return static_cast<sensors::RtdType>(type);
}

const EntryPoint kEntryPoints[] = {
    {sensors::ThermocoupleEmf, sensors::kThermocoupleTypeCount,
     [](unsigned t) { return sensors::ThermocoupleTypeInfo(AsThermocouple(t)).celsius; },
     [](unsigned t) { return sensors::ThermocoupleTypeInfo(AsThermocouple(t)).emf; }},
    {sensors::ThermocoupleTemperature, sensors::kThermocoupleTypeCount,
     [](unsigned t) { return sensors::ThermocoupleTypeInfo(AsThermocouple(t)).emf; },
     [](unsigned t) { return sensors::ThermocoupleTypeInfo(AsThermocouple(t)).celsius; }},
    {sensors::RtdResistance, sensors::kRtdTypeCount,
     [](unsigned t) { return sensors::RtdTypeInfo(AsRtd(t)).celsius; },
     [](unsigned t) { return sensors::RtdTypeInfo(AsRtd(t)).ohms; }},
    {sensors::RtdTemperature, sensors::kRtdTypeCount,
     [](unsigned t) { return sensors::RtdTypeInfo(AsRtd(t)).ohms; },
     [](unsigned t) { return sensors::RtdTypeInfo(AsRtd(t)).celsius; }},
};

double MakeValue(std::uint8_t mode, const std::array<std::uint8_t, 8>& bytes, ClosedRange range) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    switch (mode % 8) {
    case 1:
        return range.low;
    case 2:
        return range.high;
    case 3:
        return std::nextafter(range.low, -kInfinity);
    case 4:
        return std::nextafter(range.high, kInfinity);
    case 5:
        return std::nextafter(range.low, kInfinity);
    case 6:
        return std::nextafter(range.high, -kInfinity);
    case 7: {
        std::uint64_t bits;
        std::memcpy(&bits, bytes.data(), sizeof bits);
        const double fraction = static_cast<double>(bits) / 18446744073709551616.0; // 2^64
        return std::clamp(range.low + (range.high - range.low) * fraction, range.low, range.high);
    }
    default: {
        double value;
        std::memcpy(&value, bytes.data(), sizeof value);
        return value;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 6) {
        return 0;
    }
    const EntryPoint& entry = kEntryPoints[data[0] % std::size(kEntryPoints)];
    unsigned type;
    std::memcpy(&type, data + 1, sizeof type);
    std::array<std::uint8_t, 8> bytes{};
    std::memcpy(bytes.data(), data + 6, std::min(size - 6, bytes.size()));
    const bool listed = type < entry.typeCount;
    const double value = MakeValue(data[5], bytes, entry.accepted(listed ? type : 0));

    const SensorResult result = entry.convert(type, value);
    if (!listed) {
        FUZZ_CHECK(result.check == RangeCheck::UnknownType);
    } else {
        const ClosedRange accepted = entry.accepted(type);
        const bool inside = value >= accepted.low && value <= accepted.high;
        FUZZ_CHECK(result.check == (inside ? RangeCheck::InRange : RangeCheck::OutOfRange));
    }
    if (result.check != RangeCheck::InRange) {
        FUZZ_CHECK(result.value == 0.0 && !std::signbit(result.value));
        return 0;
    }
    FUZZ_CHECK(std::isfinite(result.value));
    const ClosedRange produced = entry.produced(type);
    const double margin = (produced.high - produced.low) / 20.0;
    FUZZ_CHECK(result.value >= produced.low - margin && result.value <= produced.high + margin);
    return 0;
}
