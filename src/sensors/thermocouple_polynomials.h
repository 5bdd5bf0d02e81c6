#pragma once

// The thermocouple polynomials as the functions compute with them: every
// coefficient formed once from its tabulated mantissa and power of ten.

#include "sensors/thermocouple_types.h"

#include <array>
#include <cstddef>

namespace velmaro::sensors {

// Enough terms for the longest polynomial (type T below 0 °C, degree 14).
inline constexpr std::size_t kMaxPolynomialTerms = 15;

struct Polynomial {
    double lowerCelsius;
    double upperCelsius;
    std::size_t terms; // degree + 1
    std::array<double, kMaxPolynomialTerms> c;
};

struct ReferenceFunction {
    std::size_t subRangeCount;
    std::array<Polynomial, 3> subRanges; // ascending
};

// Type K's inverse polynomial for EMFs below `usedBelowEmf`.
struct InversePolynomial {
    double usedBelowEmf;
    Polynomial d;
};

struct ExponentialTerm {
    double a0;
    double a1;
    double a2;
};

struct ThermocouplePolynomials {
    std::array<ReferenceFunction, kThermocoupleTypeCount> reference;
    std::array<InversePolynomial, 3> typeKInverse; // ascending in EMF
    ExponentialTerm typeKExponential;
};

// Built on first use and kept for the life of the process.
const ThermocouplePolynomials& LoadedThermocouplePolynomials();

// sum c_i * t^i for i = 0 upward into an accumulator starting at 0, each power
// correctly rounded (IntegerPower; t^0 is 1 for every t, NaN included).
double SumOfPowers(const Polynomial& polynomial, double t);

} // namespace velmaro::sensors
