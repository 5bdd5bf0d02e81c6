#include "sensor_expectations.h"

#include "convert/number_text.h"
#include "convert/temperature_scales.h"
#include "sensors/rtd.h"
#include "sensors/thermocouple.h"

#include <string>

namespace velmaro::test {
namespace {

QString Text(double value, FixedFormat format) {
    return QString::fromStdString(FormatFixed(value, format));
}

double ParseText(const QString& text) {
    return ParseNumber(text.toStdString());
}

// The panel shows 0 for a value the type refuses, after the message.
double Shown(const sensors::SensorResult& result) {
    return result.check == sensors::RangeCheck::InRange ? result.value : 0.0;
}

int Messages(const sensors::SensorResult& result) {
    return result.check == sensors::RangeCheck::OutOfRange ? 1 : 0;
}

} // namespace

SensorPanelTexts FromCelsiusText(int family, unsigned type, const QString& celsiusText) {
    const double t = ParseText(celsiusText);
    const sensors::SensorResult result =
        family == 0 ? sensors::ThermocoupleEmf(type, t) : sensors::RtdResistance(type, t);
    const OtherScales scales = ScalesFromCelsius(t);
    SensorPanelTexts texts;
    texts.celsius = celsiusText;
    texts.output = Text(Shown(result), kFormatF);
    texts.fahrenheit = Text(scales.fahrenheit, kFormatF);
    texts.kelvin = Text(scales.kelvin, kFormatF);
    texts.rankine = Text(scales.rankine, kFormatF);
    texts.messages = Messages(result);
    return texts;
}

SensorPanelTexts FromOutputText(int family, unsigned type, const QString& outputText) {
    const double v = ParseText(outputText);
    const sensors::SensorResult result =
        family == 0 ? sensors::ThermocoupleTemperature(type, v) : sensors::RtdTemperature(type, v);
    const double t = Shown(result);
    const OtherScales scales = ScalesFromCelsius(t);
    SensorPanelTexts texts;
    texts.output = outputText;
    texts.celsius = Text(t, kFormat2f);
    texts.fahrenheit = Text(scales.fahrenheit, kFormat5f);
    texts.kelvin = Text(scales.kelvin, kFormat5f);
    texts.rankine = Text(scales.rankine, kFormat5f);
    texts.messages = Messages(result);
    return texts;
}

} // namespace velmaro::test
