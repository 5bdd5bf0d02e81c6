#include "cli/table_command.h"

#include "cli/cli_error.h"
#include "cli/json_output.h"
#include "cli/option_number.h"
#include "cli/reference_table.h"
#include "cli/sensor_catalog.h"
#include "cli/steam_table.h"

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace velmaro::cli {
namespace {

// A table's bound or step: a number by the one rule, and a finite one.
double TableNumber(std::string_view option, const std::string& text, bool strict) {
    const double value = OptionNumber(option, text, strict);
    if (!std::isfinite(value)) {
        throw UsageError(std::string(option) + ": '" + text + "' is no finite number");
    }
    return value;
}

std::vector<std::string_view> Cells(std::string_view line) {
    std::vector<std::string_view> cells;
    while (true) {
        const std::size_t comma = line.find(',');
        cells.push_back(line.substr(0, comma));
        if (comma == std::string_view::npos) {
            return cells;
        }
        line.remove_prefix(comma + 1);
    }
}

// The rows of a --csv table as JSON lines, keyed by its heading.
std::string JsonRows(std::string_view csv) {
    std::string json;
    std::vector<std::string_view> keys;
    while (!csv.empty()) {
        const std::size_t end = csv.find('\n');
        const std::string_view line = csv.substr(0, end);
        csv = end == std::string_view::npos ? std::string_view() : csv.substr(end + 1);
        if (keys.empty()) {
            keys = Cells(line);
            continue;
        }
        const std::vector<std::string_view> cells = Cells(line);
        Json row = Json::object();
        for (std::size_t i = 0; i < keys.size() && i < cells.size(); ++i) {
            row[std::string(keys[i])] = PrintedNumber(cells[i]);
        }
        json += JsonLine(row);
    }
    return json;
}

void SteamTable(const Request& request, OutputBuffer& out) {
    SteamRequest steam;
    steam.csv = request.csv;
    steam.byPressure = request.by == "pressure";
    steam.from = TableNumber("--from", *request.from, request.strict);
    steam.to = TableNumber("--to", *request.to, request.strict);
    steam.step = TableNumber("--step", *request.step, request.strict);
    if (steam.from > steam.to) {
        throw UsageError("--from is above --to");
    }
    if (!(steam.step > 0.0)) {
        throw UsageError("--step must be above 0");
    }
    RunSteamTable(steam, out);
}

void SensorTable(const Request& request, OutputBuffer& out) {
    const SensorType& type = SensorTypeNamed(request.sensorType);
    const double from =
        request.from ? TableNumber("--from", *request.from, request.strict) : type.celsius.low;
    const double to =
        request.to ? TableNumber("--to", *request.to, request.strict) : type.celsius.high;
    if (from > to) {
        throw UsageError("--from " + ShortestText(from) + " is above --to " + ShortestText(to));
    }
    if (!type.celsius.Contains(from) || !type.celsius.Contains(to)) {
        throw CliError(kExitOutOfRange, "the table range " + RangeText({from, to}, "°C") +
                                            " is outside the range of " + type.title() + ": " +
                                            RangeText(type.celsius, "°C"));
    }
    if (!request.csv) {
        const auto first = static_cast<int>(std::ceil(from));
        const auto last = static_cast<int>(std::floor(to));
        if (first > last) {
            throw UsageError("no whole degree from " + ShortestText(from) + " to " +
                             ShortestText(to) + " °C to print");
        }
        out << PrintedTable(type, first, last);
        return;
    }
    const double step = request.step ? TableNumber("--step", *request.step, request.strict) : 1.0;
    if (!(step > 0.0)) {
        throw UsageError("--step must be above 0, not " + ShortestText(step));
    }
    out << CsvTable(type, from, to, step);
}

} // namespace

void RunTable(const Request& request, OutputBuffer& out) {
    if (request.json) {
        // The rows of the --csv table, one object each.
        Request rows = request;
        rows.csv = true;
        rows.json = false;
        std::ostringstream csv;
        OutputBuffer table(csv);
        RunTable(rows, table);
        table.Flush();
        out << JsonRows(csv.str());
        return;
    }
    if (request.sensorType == "steam") {
        SteamTable(request, out);
    } else {
        SensorTable(request, out);
    }
}

} // namespace velmaro::cli
