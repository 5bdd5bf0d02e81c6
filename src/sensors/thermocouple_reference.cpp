#include "sensors/thermocouple_reference.h"

#include "sensors/exact_math.h"

namespace velmaro::sensors {
namespace {

double TypeKEmf(double celsius) {
    if (celsius < -270.0 || celsius > 1372.0) {
        return 0.0;
    }
    double emf = SumOfPowers(ReferenceSubRange(TC_K, celsius), celsius);
    if (celsius > 0.0) {
        const ExponentialTerm& term = LoadedThermocouplePolynomials().typeKExponential;
        const double offset = celsius - term.a2;
        emf += term.a0 * Exp(term.a1 * (offset * offset));
    }
    return emf;
}

} // namespace

const Polynomial& ReferenceSubRange(ThermocoupleType type, double celsius) {
    const ReferenceFunction& function = LoadedThermocouplePolynomials().reference[type];
    const std::size_t last = function.subRangeCount - 1;
    for (std::size_t k = 0; k < last; ++k) {
        if (celsius <= function.subRanges[k].upperCelsius) {
            return function.subRanges[k];
        }
    }
    return function.subRanges[last];
}

double ReferenceEmf(ThermocoupleType type, double celsius) {
    if (type == TC_K) {
        return TypeKEmf(celsius);
    }
    return SumOfPowers(ReferenceSubRange(type, celsius), celsius);
}

} // namespace velmaro::sensors
