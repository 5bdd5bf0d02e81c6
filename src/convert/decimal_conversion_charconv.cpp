// Decimal conversions by the C++ library's charconv: exact, and independent of
// the process locale by definition.

#include "convert/decimal_conversion.h"

#include <array>
#include <charconv>
#include <system_error>

namespace velmaro::detail {

std::optional<double> ReadDecimal(std::string_view number) {
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

std::string WriteFixed(double value, int precision) {
    std::array<char, kMaxFixedLength + 1> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, precision);
    return {buffer.data(), result.ptr};
}

} // namespace velmaro::detail
