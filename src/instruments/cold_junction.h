#pragma once

// Cold-junction compensation. A meter at a terminal block at T_cold reads
// E(T_hot) - E(T_cold), both from the type's reference function; the hot end
// follows as T_hot = E^-1(E_meas + E(T_cold)).

#include "instruments/instrument_fault.h"

namespace velmaro::instruments {

struct JunctionResult {
    double value; // °C or mV; 0 unless fault is None
    Fault fault;
};

// The hot-junction temperature in °C from the meter's EMF in mV and the
// cold-junction temperature in °C, by the exact inverse of the reference
// function (ReferenceTemperature), not the sensor panel's inverse. The cold
// junction must lie in the type's temperature range, and the sum
// E_meas + E(T_cold) between the EMFs at the ends of its invertible range
// (type B from 100 °C).
JunctionResult HotJunctionTemperature(unsigned type, double meterMillivolts, double coldCelsius);

// The EMF in mV a meter at the cold junction reads, from both temperatures in
// °C; both must lie in the type's temperature range.
JunctionResult MeterEmf(unsigned type, double hotCelsius, double coldCelsius);

} // namespace velmaro::instruments
