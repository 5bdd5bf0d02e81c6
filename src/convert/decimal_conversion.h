#pragma once

// The two exact conversions under the number text, apart from its grammar:
// decimal digits to the nearest double and a double to its fixed-point digits.
// Two routes give the same results: the C++ library's charconv where it
// converts floating point (decimal_conversion_charconv.cpp), and the C
// library's strtod and snprintf where it does not, as in the WebAssembly build
// (decimal_conversion_libc.cpp), whose C library rounds correctly and knows no
// locale but "C".

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmaro::detail {

// `number` is a plain decimal number as the number text found it: digits with
// at most one ".", an optional exponent, no sign, no white space. Gives the
// nearest double, or nothing when the value lies beyond the double range
// (too large, or too small for the smallest subnormal).
std::optional<double> ReadDecimal(std::string_view number);

// The most decimals WriteFixed writes, and the longest text it can give: a
// sign, 309 digits before the point, the point and the decimals.
inline constexpr int kMaxFixedPrecision = 400;
inline constexpr std::size_t kMaxFixedLength = 1 + 309 + 1 + kMaxFixedPrecision;

// printf's "%.<precision>f" of a finite or infinite `value` in the "C" locale,
// for a precision from 0 to kMaxFixedPrecision.
std::string WriteFixed(double value, int precision);

} // namespace velmaro::detail
