#include "sensors/sensor_panel_rule.h"

#include "convert/number_text.h"
#include "convert/temperature_scales.h"
#include "sensors/rtd.h"
#include "sensors/rtd_types.h"
#include "sensors/thermocouple.h"
#include "sensors/thermocouple_types.h"

namespace velmaro::sensors {
namespace {

constexpr PanelFamily kThermocouple{"emf", "mV", "sensor.emf", "sensor.emf.unit"};
constexpr PanelFamily kRtd{"resistance", "Ω", "sensor.resistance", "sensor.resistance.unit"};

// The panel shows 0 for a value the type refuses, like any other result.
double Shown(const SensorResult& result) {
    return result.check == RangeCheck::InRange ? result.value : 0.0;
}

void SetScales(PanelTexts& texts, double celsius, FixedFormat format) {
    const OtherScales scales = ScalesFromCelsius(celsius);
    texts.fahrenheit = FormatFixed(scales.fahrenheit, format);
    texts.kelvin = FormatFixed(scales.kelvin, format);
    texts.rankine = FormatFixed(scales.rankine, format);
}

} // namespace

const PanelFamily& FamilyOf(SensorFamily family) {
    return family == SensorFamily::Rtd ? kRtd : kThermocouple;
}

unsigned TypeCount(SensorFamily family) {
    return family == SensorFamily::Rtd ? kRtdTypeCount : kThermocoupleTypeCount;
}

std::string TypeSymbol(SensorFamily family, unsigned type) {
    if (type >= TypeCount(family)) {
        return {};
    }
    return family == SensorFamily::Rtd ? std::string(RtdTypes()[type].symbol)
                                       : std::string(1, ThermocoupleTypes()[type].letter);
}

std::string TypeTextId(SensorFamily family, unsigned type) {
    return "sensor.type." + TypeSymbol(family, type);
}

SensorResult OutputAt(SensorFamily family, unsigned type, double celsius) {
    return family == SensorFamily::Rtd ? RtdResistance(type, celsius)
                                       : ThermocoupleEmf(type, celsius);
}

SensorResult TemperatureAt(SensorFamily family, unsigned type, double output) {
    return family == SensorFamily::Rtd ? RtdTemperature(type, output)
                                       : ThermocoupleTemperature(type, output);
}

PanelTexts FromCelsius(SensorFamily family, unsigned type, double celsius) {
    const SensorResult result = OutputAt(family, type, celsius);
    PanelTexts texts{FormatFixed(Shown(result), kFormatF), {}, {}, {}, {}, result.check};
    SetScales(texts, celsius, kFormatF);
    return texts;
}

PanelTexts FromOutput(SensorFamily family, unsigned type, double output) {
    const SensorResult result = TemperatureAt(family, type, output);
    const double celsius = Shown(result);
    PanelTexts texts{{}, FormatFixed(celsius, kFormat2f), {}, {}, {}, result.check};
    SetScales(texts, celsius, kFormat5f);
    return texts;
}

} // namespace velmaro::sensors
