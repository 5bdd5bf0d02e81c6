#pragma once

// What the sensor panel should show after a conversion, computed from the
// sensor functions and the scale formulas, apart from any window.

#include <QString>

namespace velmaro::test {

struct SensorPanelTexts {
    QString celsius;
    QString fahrenheit;
    QString kelvin;
    QString rankine;
    QString output;
    int messages = 0; // out-of-range messages the conversion shows (0 or 1)
};

// `family`: 0 thermocouple, 1 resistance thermometer; `type`: list index.
// The temperature typed into the °C field: output and scales in "%f".
SensorPanelTexts FromCelsiusText(int family, unsigned type, const QString& celsiusText);
// The sensor output typed into its field: °C in "%.2f", scales in "%.5f".
SensorPanelTexts FromOutputText(int family, unsigned type, const QString& outputText);

} // namespace velmaro::test
