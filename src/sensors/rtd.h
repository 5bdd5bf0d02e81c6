#pragma once

// The guarded resistance-thermometer conversions the sensor panel calls. A
// value outside the type's closed range is refused with OutOfRange (the main
// window then shows the out-of-range message and displays 0); a type index
// past the list yields UnknownType, for which nothing is shown.

#include "sensors/rtd_types.h"
#include "sensors/sensor_range.h"

namespace velmaro::sensors {

// Temperature in °C to resistance in Ω.
SensorResult RtdResistance(unsigned type, double celsius);

// Resistance in Ω to temperature in °C.
SensorResult RtdTemperature(unsigned type, double ohms);

} // namespace velmaro::sensors
