#pragma once

// Resistance-thermometer characteristics in both directions, unguarded: the
// caller keeps values inside the type's range (the guarded entry points are
// in rtd.h).

#include "sensors/rtd_types.h"

namespace velmaro::sensors {

// Platinum, R0 * (1 + A t + B t^2 + C (t - 100) t^3) in nested form on
// -200 ... 0 °C, without the C term on 0 ... 850 °C, 0 elsewhere.
double PlatinumResistance(double r0, double celsius);

// Copper, R0 * (1 + alpha t + beta t (t - 100) + gamma t^2 (t - 100)) in
// nested form.
double CopperResistance(double r0, double celsius);

// The trial resistances the resistance-to-temperature bisection compares.
double PlatinumTrialResistance(double r0, double celsius);
double CopperTrialResistance(double r0, double celsius);

struct RtdBisectionSetup {
    double r0;
    double (*trialResistance)(double r0, double celsius);
    double startCelsius;
    double startOhms;
    double lowCelsius;
    double highCelsius;
};

struct RtdSolution {
    double celsius;
    int halvings;
};

// The bisection a type uses (platinum only below R0).
RtdBisectionSetup RtdBisectionFor(RtdType type);

// Halves the bracket towards `ohms` until a trial resistance is strictly
// closer than the tolerance, or after the step cap.
RtdSolution SolveRtdBisection(const RtdBisectionSetup& setup, double ohms);

// Temperature °C to resistance Ω.
double RtdReferenceResistance(RtdType type, double celsius);

// Resistance Ω to temperature °C: platinum at or above R0 by the closed form,
// everything else by SolveRtdBisection.
double RtdInverseTemperature(RtdType type, double ohms);

} // namespace velmaro::sensors
