#include "convert/number_text.h"

#include "convert/decimal_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

namespace velmaro {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The C locale's white space, which atof skips before the number.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The extent of the leading number and what the parser needs to know about it.
struct NumberSpan {
    std::size_t begin = 0; // first digit or "." after the sign
    std::size_t end = 0;   // one past the last character of the number
    bool negative = false;
    bool valid = false;        // at least one mantissa digit
    bool nonZeroDigit = false; // the mantissa has a digit other than 0
    // Decimal exponent of the first non-zero mantissa digit, saturated: tells
    // an overflow from an underflow when the value leaves the double range.
    long long magnitude = 0;
};

// One pass over the grammar atof reads; split up, the grammar would be harder
// to see whole.
// NOLINTNEXTLINE(readability-function-cognitive-complexity)
NumberSpan ScanNumber(std::string_view text) {
    constexpr long long kSaturation = 1'000'000'000'000LL;
    NumberSpan span;
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        span.negative = text[i] == '-';
        ++i;
    }
    span.begin = i;

    long long digitsBeforePoint = 0; // counted from the first non-zero digit
    long long leadingZerosAfterPoint = 0;
    bool seenPoint = false;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            anyDigit = true;
            if (c != '0') {
                span.nonZeroDigit = true;
            }
            if (!seenPoint && span.nonZeroDigit && digitsBeforePoint < kSaturation) {
                ++digitsBeforePoint;
            }
            if (seenPoint && !span.nonZeroDigit && leadingZerosAfterPoint < kSaturation) {
                ++leadingZerosAfterPoint;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit) {
        return span; // a lone sign or point is no number
    }
    span.valid = true;
    span.end = i;

    // An exponent counts only when at least one digit follows "e" and its sign.
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            for (; j < text.size() && IsDigit(text[j]); ++j) {
                if (exponent < kSaturation) {
                    exponent = exponent * 10 + (text[j] - '0');
                }
            }
            span.end = j;
            if (negativeExponent) {
                exponent = -exponent;
            }
        }
    }
    span.magnitude = digitsBeforePoint > 0 ? digitsBeforePoint - 1 + exponent
                                           : -(leadingZerosAfterPoint + 1) + exponent;
    return span;
}

} // namespace

double ParseNumber(std::string_view text) {
    const NumberSpan span = ScanNumber(text);
    if (!span.valid) {
        return 0.0;
    }
    const std::optional<double> read =
        detail::ReadDecimal(text.substr(span.begin, span.end - span.begin));
    // The scan decided this is a number; without a value only its size is out
    // of reach.
    double value =
        read.value_or(span.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0);
    if (!span.nonZeroDigit) {
        value = 0.0;
    }
    return span.negative ? -value : value;
}

std::size_t NumberLength(std::string_view text) {
    const NumberSpan span = ScanNumber(text);
    return span.valid ? span.end : 0;
}

std::string FormatFixed(double value, FixedFormat format) {
    const int precision =
        format.precision < 0 ? 6 : std::min(format.precision, detail::kMaxFixedPrecision);
    std::string text;
    if (std::isnan(value)) {
        text = std::signbit(value) ? "-nan" : "nan";
    } else {
        text = detail::WriteFixed(value, precision);
    }
    if (static_cast<int>(text.size()) < format.minWidth) {
        text.insert(0, static_cast<std::size_t>(format.minWidth) - text.size(), ' ');
    }
    return text;
}

} // namespace velmaro
