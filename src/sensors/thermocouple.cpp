#include "sensors/thermocouple.h"

#include "sensors/thermocouple_inverse.h"
#include "sensors/thermocouple_reference.h"

namespace velmaro::sensors {

SensorResult ThermocoupleEmf(unsigned type, double celsius) {
    if (type >= kThermocoupleTypeCount) {
        return {0.0, RangeCheck::UnknownType};
    }
    const auto thermocouple = static_cast<ThermocoupleType>(type);
    if (!ThermocoupleTypeInfo(thermocouple).celsius.Contains(celsius)) {
        return {0.0, RangeCheck::OutOfRange};
    }
    return {ReferenceEmf(thermocouple, celsius), RangeCheck::InRange};
}

SensorResult ThermocoupleTemperature(unsigned type, double emf) {
    if (type >= kThermocoupleTypeCount) {
        return {0.0, RangeCheck::UnknownType};
    }
    const auto thermocouple = static_cast<ThermocoupleType>(type);
    if (!ThermocoupleTypeInfo(thermocouple).emf.Contains(emf)) {
        return {0.0, RangeCheck::OutOfRange};
    }
    return {InverseTemperature(thermocouple, emf), RangeCheck::InRange};
}

} // namespace velmaro::sensors
