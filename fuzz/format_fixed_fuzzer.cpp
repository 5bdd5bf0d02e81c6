// Fuzzes the printing of a double in every field format.
//
// Input: one byte choosing the format (modulo the six field formats), then
// the eight bytes of a double in the machine's byte order (missing bytes read
// as zero), so every double is reachable: NaNs of either sign, infinities,
// subnormals, the largest finite values, exact rounding ties.
//
// Invariants (a violation traps):
// - FormatFixed never crashes and writes nothing outside its buffer, even for
//   the 309 integer digits of the largest doubles.
// - Its text is exactly what printf gives for the format in the "C" locale.
// - The text has the format's shape: optional "-", digits, ".", exactly the
//   format's number of decimals; or "inf", "-inf", "nan", "-nan"; "-" exactly
//   when the sign bit is set.
// - A finite text reads back (ParseNumber) to a value that prints the same.

#include "fuzz_check.h"

#include "convert/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

namespace {

using velmaro::FixedFormat;
using velmaro::FormatFixed;
using velmaro::ParseNumber;
using velmaro::fuzz::HasFixedShape;
using velmaro::fuzz::HasFormatShape;
using velmaro::fuzz::kFieldFormats;

constexpr std::size_t kFormatCount = std::size(kFieldFormats);

std::string PrintfFixed(double value, FixedFormat format) {
    // Sign, 309 integer digits, the point and the decimals fit with room to spare.
    std::array<char, 512> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%*.*f", format.minWidth,
                                     format.precision, value);
    FUZZ_CHECK(length > 0 && static_cast<std::size_t>(length) < buffer.size());
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const FixedFormat format = kFieldFormats[data[0] % kFormatCount];
    std::array<std::uint8_t, sizeof(double)> bytes{};
    std::memcpy(bytes.data(), data + 1, std::min(size - 1, bytes.size()));
    double value;
    std::memcpy(&value, bytes.data(), sizeof value);

    const std::string printed = FormatFixed(value, format);
    FUZZ_CHECK(printed == PrintfFixed(value, format));
    FUZZ_CHECK(HasFormatShape(printed, format));
    FUZZ_CHECK((printed.find('-') != std::string::npos) == std::signbit(value));
    if (std::isfinite(value)) {
        FUZZ_CHECK(HasFixedShape(printed, format));
        FUZZ_CHECK(FormatFixed(ParseNumber(printed), format) == printed);
    }
    return 0;
}
