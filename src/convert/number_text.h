#pragma once

// Number text as the unit fields read and write it. Both directions are
// independent of the process locale: "." is always the decimal point, even
// when the user's regional settings use a comma.

#include <cstddef>
#include <string>
#include <string_view>

namespace velmaro {

// Reads the longest leading decimal number of `text`, the way the C runtime's
// atof does in the "C" locale, but without its hexadecimal and "inf"/"nan"
// words: leading white space, an optional sign, digits with an optional ".",
// and an optional exponent. Reading stops at the first character that does not
// fit; text without a leading number reads as 0. A magnitude beyond the double
// range reads as an infinity, one below it as zero.
double ParseNumber(std::string_view text);

// How many characters of `text` ParseNumber reads: the leading white space,
// sign and number; 0 when `text` does not start with a number.
std::size_t NumberLength(std::string_view text);

// A printf-style fixed-point format: "%<minWidth>.<precision>f".
struct FixedFormat {
    int minWidth;
    int precision;

    friend constexpr bool operator==(FixedFormat, FixedFormat) = default;
};

inline constexpr FixedFormat kFormat8f{0, 8};   // "%.8f"
inline constexpr FixedFormat kFormat6f{0, 6};   // "%.6f"
inline constexpr FixedFormat kFormat2_6f{2, 6}; // "%2.6f"
inline constexpr FixedFormat kFormatF{0, 6};    // "%f"
inline constexpr FixedFormat kFormat2f{0, 2};   // "%.2f"
inline constexpr FixedFormat kFormat5f{0, 5};   // "%.5f"

// Formats `value` exactly as printf would with `format` in the "C" locale:
// the complete digits of the double (up to 309 before the point), correctly
// rounded to the precision, "-" for negative values including those that
// round to zero, "inf"/"-inf" and "nan"/"-nan" for the non-finite values.
std::string FormatFixed(double value, FixedFormat format);

} // namespace velmaro
