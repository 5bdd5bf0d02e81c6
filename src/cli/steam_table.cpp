#include "cli/steam_table.h"

#include "cli/cli_error.h"
#include "cli/printed_rows.h"
#include "convert/number_text.h"
#include "steam/property_list.h"
#include "steam/water_steam.h"

#include <string>
#include <vector>

namespace velmaro::cli {
namespace {

constexpr double kKelvinOffset = 273.15;

struct Column {
    std::string_view heading; // printed table
    std::string_view csv;
    int decimals;
    int width;
};

constexpr Column kColumns[] = {
    {"t °C", "t_C", 2, 8},
    {"p MPa", "p_MPa", 6, 11},
    {"v' m3/kg", "v1_m3_per_kg", 7, 12},
    {"v'' m3/kg", "v2_m3_per_kg", 5, 12},
    {"h' kJ/kg", "h1_kJ_per_kg", 2, 10},
    {"h'' kJ/kg", "h2_kJ_per_kg", 2, 10},
    {"r kJ/kg", "r_kJ_per_kg", 2, 10},
    {"s' kJ/kgK", "s1_kJ_per_kgK", 4, 10},
    {"s'' kJ/kgK", "s2_kJ_per_kgK", 4, 10},
};

std::vector<double> RowValues(const steam::Saturation& sat) {
    const steam::State& l = sat.liquid;
    const steam::State& g = sat.vapour;
    return {l.temperature - kKelvinOffset, l.pressure, l.volume, g.volume, l.enthalpy, g.enthalpy,
            g.enthalpy - l.enthalpy,       l.entropy,  g.entropy};
}

std::string Padded(std::string_view text, int width) {
    std::string cell(text);
    // Width in characters; "°" takes two bytes.
    const auto characters =
        static_cast<int>(cell.size()) - (text.find("°") != std::string_view::npos ? 1 : 0);
    if (characters < width) {
        cell.insert(0, static_cast<std::size_t>(width - characters), ' ');
    }
    return cell;
}

std::string HeadingLine(bool csv) {
    std::string line;
    for (const Column& column : kColumns) {
        if (csv) {
            line += (line.empty() ? "" : ",") + std::string(column.csv);
        } else {
            line += Padded(column.heading, column.width + 1);
        }
    }
    return line;
}

std::string RowLine(const steam::Saturation& sat, bool csv) {
    std::string line;
    const std::vector<double> values = RowValues(sat);
    for (std::size_t c = 0; c < values.size(); ++c) {
        const int decimals = kColumns[c].decimals;
        const std::string text =
            FormatFixed(steam::WithoutNegativeZero(values[c], decimals), {0, decimals});
        if (csv) {
            line += (c == 0 ? "" : ",") + text;
        } else {
            line += Padded(text, kColumns[c].width + 1);
        }
    }
    return line;
}

} // namespace

void RunSteamTable(const SteamRequest& request, OutputBuffer& out) {
    // The rows are chosen by the text of their column, t or p, and each is
    // the saturation state at the value it prints.
    const int decimals = kColumns[request.byPressure ? 1 : 0].decimals;
    const PrintedRows rows(request.from, request.to, request.step, {0, decimals});
    std::vector<steam::Saturation> table;
    for (auto i = rows.first(); static_cast<double>(i) < rows.end(); ++i) {
        const std::string text = rows.Text(i);
        const double x = ParseNumber(text);
        const auto sat = request.byPressure ? steam::SaturationAtPressure(x)
                                            : steam::SaturationAtTemperature(x + kKelvinOffset);
        if (!sat) {
            throw CliError(kExitOutOfRange, text + (request.byPressure ? " MPa" : " °C") +
                                                " is off the saturation line: 0.01 ... 373.946 °C, "
                                                "0.000611213 ... 22.064 MPa");
        }
        table.push_back(*sat);
    }
    out << HeadingLine(request.csv) << '\n';
    for (const steam::Saturation& sat : table) {
        out << RowLine(sat, request.csv) << '\n';
    }
}

} // namespace velmaro::cli
