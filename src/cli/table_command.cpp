#include "cli/table_command.h"

#include "cli/cli_error.h"
#include "cli/option_number.h"
#include "cli/reference_table.h"
#include "cli/sensor_catalog.h"

#include <charconv>
#include <cmath>
#include <string>

namespace velmaro::cli {

void RunTable(const Request& request, OutputBuffer& out) {
    const SensorType& type = SensorTypeNamed(request.sensorType);
    const double from = request.from ? OptionNumber("--from", *request.from) : type.celsius.low;
    const double to = request.to ? OptionNumber("--to", *request.to) : type.celsius.high;
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
    const double step = request.step ? OptionNumber("--step", *request.step) : 1.0;
    if (!(step > 0.0)) {
        throw UsageError("--step must be above 0, not " + ShortestText(step));
    }
    out << CsvTable(type, from, to, step);
}

} // namespace velmaro::cli
