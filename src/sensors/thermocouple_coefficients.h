#pragma once

// The thermocouple coefficients exactly as tabulated: each one a decimal
// mantissa with one digit before the point and a power of ten (the listing's
// 0.540313308631E-02 is held as 5.40313308631 and -3). The values the
// functions compute with are formed once from these, as mantissa * 10^exponent
// (see thermocouple_polynomials.h).

#include "sensors/thermocouple_types.h"

#include <span>

namespace velmaro::sensors {

struct TabulatedCoefficient {
    double mantissa;
    int exponent;
};

// One sub-range of a reference function: E = sum c_i * t^i, i = 0 ... degree,
// t in °C, E in mV. The degree is coefficients.size() - 1.
struct TabulatedSubRange {
    double lowerCelsius;
    double upperCelsius;
    std::span<const TabulatedCoefficient> coefficients;
};

// One of type K's inverse polynomials: t = sum d_i * E^i, E in mV, t in °C.
// It serves every EMF below `usedBelowEmf` that the previous set leaves over.
struct TabulatedInverse {
    double lowerCelsius;
    double upperCelsius;
    double usedBelowEmf;
    std::span<const TabulatedCoefficient> coefficients;
};

// The term type K adds above 0 °C: a0 * exp(a1 * (t - a2)^2).
struct TabulatedExponential {
    TabulatedCoefficient a0;
    TabulatedCoefficient a1;
    double a2;
};

// The sub-ranges of a type's reference function in ascending order.
std::span<const TabulatedSubRange> TabulatedReferenceFunction(ThermocoupleType type);

// Type K's three inverse polynomials in ascending order of EMF.
std::span<const TabulatedInverse> TabulatedTypeKInverse();

const TabulatedExponential& TabulatedTypeKExponential();

} // namespace velmaro::sensors
