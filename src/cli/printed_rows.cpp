#include "cli/printed_rows.h"

#include "cli/cli_error.h"
#include "cli/sensor_catalog.h"

#include <cmath>
#include <cstddef>

namespace velmaro::cli {

std::string WithoutNegativeZero(std::string text) {
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

PrintedRows::PrintedRows(double from, double to, double step, FixedFormat format)
    : from_(from), to_(to), step_(step), format_(format),
      start_(ParseNumber(WithoutNegativeZero(FormatFixed(from, format)))),
      end_(std::floor((to - start_) / step) + 1.0) {
    // One unit of the last decimal, read from its text: the same double on
    // every system, where pow may not be.
    const std::string finest =
        format.precision > 0
            ? "0." + std::string(static_cast<std::size_t>(format.precision - 1), '0') + "1"
            : "1";
    if (step < ParseNumber(finest)) {
        throw UsageError("--step must be at least " + finest + ", not " + ShortestText(step));
    }
    // Beyond it only the size matters, for the refusal below.
    constexpr double kCounted = 10 * kMostRows;
    if (end_ <= kCounted) {
        while (end_ > 0.0 && Value(static_cast<long long>(end_) - 1) > to_) {
            end_ -= 1.0;
        }
        while (end_ <= kCounted && Value(static_cast<long long>(end_)) <= to_) {
            end_ += 1.0;
        }
        // A `from` of more decimals than are printed can round below itself.
        while (static_cast<double>(first_) < end_ && Value(first_) < from_) {
            ++first_;
        }
    }
    const double rows = end_ - static_cast<double>(first_);
    if (!(rows <= kMostRows)) {
        throw UsageError("--step " + ShortestText(step) + " makes " + ShortestText(rows) +
                         " rows; a table has at most 1000000");
    }
}

std::string PrintedRows::Text(long long i) const {
    return WithoutNegativeZero(FormatFixed(start_ + static_cast<double>(i) * step_, format_));
}

} // namespace velmaro::cli
