#pragma once

// The sensor types of the sensor panel by the names the command line
// uses ("K", "Pt100"), with their ranges and guarded conversions.

#include "sensors/sensor_panel_rule.h"
#include "sensors/sensor_range.h"

#include <span>
#include <string>
#include <string_view>

namespace velmaro::cli {

using sensors::SensorFamily;

struct SensorType {
    SensorFamily family;
    unsigned index;                  // ThermocoupleType or RtdType
    std::string name;                // "K", "Pt100"
    std::string_view outputQuantity; // "emf", "resistance"
    std::string_view outputUnit;     // "mV", "Ω"
    sensors::ClosedRange celsius;    // what the temperature-to-output conversion accepts
    sensors::ClosedRange output;     // what the output-to-temperature conversion accepts

    // "type K" or "Pt100", as messages name it.
    std::string title() const {
        return family == SensorFamily::Thermocouple ? "type " + name : name;
    }
};

// The eight thermocouple types S R B K N E J T, then Pt100 Pt10 Cu100 Cu50
// Pt1000 Pt500.
std::span<const SensorType> SensorTypes();

// The type called `name` (case ignored); refuses an unknown name with the
// nearest ones.
const SensorType& SensorTypeNamed(std::string_view name);

// The guarded conversions of the panel: EMF or resistance at a temperature,
// and the temperature of an EMF or resistance.
sensors::SensorResult OutputAt(const SensorType& type, double celsius);
sensors::SensorResult TemperatureAt(const SensorType& type, double output);

// The key of the type's output in JSON and the --csv table's heading, its
// unit named in it: "emf_mV", "resistance_ohm".
std::string OutputKey(const SensorType& type);

// The shortest text that reads back as `value` ("1768.1", "-270", "inf"), for
// messages.
std::string ShortestText(double value);

// "-270 ... 1372 °C"
std::string RangeText(sensors::ClosedRange range, std::string_view unit);

} // namespace velmaro::cli
