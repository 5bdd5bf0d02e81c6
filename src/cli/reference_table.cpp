#include "cli/reference_table.h"

#include "cli/cli_error.h"
#include "cli/printed_rows.h"
#include "convert/number_text.h"

#include <algorithm>
#include <cmath>

namespace velmaro::cli {
namespace {

constexpr int kRowSpan = 10;     // °C per row
constexpr int kRowsPerBlock = 5; // rows between blank lines
constexpr FixedFormat kTableFormat{0, 3};

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

// The decimals `value` needs, at most 6: 0.25 needs 2, 1/3 gets 6, and so
// does 1e-30, which is no whole number however close to 0 (a step that small
// is then refused as finer than the sixth decimal).
int DecimalsOf(double value) {
    constexpr int kMostDecimals = 6;
    double scaled = std::fabs(value);
    for (int decimals = 0; decimals < kMostDecimals; ++decimals) {
        const double whole = std::round(scaled);
        if ((whole != 0.0 || scaled == 0.0) &&
            std::fabs(scaled - whole) <= 1e-9 * std::max(1.0, scaled)) {
            return decimals;
        }
        scaled *= 10.0;
    }
    return kMostDecimals;
}

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

std::string CsvTable(const SensorType& type, double from, double to, double step) {
    const PrintedRows rows(from, to, step, {0, std::max(DecimalsOf(from), DecimalsOf(step))});
    std::string table = "temperature_C," + OutputKey(type) + "\n";
    for (auto i = rows.first(); static_cast<double>(i) < rows.end(); ++i) {
        const std::string celsiusText = rows.Text(i);
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
