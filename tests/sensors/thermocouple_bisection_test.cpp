// The EMF-to-temperature bisection of types S, R, B, N, E, J and T: pass by
// pass against the solver written out without shortcuts, at its step caps,
// and on round trips through six-decimal EMF text.

#include "convert/number_text.h"
#include "sensors/thermocouple.h"
#include "sensors/thermocouple_brackets.h"
#include "sensors/thermocouple_inverse.h"
#include "sensors/thermocouple_polynomials.h"
#include "thermocouple_cap_windows.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmaro::sensors {
namespace {

constexpr ThermocoupleType kBisectionTypes[] = {TC_S, TC_R, TC_B, TC_N, TC_E, TC_J, TC_T};

// Every pass evaluated, up to the cap.
BisectionOutcome PassByPass(ThermocoupleType type, double x) {
    const BisectionPlan& plan = BisectionPlanFor(type);
    const BisectionBracket* bracket = &plan.brackets.back();
    for (const BisectionBracket& candidate : plan.brackets) {
        if (x <= candidate.upToEmf) {
            bracket = &candidate;
            break;
        }
    }
    const Polynomial& p =
        LoadedThermocouplePolynomials().reference[type].subRanges[bracket->subRange];
    const double tolerance = std::pow(10.0, plan.toleranceExponent);
    double lo = bracket->lowCelsius;
    double hi = bracket->highCelsius;
    double mid = (lo + hi) / 2.0;
    double e = SumOfPowers(p, mid);
    int count = 1;
    while (std::fabs(e - x) > tolerance) {
        mid = (lo + hi) / 2.0;
        e = SumOfPowers(p, mid);
        if (x >= e) {
            lo = mid;
        } else {
            hi = mid;
        }
        ++count;
        if (count > plan.stepCap) {
            return {(lo + hi) / 2.0, count - 1, true};
        }
    }
    return {mid, count - 1, false};
}

void ExpectSameOutcome(ThermocoupleType type, double emf) {
    const BisectionOutcome expected = PassByPass(type, emf);
    const BisectionOutcome actual = SolveByBisection(type, emf);
    EXPECT_EQ(actual.celsius, expected.celsius) << type << " at " << emf << " mV";
    EXPECT_EQ(actual.halvings, expected.halvings) << type << " at " << emf << " mV";
    EXPECT_EQ(actual.capped, expected.capped) << type << " at " << emf << " mV";
}

TEST(ThermocoupleBisection, MatchesThePassByPassSolverAcrossTheRange) {
    for (ThermocoupleType type : kBisectionTypes) {
        const ClosedRange emf = ThermocoupleTypeInfo(type).emf;
        for (int step = 0; step <= 400; ++step) {
            ExpectSameOutcome(type, emf.low + (emf.high - emf.low) * step / 400.0);
        }
        ExpectSameOutcome(type, 0.0);
    }
}

TEST(ThermocoupleBisection, MatchesThePassByPassSolverInsideCapWindows) {
    for (const CapWindow& window : kCapWindows) {
        for (double share : {0.25, 0.5, 0.75}) {
            ExpectSameOutcome(window.type,
                              window.boundaryEmf + share * (LimitEmf(window) - window.boundaryEmf));
        }
        ExpectSameOutcome(window.type, window.boundaryEmf);
    }
}

// Inside a cap window the tolerance is never met: the solver runs its full
// 50 or 500 halvings and ends on the bracket limit.
TEST(ThermocoupleBisection, CapWindowsEndOnTheBracketLimit) {
    for (const CapWindow& window : kCapWindows) {
        const int cap = BisectionPlanFor(window.type).stepCap;
        for (double share : {0.25, 0.5, 0.75}) {
            const double emf = window.boundaryEmf + share * (LimitEmf(window) - window.boundaryEmf);
            const BisectionOutcome outcome = SolveByBisection(window.type, emf);
            EXPECT_TRUE(outcome.capped) << window.type << " at " << emf;
            EXPECT_EQ(outcome.halvings, cap) << window.type << " at " << emf;
            EXPECT_NEAR(outcome.celsius, window.limitCelsius, 1e-12)
                << window.type << " at " << emf;
            EXPECT_EQ(ThermocoupleTemperature(window.type, emf).value, outcome.celsius);
        }
    }
}

TEST(ThermocoupleBisection, ThresholdBelongsToTheLowerBracket) {
    // R's threshold itself is solved in the lower bracket, just below 1064.18 °C.
    const BisectionOutcome atThreshold = SolveByBisection(TC_R, 11.3615);
    EXPECT_FALSE(atThreshold.capped);
    EXPECT_LT(atThreshold.celsius, 1064.18);
    EXPECT_GT(atThreshold.celsius, 1063.9);
    // J's threshold lies above J's EMF at 760 °C: the lower bracket cannot reach it.
    const BisectionOutcome j = SolveByBisection(TC_J, 42.919);
    EXPECT_TRUE(j.capped);
    EXPECT_EQ(j.halvings, 500);
    EXPECT_NEAR(j.celsius, 760.0, 1e-12);
}

// A temperature turned into EMF text with six decimals and read back comes
// home within 0.002 °C outside the cap windows.
TEST(ThermocoupleBisection, SixDecimalRoundTripReturnsTheTemperature) {
    for (ThermocoupleType type : kBisectionTypes) {
        const ClosedRange celsius = ThermocoupleTypeInfo(type).celsius;
        for (double t = std::ceil(celsius.low); t <= celsius.high; t += 1.0) {
            const double emf = ParseNumber(FormatFixed(ThermocoupleEmf(type, t).value, kFormatF));
            const SensorResult back = ThermocoupleTemperature(type, emf);
            if (back.check != RangeCheck::InRange || InCapWindow(type, emf)) {
                continue;
            }
            EXPECT_NEAR(back.value, t, 0.002) << type << " at " << t << " °C";
        }
    }
}

} // namespace
} // namespace velmaro::sensors
