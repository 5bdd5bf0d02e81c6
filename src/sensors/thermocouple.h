#pragma once

// The guarded thermocouple conversions the sensor panel calls. A value outside
// the type's closed range is refused with OutOfRange (the main window then
// shows the out-of-range message and displays 0); a type index past the list
// yields UnknownType, for which nothing is shown.

#include "sensors/sensor_range.h"
#include "sensors/thermocouple_types.h"

namespace velmaro::sensors {

// Temperature in °C to EMF in mV.
SensorResult ThermocoupleEmf(unsigned type, double celsius);

// EMF in mV to temperature in °C.
SensorResult ThermocoupleTemperature(unsigned type, double emf);

} // namespace velmaro::sensors
