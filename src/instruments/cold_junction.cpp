#include "instruments/cold_junction.h"

#include "sensors/thermocouple.h"
#include "sensors/thermocouple_reference_inverse.h"

#include <cmath>

namespace velmaro::instruments {
namespace {

constexpr JunctionResult kOutOfRange{0.0, Fault::OutOfRange};

} // namespace

JunctionResult HotJunctionTemperature(unsigned type, double meterMillivolts, double coldCelsius) {
    if (!std::isfinite(meterMillivolts) || !std::isfinite(coldCelsius)) {
        return {0.0, Fault::NotFinite};
    }
    const sensors::SensorResult cold = sensors::ThermocoupleEmf(type, coldCelsius);
    if (cold.check != sensors::RangeCheck::InRange) {
        return kOutOfRange;
    }
    // The reference function itself, inverted to the last printed digit: the
    // panel's inverse polynomials are good to about 0.05 °C only.
    const sensors::SensorResult hot =
        sensors::ReferenceTemperature(type, meterMillivolts + cold.value);
    if (hot.check != sensors::RangeCheck::InRange) {
        return kOutOfRange;
    }
    return {hot.value, Fault::None};
}

JunctionResult MeterEmf(unsigned type, double hotCelsius, double coldCelsius) {
    if (!std::isfinite(hotCelsius) || !std::isfinite(coldCelsius)) {
        return {0.0, Fault::NotFinite};
    }
    const sensors::SensorResult hot = sensors::ThermocoupleEmf(type, hotCelsius);
    const sensors::SensorResult cold = sensors::ThermocoupleEmf(type, coldCelsius);
    if (hot.check != sensors::RangeCheck::InRange || cold.check != sensors::RangeCheck::InRange) {
        return kOutOfRange;
    }
    return {hot.value - cold.value, Fault::None};
}

} // namespace velmaro::instruments
