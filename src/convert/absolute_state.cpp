#include "convert/absolute_state.h"

#include "convert/tables/unit_tables.h"
#include "convert/temperature_scales.h"

namespace velmaro {

namespace {

constexpr double kCelsiusOffset = 273.15;

} // namespace

double AbsoluteMegapascals(double typed, std::size_t unit, bool gauge, double ambientKPa) {
    if (unit >= tables::kPressure.size()) {
        return 0.0;
    }
    const std::size_t mpa = tables::kPressure.indexOf("MPa");
    double pressure = unit == mpa ? typed : typed * tables::kPressure.factor(unit, mpa);
    if (gauge) {
        pressure += ambientKPa / 1000.0;
    }
    return pressure;
}

double Kelvins(double typed, TemperatureScale scale) {
    switch (scale) {
    case TemperatureScale::Kelvin:
        return typed;
    case TemperatureScale::Fahrenheit: {
        const std::size_t kelvin = kTemperatureGroup.indexOf("K");
        for (const TargetValue& target :
             kTemperatureGroup.formula(kTemperatureGroup.indexOf("°F"), typed)) {
            if (target.unitIndex == kelvin) {
                return target.value;
            }
        }
        return typed;
    }
    case TemperatureScale::Celsius:
        break;
    }
    return typed + kCelsiusOffset;
}

} // namespace velmaro
