#include "sensors/thermocouple_polynomials.h"

#include "sensors/exact_math.h"
#include "sensors/thermocouple_coefficients.h"

namespace velmaro::sensors {
namespace {

// The tabulated decimal is formed as mantissa * 10^exponent, which for some
// coefficients lands one unit in the last place away from the double nearest
// the printed decimal; the reference values are computed with these.
double Formed(const TabulatedCoefficient& coefficient) {
    return coefficient.mantissa * PowerOfTen(coefficient.exponent);
}

Polynomial Load(double lowerCelsius, double upperCelsius,
                std::span<const TabulatedCoefficient> coefficients) {
    Polynomial polynomial{lowerCelsius, upperCelsius, coefficients.size(), {}};
    for (std::size_t i = 0; i < coefficients.size(); ++i) {
        polynomial.c[i] = Formed(coefficients[i]);
    }
    return polynomial;
}

ThermocouplePolynomials LoadAll() {
    ThermocouplePolynomials loaded{};
    for (unsigned type = 0; type < kThermocoupleTypeCount; ++type) {
        const auto subRanges = TabulatedReferenceFunction(static_cast<ThermocoupleType>(type));
        ReferenceFunction& function = loaded.reference[type];
        function.subRangeCount = subRanges.size();
        for (std::size_t k = 0; k < subRanges.size(); ++k) {
            function.subRanges[k] = Load(subRanges[k].lowerCelsius, subRanges[k].upperCelsius,
                                         subRanges[k].coefficients);
        }
    }
    const auto inverse = TabulatedTypeKInverse();
    for (std::size_t k = 0; k < inverse.size(); ++k) {
        loaded.typeKInverse[k] = {
            inverse[k].usedBelowEmf,
            Load(inverse[k].lowerCelsius, inverse[k].upperCelsius, inverse[k].coefficients)};
    }
    const TabulatedExponential& exponential = TabulatedTypeKExponential();
    loaded.typeKExponential = {Formed(exponential.a0), Formed(exponential.a1), exponential.a2};
    return loaded;
}

} // namespace

const ThermocouplePolynomials& LoadedThermocouplePolynomials() {
    static const ThermocouplePolynomials loaded = LoadAll();
    return loaded;
}

double SumOfPowers(const Polynomial& polynomial, double t) {
    double sum = 0.0;
    for (std::size_t i = 0; i < polynomial.terms; ++i) {
        sum += polynomial.c[i] * IntegerPower(t, static_cast<int>(i));
    }
    return sum;
}

} // namespace velmaro::sensors
