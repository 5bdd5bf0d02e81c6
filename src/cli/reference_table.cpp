#include "cli/reference_table.h"

#include "cli/cli_error.h"
#include "convert/number_text.h"

#include <algorithm>
#include <cmath>

namespace velmaro::cli {
namespace {

constexpr int kRowSpan = 10;     // °C per row
constexpr int kRowsPerBlock = 5; // rows between blank lines
constexpr FixedFormat kTableFormat{0, 3};

// Rounded to zero, the published tables print no sign: "0.000", not "-0.000".
std::string WithoutNegativeZero(std::string text) {
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::string PadLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

int FloorToRow(int celsius) {
    return celsius >= 0 ? celsius / kRowSpan * kRowSpan
                        : -((-celsius + kRowSpan - 1) / kRowSpan * kRowSpan);
}

int CeilToRow(int celsius) {
    return -FloorToRow(-celsius);
}

std::string TableValue(const SensorType& type, int celsius) {
    const sensors::SensorResult result = OutputAt(type, celsius);
    return WithoutNegativeZero(FormatFixed(result.value, kTableFormat));
}

// One page: the degrees lo ... hi, all on one side of 0 °C; `direction` is -1
// for the page whose columns count down.
void AppendPage(std::string& table, const SensorType& type, int direction, int lo, int hi) {
    // "-6.458", "390.481": a blank and the widest value per column.
    const std::size_t column = type.family == SensorFamily::Thermocouple ? 7 : 8;
    table += "  °C";
    for (int c = 0; c <= kRowSpan; ++c) {
        table += PadLeft(std::to_string(direction * c), column);
    }
    table += '\n';
    // A row starting at `base` holds base ... base + 10 * direction. Rows are
    // printed lowest base first, each that holds a degree of the page before
    // its last column (which only repeats the next row's first).
    const int reach = kRowSpan - 1;
    const int firstBase = direction < 0 ? CeilToRow(lo) : std::max(0, CeilToRow(lo - reach));
    const int lastBase = direction < 0 ? std::min(0, FloorToRow(hi + reach)) : FloorToRow(hi);
    for (int base = firstBase; base <= lastBase; base += kRowSpan) {
        // The negative page groups its rows up to each multiple of 50, the
        // positive page from each.
        const int blockMark = direction < 0 ? base - kRowSpan : base;
        if (base != firstBase && blockMark % (kRowsPerBlock * kRowSpan) == 0) {
            table += '\n';
        }
        std::string row = PadLeft(std::to_string(base), 4);
        for (int c = 0; c <= kRowSpan; ++c) {
            const int celsius = base + direction * c;
            row += celsius >= lo && celsius <= hi ? PadLeft(TableValue(type, celsius), column)
                                                  : std::string(column, ' ');
        }
        row.erase(row.find_last_not_of(' ') + 1);
        table += row;
        table += '\n';
    }
}

// The decimals `value` needs, at most 6: 0.25 needs 2, 1/3 gets 6.
int DecimalsOf(double value) {
    constexpr int kMostDecimals = 6;
    double scaled = std::fabs(value);
    for (int decimals = 0; decimals < kMostDecimals; ++decimals) {
        if (std::fabs(scaled - std::round(scaled)) <= 1e-9 * std::max(1.0, scaled)) {
            return decimals;
        }
        scaled *= 10.0;
    }
    return kMostDecimals;
}

// The rows of a CSV table: row i is at from + i * step, printed with as many
// decimals as `from` and `step` need, and kept when the printed temperature
// lies within from ... to. Decided on the printed text, so that no row passes
// either end through rounding, and the row that prints as `to` is the last.
class CsvRows {
public:
    CsvRows(double from, double to, double step)
        : from_(from), to_(to),
          step_(step), format_{0, std::max(DecimalsOf(from), DecimalsOf(step))},
          end_(std::floor((to - from) / step) + 1.0) {
        constexpr double kCounted = 1e7; // beyond it only the size matters, for the refusal
        if (!(end_ <= kCounted)) {
            return;
        }
        while (end_ > 0.0 && Value(static_cast<long long>(end_) - 1) > to_) {
            end_ -= 1.0;
        }
        while (end_ <= kCounted && Value(static_cast<long long>(end_)) <= to_) {
            end_ += 1.0;
        }
        // A --from of more decimals than are printed can round below itself.
        while (static_cast<double>(first_) < end_ && Value(first_) < from_) {
            ++first_;
        }
    }

    long long first() const { return first_; }
    double end() const { return end_; } // one past the last row

    std::string Temperature(long long i) const {
        return WithoutNegativeZero(FormatFixed(from_ + static_cast<double>(i) * step_, format_));
    }

private:
    double Value(long long i) const { return ParseNumber(Temperature(i)); }

    double from_;
    double to_;
    double step_;
    FixedFormat format_;
    double end_;
    long long first_ = 0;
};

} // namespace

std::string PrintedTable(const SensorType& type, int first, int last) {
    std::string table =
        type.family == SensorFamily::Thermocouple
            ? "ITS-90 table for type " + type.name +
                  " thermocouple: EMF in mV, reference junction at 0 °C\n"
            : "Table for the " + type.name + " resistance thermometer: resistance in Ω\n";
    if (first < 0) {
        table += '\n';
        AppendPage(table, type, -1, first, std::min(last, 0));
    }
    if (last >= 0) {
        table += '\n';
        AppendPage(table, type, 1, std::max(first, 0), last);
    }
    return table;
}

double CsvRowCount(double from, double to, double step) {
    const CsvRows rows(from, to, step);
    return rows.end() - static_cast<double>(rows.first());
}

std::string CsvTable(const SensorType& type, double from, double to, double step) {
    const CsvRows rows(from, to, step);
    std::string table = "temperature_C," + std::string(type.outputQuantity) +
                        (type.family == SensorFamily::Thermocouple ? "_mV\n" : "_ohm\n");
    for (auto i = rows.first(); static_cast<double>(i) < rows.end(); ++i) {
        const std::string celsiusText = rows.Temperature(i);
        const double celsius = ParseNumber(celsiusText);
        const sensors::SensorResult result = OutputAt(type, celsius);
        if (result.check != sensors::RangeCheck::InRange) {
            throw CliError(kExitOutOfRange, celsiusText + " °C is outside the range of " +
                                                type.title() + ": " +
                                                RangeText(type.celsius, "°C"));
        }
        table += celsiusText;
        table += ',';
        table += FormatFixed(result.value, kFormatF);
        table += '\n';
    }
    return table;
}

} // namespace velmaro::cli
