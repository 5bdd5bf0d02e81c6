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

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// The ASCII start of a list text: "Pt100铂热电阻" is "Pt100".
std::string AsciiPrefix(std::string_view text) {
    std::string prefix;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80U) {
            break;
        }
        prefix += c;
    }
    return prefix;
}

std::vector<SensorType> BuildCatalogue() {
    std::vector<SensorType> types;
    for (const sensors::ThermocoupleInfo& info : sensors::ThermocoupleTypes()) {
        types.push_back({SensorFamily::Thermocouple, info.type, std::string(1, info.letter), "emf",
                         "mV", info.celsius, info.emf});
    }
    for (const sensors::RtdInfo& info : sensors::RtdTypes()) {
        types.push_back({SensorFamily::Rtd, info.type, AsciiPrefix(info.listText), "resistance",
                         "Ω", info.celsius, info.ohms});
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
    return type.family == SensorFamily::Thermocouple ? sensors::ThermocoupleEmf(type.index, celsius)
                                                     : sensors::RtdResistance(type.index, celsius);
}

sensors::SensorResult TemperatureAt(const SensorType& type, double output) {
    return type.family == SensorFamily::Thermocouple
               ? sensors::ThermocoupleTemperature(type.index, output)
               : sensors::RtdTemperature(type.index, output);
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
