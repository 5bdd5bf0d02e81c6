#pragma once

// The sensor panel's rule, for every face that shows the panel (the main
// window, the command line, the page): which fields a family has, the format
// of each, the value shown when a type refuses the input, and the verdict
// with the id of its text. The faces only put the texts where they belong.

#include "sensors/sensor_range.h"

#include <string>
#include <string_view>

namespace velmaro::sensors {

// The family buttons of the panel, in their order.
enum class SensorFamily : unsigned { Thermocouple = 0, Rtd = 1 };

// What a family's output field holds.
struct PanelFamily {
    std::string_view outputQuantity; // "emf", "resistance"
    std::string_view outputSymbol;   // "mV", "Ω"
    std::string_view captionTextId;  // the caption before the output field ("sensor.emf")
    std::string_view unitTextId;     // the unit after it ("sensor.emf.unit")
};

const PanelFamily& FamilyOf(SensorFamily family);

// The text shown for a value outside the selected type's range, and the
// caption of the window's message box.
inline constexpr std::string_view kOutOfRangeTextId = "sensor.out-of-range";
inline constexpr std::string_view kOutOfRangeCaptionTextId = "sensor.out-of-range.caption";

// The panel's fields after one change, as text. The field typed into keeps
// its own text: its member here stays empty.
struct PanelTexts {
    std::string output;  // mV or Ω
    std::string celsius; // °C
    std::string fahrenheit;
    std::string kelvin;
    std::string rankine;
    RangeCheck check; // OutOfRange: the panel shows kOutOfRangeTextId
};

// The types of a family in the order of the sensor type list, and a type's
// symbol ("K", "Pt100") and the id of its list text ("sensor.type.K").
unsigned TypeCount(SensorFamily family);
std::string TypeSymbol(SensorFamily family, unsigned type);
std::string TypeTextId(SensorFamily family, unsigned type);

// The guarded conversions of type `type` (the list's index) of `family`.
SensorResult OutputAt(SensorFamily family, unsigned type, double celsius);
SensorResult TemperatureAt(SensorFamily family, unsigned type, double output);

// A temperature typed in °C: the output ("%f", 0 when refused) and the other
// scales of the typed temperature ("%f").
PanelTexts FromCelsius(SensorFamily family, unsigned type, double celsius);

// An output typed in mV or Ω: the temperature ("%.2f", 0 when refused) and
// the other scales of that shown temperature ("%.5f").
PanelTexts FromOutput(SensorFamily family, unsigned type, double output);

} // namespace velmaro::sensors
