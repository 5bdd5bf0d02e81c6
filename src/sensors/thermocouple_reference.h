#pragma once

// Temperature to EMF by the ITS-90 reference functions, unguarded: the caller
// keeps t inside the type's temperature range (the guarded entry point is
// ThermocoupleEmf in thermocouple.h).

#include "sensors/thermocouple_polynomials.h"
#include "sensors/thermocouple_types.h"

namespace velmaro::sensors {

// The sub-range whose polynomial serves t: the first one whose upper limit is
// not below t, so a breakpoint belongs to the lower sub-range.
const Polynomial& ReferenceSubRange(ThermocoupleType type, double celsius);

// EMF in mV at t °C (reference junction at 0 °C). Type K adds its exponential
// term above 0 °C and gives 0 outside -270 ... 1372 °C.
double ReferenceEmf(ThermocoupleType type, double celsius);

} // namespace velmaro::sensors
