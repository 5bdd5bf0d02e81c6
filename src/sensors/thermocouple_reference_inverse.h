#pragma once

// EMF to temperature by the ITS-90 reference function itself, for the tools
// that must agree with it to the last printed digit (cold-junction
// compensation). The sensor panel keeps its inverse polynomials and brackets
// (ThermocoupleTemperature in thermocouple.h), whose digits its users know.

#include "sensors/sensor_range.h"

namespace velmaro::sensors {

// The temperature in °C whose reference EMF (ReferenceEmf) is `emf` mV, found
// by bracketed root finding over the type's invertible range
// (ThermocoupleInfo::invertible), to within kReferenceInverseTolerance °C of
// the root. OutOfRange when `emf` lies outside the EMFs at that range's ends,
// UnknownType for a type index past the list.
SensorResult ReferenceTemperature(unsigned type, double emf);

// How close the bracket closes around the root, °C.
inline constexpr double kReferenceInverseTolerance = 1e-9;

} // namespace velmaro::sensors
