#include "cli/sensor_command.h"

#include "cli/cli_error.h"
#include "cli/json_output.h"
#include "cli/sensor_catalog.h"
#include "cli/value_source.h"
#include "convert/number_text.h"

#include <optional>
#include <string>

namespace velmaro::cli {
namespace {

constexpr std::string_view kCelsius = "°C";
// JSON keys name their units, as the --csv table's columns do.
constexpr const char* kTemperatureKey = "temperature_C";

void CheckInputFits(const SensorType& type, SensorInput input) {
    if (input == SensorInput::Emf && type.family != SensorFamily::Thermocouple) {
        throw UsageError(type.title() + " is a resistance thermometer: give --resistance OHM");
    }
    if (input == SensorInput::Resistance && type.family != SensorFamily::Rtd) {
        throw UsageError(type.title() + " is a thermocouple: give --emf MV");
    }
}

// One value as its JSON object: the input and the result under keys that
// name their units, or the refusal with a null result.
std::string JsonOf(const SensorType& type, bool fromTemperature, std::string_view input,
                   const std::string& result, const std::optional<std::string>& refusal) {
    const std::string outputKey = OutputKey(type);
    Json object{{"sensor", type.name}};
    object[fromTemperature ? kTemperatureKey : outputKey] = ParseNumber(input);
    object[fromTemperature ? outputKey : kTemperatureKey] =
        refusal ? Json(nullptr) : PrintedNumber(result);
    if (refusal) {
        object["error"] = *refusal;
        object["status"] = kExitOutOfRange;
    }
    return JsonLine(object);
}

} // namespace

void RunSensor(const Request& request, ValueInput& in, OutputBuffer& out) {
    const SensorType& type = SensorTypeNamed(request.sensorType);
    CheckInputFits(type, request.input);
    const bool fromTemperature = request.input == SensorInput::Temperature;
    const std::string_view inputUnit = fromTemperature ? kCelsius : type.outputUnit;
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
            out << JsonOf(type, fromTemperature, text, value, refusal);
        } else if (!refusal) {
            out << value << '\n';
        }
        if (refusal) {
            CliError error = ValueError(*refusal);
            throw request.json ? error.InJson() : error;
        }
    });
}

} // namespace velmaro::cli
