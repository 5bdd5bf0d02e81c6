#include "sensors/rtd.h"

#include "sensors/rtd_functions.h"

namespace velmaro::sensors {

SensorResult RtdResistance(unsigned type, double celsius) {
    if (type >= kRtdTypeCount) {
        return {0.0, RangeCheck::UnknownType};
    }
    const auto rtd = static_cast<RtdType>(type);
    if (!RtdTypeInfo(rtd).celsius.Contains(celsius)) {
        return {0.0, RangeCheck::OutOfRange};
    }
    return {RtdReferenceResistance(rtd, celsius), RangeCheck::InRange};
}

SensorResult RtdTemperature(unsigned type, double ohms) {
    if (type >= kRtdTypeCount) {
        return {0.0, RangeCheck::UnknownType};
    }
    const auto rtd = static_cast<RtdType>(type);
    if (!RtdTypeInfo(rtd).ohms.Contains(ohms)) {
        return {0.0, RangeCheck::OutOfRange};
    }
    return {RtdInverseTemperature(rtd, ohms), RangeCheck::InRange};
}

} // namespace velmaro::sensors
