#include "convert/absolute_state.h"

#include "convert/change_cycle.h"
#include "convert/tables/unit_tables.h"
#include "convert/temperature_scales.h"

#include <string_view>

namespace velmaro {

double AbsoluteMegapascals(double typed, std::size_t unit, bool gauge, double ambientKPa) {
    if (unit >= tables::kPressure.size()) {
        return 0.0;
    }
    double pressure =
        ConvertValue(tables::kPressure, unit, tables::kPressure.indexOf("MPa"), typed);
    if (gauge) {
        pressure += ambientKPa / 1000.0;
    }
    return pressure;
}

double Kelvins(double typed, TemperatureScale scale) {
    const std::string_view symbol = scale == TemperatureScale::Kelvin       ? "K"
                                    : scale == TemperatureScale::Fahrenheit ? "°F"
                                                                            : "°C";
    return ConvertValue(kTemperatureGroup, kTemperatureGroup.indexOf(symbol),
                        kTemperatureGroup.indexOf("K"), typed);
}

} // namespace velmaro
