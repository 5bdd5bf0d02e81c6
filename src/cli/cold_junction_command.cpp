#include "cli/cli_error.h"
#include "cli/instrument_commands.h"
#include "cli/json_text.h"
#include "cli/sensor_catalog.h"
#include "convert/number_text.h"
#include "instruments/cold_junction.h"

#include <string>

namespace velmaro::cli {

// Prints as the sensor panel does: an EMF with six decimals, a temperature
// with two.
void RunColdJunction(const InstrumentRequest& request, OutputBuffer& out) {
    const SensorType& type = SensorTypeNamed(request.sensorType);
    if (type.family != SensorFamily::Thermocouple) {
        throw UsageError(type.title() + " is not a thermocouple: --cold-junction is for S R B K N "
                                        "E J T");
    }
    const bool fromEmf = request.emf.has_value();
    const std::string_view input = fromEmf ? *request.emf : *request.temperature;
    const double x = ParseNumber(input);
    const double cold = ParseNumber(request.coldJunction);
    const instruments::JunctionResult result =
        fromEmf ? instruments::HotJunctionTemperature(type.index, x, cold)
                : instruments::MeterEmf(type.index, x, cold);
    ThrowOnFault(
        result.fault,
        "outside the range of " + type.title() + ": both junctions " +
            RangeText(type.celsius, "°C") +
            (fromEmf ? ", EMF + E(cold junction) " + RangeText(type.output, "mV") : std::string()));
    const std::string value = FormatFixed(result.value, fromEmf ? kFormat2f : kFormatF);
    if (!request.json) {
        out << value << '\n';
        return;
    }
    out << R"({"sensor":)" << JsonString(type.name) << R"(,"input":)" << JsonString(input)
        << R"(,"input_unit":)" << JsonString(fromEmf ? "mV" : "°C") << R"(,"cold_junction":)"
        << JsonString(request.coldJunction) << R"(,"quantity":)"
        << JsonString(fromEmf ? "temperature" : "emf") << R"(,"value":)" << JsonString(value)
        << R"(,"unit":)" << JsonString(fromEmf ? "°C" : "mV") << "}\n";
}

} // namespace velmaro::cli
