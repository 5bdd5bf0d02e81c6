// Decimal conversions by the C library, for a C++ library without
// floating-point charconv (the WebAssembly build). Its strtod and snprintf
// round correctly, and the only locale there is "C", so "." is the point.

#include "convert/decimal_conversion.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velmaro::detail {

std::optional<double> ReadDecimal(std::string_view number) {
    const std::string terminated(number); // strtod reads up to a NUL
    errno = 0;
    const double value = std::strtod(terminated.c_str(), nullptr);
    // ERANGE also comes with a subnormal result, which is in range.
    if (errno == ERANGE && (value == 0.0 || std::isinf(value))) {
        return std::nullopt;
    }
    return value;
}

std::string WriteFixed(double value, int precision) {
    std::array<char, kMaxFixedLength + 1> buffer{}; // and the NUL snprintf writes
    // printf's own digits are the point of this route.
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg)
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*f", precision, value);
    // Within kMaxFixedPrecision the text always fits; the bound only guards
    // the buffer.
    const std::size_t size = length > 0 ? static_cast<std::size_t>(length) : 0;
    return {buffer.data(), std::min(size, buffer.size() - 1)};
}

} // namespace velmaro::detail
