#include "cli/sensor_command.h"

#include "cli/cli_error.h"
#include "cli/json_text.h"
#include "cli/sensor_catalog.h"
#include "cli/value_source.h"
#include "convert/number_text.h"

#include <optional>
#include <string>

namespace velmaro::cli {
namespace {

constexpr std::string_view kCelsius = "°C";

void CheckInputFits(const SensorType& type, SensorInput input) {
    if (input == SensorInput::Emf && type.family != SensorFamily::Thermocouple) {
        throw UsageError(type.title() + " is a resistance thermometer: give --resistance OHM");
    }
    if (input == SensorInput::Resistance && type.family != SensorFamily::Rtd) {
        throw UsageError(type.title() + " is a thermocouple: give --emf MV");
    }
}

} // namespace

void RunSensor(const Request& request, ValueInput& in, OutputBuffer& out) {
    const SensorType& type = SensorTypeNamed(request.sensorType);
    CheckInputFits(type, request.input);
    const bool fromTemperature = request.input == SensorInput::Temperature;
    const std::string_view inputUnit = fromTemperature ? kCelsius : type.outputUnit;
    const std::string_view resultUnit = fromTemperature ? type.outputUnit : kCelsius;
    const sensors::ClosedRange accepted = fromTemperature ? type.celsius : type.output;

    ForEachValue(CommandLineValue(request.inputValue), in, [&](std::string_view text, std::size_t) {
        const double x = ParseNumber(text);
        // The result is the field the panel would write, in the panel's format.
        const sensors::PanelTexts panel = fromTemperature
                                              ? sensors::FromCelsius(type.family, type.index, x)
                                              : sensors::FromOutput(type.family, type.index, x);
        std::optional<std::string> refusal;
        if (panel.check != sensors::RangeCheck::InRange) {
            refusal = ShortestText(x) + " " + std::string(inputUnit) + " is outside the range of " +
                      type.title() + ": " + RangeText(accepted, inputUnit);
        }
        const std::string& value = fromTemperature ? panel.output : panel.celsius;
        if (request.json) {
            out << R"({"sensor":)" << JsonString(type.name) << R"(,"input":)" << JsonString(text)
                << R"(,"input_unit":)" << JsonString(inputUnit) << R"(,"quantity":)"
                << JsonString(fromTemperature ? type.outputQuantity : "temperature")
                << R"(,"value":)" << (refusal ? "null" : JsonString(value)) << R"(,"unit":)"
                << JsonString(resultUnit);
            if (refusal) {
                out << R"(,"error":)" << JsonString(*refusal);
            }
            out << "}\n";
        } else if (!refusal) {
            out << value << '\n';
        }
        if (refusal) {
            throw ValueError(*refusal);
        }
    });
}

} // namespace velmaro::cli
