#pragma once

// How the EMF-to-temperature bisection of each type starts: the temperature
// bracket an EMF selects, the tolerance and the step cap.

#include "sensors/thermocouple_types.h"

#include <cstddef>
#include <span>

namespace velmaro::sensors {

// A bracket serves every EMF up to and including `upToEmf` (mV) that the
// brackets before it leave over, and solves with the polynomial of the
// reference sub-range it covers.
struct BisectionBracket {
    double upToEmf;
    double lowCelsius;
    double highCelsius;
    std::size_t subRange;
};

struct BisectionPlan {
    int toleranceExponent;                      // the solver stops within 10^toleranceExponent mV
    int stepCap;                                // halvings after the first evaluation
    std::span<const BisectionBracket> brackets; // empty for type K
};

const BisectionPlan& BisectionPlanFor(ThermocoupleType type);

} // namespace velmaro::sensors
