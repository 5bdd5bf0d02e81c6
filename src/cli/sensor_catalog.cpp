#include "cli/sensor_catalog.h"

#include "cli/cli_error.h"
#include "cli/nearest_names.h"
#include "sensors/rtd.h"
#include "sensors/thermocouple.h"

#include <array>
#include <charconv>
#include <vector>

namespace velmaro::cli {
namespace {

std::vector<SensorType> BuildCatalogue() {
    std::vector<SensorType> types;
    for (const SensorFamily family : {SensorFamily::Thermocouple, SensorFamily::Rtd}) {
        const sensors::PanelFamily& panel = sensors::FamilyOf(family);
        for (unsigned index = 0; index < sensors::TypeCount(family); ++index) {
            const bool rtd = family == SensorFamily::Rtd;
            types.push_back(
                {family, index, sensors::TypeSymbol(family, index), panel.outputQuantity,
                 panel.outputSymbol,
                 rtd ? sensors::RtdTypes()[index].celsius
                     : sensors::ThermocoupleTypes()[index].celsius,
                 rtd ? sensors::RtdTypes()[index].ohms : sensors::ThermocoupleTypes()[index].emf});
        }
    }
    return types;
}

} // namespace

std::span<const SensorType> SensorTypes() {
    static const std::vector<SensorType> kTypes = BuildCatalogue();
    return kTypes;
}

const SensorType& SensorTypeNamed(std::string_view name) {
    std::vector<std::string> names;
    for (const SensorType& type : SensorTypes()) {
        if (SameIgnoringCase(type.name, name)) {
            return type;
        }
        names.push_back(type.name);
    }
    throw UsageError("unknown sensor type '" + std::string(name) + "'" + NearestTail(name, names) +
                     " (types: " + JoinNames(names, ", ") + ")");
}

sensors::SensorResult OutputAt(const SensorType& type, double celsius) {
    return sensors::OutputAt(type.family, type.index, celsius);
}

sensors::SensorResult TemperatureAt(const SensorType& type, double output) {
    return sensors::TemperatureAt(type.family, type.index, output);
}

std::string OutputKey(const SensorType& type) {
    return std::string(type.outputQuantity) +
           (type.family == SensorFamily::Thermocouple ? "_mV" : "_ohm");
}

std::string ShortestText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::string RangeText(sensors::ClosedRange range, std::string_view unit) {
    return ShortestText(range.low) + " ... " + ShortestText(range.high) + " " + std::string(unit);
}

} // namespace velmaro::cli
