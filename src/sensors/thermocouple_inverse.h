#pragma once

// EMF to temperature, unguarded: the caller keeps the EMF inside the type's
// EMF range (the guarded entry point is ThermocoupleTemperature in
// thermocouple.h).

#include "sensors/thermocouple_types.h"

namespace velmaro::sensors {

// Type K by the standard's inverse polynomials in nested form: EMFs below 0
// use the -200 ... 0 °C set (also below its stated -5.891 mV), 0 up to but not
// including 20.644 mV the 0 ... 500 °C set, the rest the 500 ... 1372 °C set.
// The result carries the polynomial's error, up to about 0.06 °C.
double TypeKTemperature(double emf);

struct BisectionOutcome {
    double celsius;
    int halvings; // passes after the first evaluation
    bool capped;  // ended by the step cap instead of the tolerance
};

// Solves the reference polynomial of the bracket the EMF selects by halving
// that bracket. For every type but K.
BisectionOutcome SolveByBisection(ThermocoupleType type, double emf);

// The temperature in °C for an EMF in mV: type K by TypeKTemperature, every
// other type by SolveByBisection.
double InverseTemperature(ThermocoupleType type, double emf);

} // namespace velmaro::sensors
