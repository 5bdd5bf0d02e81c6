#include "sensors/thermocouple_inverse.h"

#include "sensors/exact_math.h"
#include "sensors/thermocouple_brackets.h"
#include "sensors/thermocouple_polynomials.h"

#include <cmath>

namespace velmaro::sensors {
namespace {

const BisectionBracket& SelectBracket(std::span<const BisectionBracket> brackets, double emf) {
    for (const BisectionBracket& bracket : brackets) {
        if (emf <= bracket.upToEmf) {
            return bracket;
        }
    }
    return brackets.back();
}

} // namespace

double TypeKTemperature(double emf) {
    const auto& sets = LoadedThermocouplePolynomials().typeKInverse;
    const InversePolynomial* chosen = &sets.back();
    for (const InversePolynomial& set : sets) {
        if (emf < set.usedBelowEmf) {
            chosen = &set;
            break;
        }
    }
    const Polynomial& d = chosen->d;
    double celsius = d.c[d.terms - 1];
    for (std::size_t i = d.terms - 1; i-- > 0;) {
        celsius = celsius * emf + d.c[i];
    }
    return celsius;
}

BisectionOutcome SolveByBisection(ThermocoupleType type, double emf) {
    const BisectionPlan& plan = BisectionPlanFor(type);
    const BisectionBracket& bracket = SelectBracket(plan.brackets, emf);
    const Polynomial& polynomial =
        LoadedThermocouplePolynomials().reference[type].subRanges[bracket.subRange];
    const double tolerance = PowerOfTen(plan.toleranceExponent);

    double lo = bracket.lowCelsius;
    double hi = bracket.highCelsius;
    double mid = (lo + hi) / 2.0;
    double e = SumOfPowers(polynomial, mid);
    int count = 1;
    while (std::fabs(e - emf) > tolerance) {
        // The first pass halves at the midpoint just evaluated; the polynomial
        // is a pure function, so an unchanged midpoint keeps its EMF.
        const double next = (lo + hi) / 2.0;
        if (next != mid) {
            mid = next;
            e = SumOfPowers(polynomial, mid);
        }
        const double oldLo = lo;
        const double oldHi = hi;
        if (emf >= e) {
            lo = mid;
        } else {
            hi = mid;
        }
        ++count;
        if (count > plan.stepCap) {
            return {(lo + hi) / 2.0, count - 1, true};
        }
        if (lo == oldLo && hi == oldHi) {
            // The bracket is so narrow that halving no longer moves it: every
            // pass left up to the step cap would repeat this one, so the capped
            // result is already known. This saves most of the 500 passes of J
            // and T when their tolerance cannot be met.
            return {(lo + hi) / 2.0, plan.stepCap, true};
        }
    }
    return {mid, count - 1, false};
}

double InverseTemperature(ThermocoupleType type, double emf) {
    if (type == TC_K) {
        return TypeKTemperature(emf);
    }
    return SolveByBisection(type, emf).celsius;
}

} // namespace velmaro::sensors
