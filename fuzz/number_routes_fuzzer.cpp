// Fuzzes the two routes under the number text against each other: the C++
// library's charconv (what velmaro_convert uses on this machine) and the C
// library's strtod and snprintf (what the WebAssembly page uses), built here
// from the same source under the namespace velmaro_libc_route.
//
// Input: two bytes choosing the precision (0 to kMaxFixedPrecision, little
// endian, modulo), the eight bytes of a double in the machine's byte order
// (missing bytes read as zero), then a text.
//
// Invariants (a violation traps):
// - Both routes write the same digits for the double, NaN aside (the number
//   text spells NaN itself), at the chosen precision.
// - When the text is a plain decimal number as the number text hands it on
//   (digits with at most one ".", an optional exponent, no sign), both routes
//   read the same double bit for bit, or both find it out of range; and both
//   write the same digits for it.

#include "fuzz_check.h"

#include "convert/decimal_conversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace velmaro_libc_route::detail {
std::optional<double> ReadDecimal(std::string_view number);
std::string WriteFixed(double value, int precision);
} // namespace velmaro_libc_route::detail

namespace {

namespace charconv = velmaro::detail;
namespace libc = velmaro_libc_route::detail;
using velmaro::fuzz::IsDigit;

// Digits with at most one "." and at least one digit, then "e" or "E", an
// optional sign and at least one digit, or nothing.
bool IsPlainDecimal(std::string_view text) {
    std::size_t i = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            anyDigit = true;
        } else if (text[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit) {
        return false;
    }
    if (i == text.size()) {
        return true;
    }
    if (text[i] != 'e' && text[i] != 'E') {
        return false;
    }
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const std::size_t exponentBegin = i;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i > exponentBegin && i == text.size();
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckWrite(double value, int precision) {
    if (!std::isnan(value)) {
        FUZZ_CHECK(charconv::WriteFixed(value, precision) == libc::WriteFixed(value, precision));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHeader = 2 + sizeof(double);
    std::array<std::uint8_t, kHeader> header{};
    std::memcpy(header.data(), data, std::min(size, kHeader));
    const int precision =
        (header[0] | (header[1] << 8)) % (velmaro::detail::kMaxFixedPrecision + 1);
    double value;
    std::memcpy(&value, header.data() + 2, sizeof value);
    CheckWrite(value, precision);

    if (size <= kHeader) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data + kHeader), size - kHeader);
    if (!IsPlainDecimal(text)) {
        return 0;
    }
    const std::optional<double> read = charconv::ReadDecimal(text);
    const std::optional<double> readByLibc = libc::ReadDecimal(text);
    FUZZ_CHECK(read.has_value() == readByLibc.has_value());
    if (read) {
        FUZZ_CHECK(SameBits(*read, *readByLibc));
        CheckWrite(*read, precision);
    }
    return 0;
}
