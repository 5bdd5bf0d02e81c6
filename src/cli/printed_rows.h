#pragma once

// The rows of a stepped table, chosen by their printed text: the reference
// tables' --csv rows and the steam table's. Row i stands at start + i * step,
// where start is `from` as printed in the table's format, and is printed in
// that format; a row is kept when its printed value lies within `from` ...
// `to`, and is worked out at that value. So no row passes either end through
// rounding, the row that prints as `to` is the last, and a `from` of more
// decimals than are printed cannot make two rows print alike.

#include "convert/number_text.h"

#include <string>

namespace velmaro::cli {

// Rounded to zero, a table prints no sign, as the published tables do:
// "0.000", not "-0.000".
std::string WithoutNegativeZero(std::string text);

class PrintedRows {
public:
    // Refuses (status 2) a step below one unit of the format's last decimal,
    // which could not change the printed value from one row to the next and
    // could add nothing to a value of the range at all, and a table of more
    // than kMostRows rows. `from` <= `to` and `step` > 0 are the caller's.
    PrintedRows(double from, double to, double step, FixedFormat format);

    static constexpr double kMostRows = 1'000'000;

    long long first() const { return first_; }
    double end() const { return end_; } // one past the last row

    // The printed text of row i: a value that rounds to zero without a sign.
    std::string Text(long long i) const;

private:
    double Value(long long i) const { return ParseNumber(Text(i)); }

    double from_;
    double to_;
    double step_;
    FixedFormat format_;
    double start_; // `from` as printed
    double end_;
    long long first_ = 0;
};

} // namespace velmaro::cli
