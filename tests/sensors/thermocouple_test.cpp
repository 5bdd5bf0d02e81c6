// Thermocouple conversions as the sensor panel prints them, the range guard
// of both directions, and the shape of the coefficient data.

#include "convert/number_text.h"
#include "sensors/exact_math.h"
#include "sensors/thermocouple.h"
#include "sensors/thermocouple_coefficients.h"
#include "sensors/thermocouple_inverse.h"
#include "sensors/thermocouple_polynomials.h"
#include "sensors/thermocouple_reference.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace velmaro::sensors {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Printed {
    ThermocoupleType type;
    double input;
    const char* text;
};

TEST(ThermocoupleEmf, PrintsTheReferenceFigures) {
    const Printed cases[] = {
        {TC_K, 100.0, "4.096230"},  {TC_K, 1372.0, "54.886364"}, {TC_S, 1768.1, "18.693541"},
        {TC_T, 300.0, "14.861928"}, {TC_K, -270.0, "-6.457738"}, {TC_B, 21.0, "-0.002585"},
    };
    for (const Printed& c : cases) {
        const SensorResult emf = ThermocoupleEmf(c.type, c.input);
        EXPECT_EQ(emf.check, RangeCheck::InRange);
        EXPECT_EQ(FormatFixed(emf.value, kFormatF), c.text) << c.type << " at " << c.input;
    }
}

TEST(ThermocoupleEmf, ZeroDegreesIsAPlainZeroForEveryType) {
    for (unsigned type = 0; type < kThermocoupleTypeCount; ++type) {
        EXPECT_EQ(FormatFixed(ThermocoupleEmf(type, 0.0).value, kFormatF), "0.000000") << type;
        EXPECT_EQ(FormatFixed(ThermocoupleEmf(type, -0.0).value, kFormatF), "0.000000") << type;
    }
}

TEST(ThermocoupleTemperature, PrintsTheReferenceFigures) {
    const Printed cases[] = {
        {TC_K, 4.096230, "99.97"}, // the inverse polynomial's own error
        {TC_T, 14.861928, "300.00"},
        {TC_R, 11.362, "1064.18"}, // between R's threshold and the limit EMF
    };
    for (const Printed& c : cases) {
        const SensorResult back = ThermocoupleTemperature(c.type, c.input);
        EXPECT_EQ(back.check, RangeCheck::InRange);
        EXPECT_EQ(FormatFixed(back.value, kFormat2f), c.text) << c.type << " at " << c.input;
    }
}

TEST(ThermocoupleTemperature, TypeKExtrapolatesBelowItsInverseRange) {
    EXPECT_NEAR(ThermocoupleTemperature(TC_K, -6.457738).value, -245.7, 0.05);
    EXPECT_NEAR(ThermocoupleTemperature(TC_K, -6.458).value, -245.8, 0.05);
}

// An exact 0 mV ends the bisection at a midpoint just below zero, which the
// two-decimal display shows as -0.00; type K's polynomial gives exactly 0.
TEST(ThermocoupleTemperature, ZeroMillivoltsLandsJustBelowZero) {
    for (ThermocoupleType type : {TC_S, TC_R, TC_N, TC_E, TC_J, TC_T}) {
        const double back = ThermocoupleTemperature(type, 0.0).value;
        EXPECT_LT(back, 0.0) << type;
        EXPECT_GT(back, -1e-5) << type;
        EXPECT_EQ(FormatFixed(back, kFormat2f), "-0.00") << type;
    }
    EXPECT_NEAR(ThermocoupleTemperature(TC_N, 0.0).value, -3e-8, 1e-8);
    EXPECT_NEAR(ThermocoupleTemperature(TC_T, 0.0).value, -2e-6, 1e-6);
    EXPECT_EQ(ThermocoupleTemperature(TC_K, 0.0).value, 0.0);
    EXPECT_EQ(FormatFixed(ThermocoupleTemperature(TC_K, 0.0).value, kFormat2f), "0.00");
}

TEST(ThermocoupleGuard, ClosedRangesAcceptTheirEndsAndRefuseBeyond) {
    for (const ThermocoupleInfo& info : ThermocoupleTypes()) {
        for (const auto& [range, convert] : {std::pair{info.celsius, &ThermocoupleEmf},
                                             std::pair{info.emf, &ThermocoupleTemperature}}) {
            EXPECT_EQ(convert(info.type, range.low).check, RangeCheck::InRange) << info.name;
            EXPECT_EQ(convert(info.type, range.high).check, RangeCheck::InRange) << info.name;
            const double refused[] = {std::nextafter(range.low, -kInf),
                                      std::nextafter(range.high, kInf),
                                      kNaN,
                                      -kNaN,
                                      kInf,
                                      -kInf};
            for (double value : refused) {
                EXPECT_EQ(convert(info.type, value), (SensorResult{0.0, RangeCheck::OutOfRange}))
                    << info.name << ' ' << value;
            }
        }
    }
}

TEST(ThermocoupleGuard, TopTemperatureEmfLiesAboveTheEmfRange) {
    EXPECT_EQ(ThermocoupleTemperature(TC_K, 54.886364).check, RangeCheck::OutOfRange);
    EXPECT_EQ(ThermocoupleTemperature(TC_S, 18.693541).check, RangeCheck::OutOfRange);
    // Type B's EMF range starts at its EMF at 100 °C, 0 mV included in the refusal.
    EXPECT_EQ(ThermocoupleTemperature(TC_B, 0.0).check, RangeCheck::OutOfRange);
    EXPECT_EQ(ThermocoupleTemperature(TC_B, 0.032999).check, RangeCheck::OutOfRange);
    EXPECT_EQ(ThermocoupleTemperature(TC_B, 0.033).check, RangeCheck::InRange);
}

TEST(ThermocoupleGuard, TypeIndexPastTheListYieldsZeroWithoutRefusal) {
    for (unsigned type : {8u, 9u, UINT_MAX}) {
        EXPECT_EQ(ThermocoupleEmf(type, 100.0), (SensorResult{0.0, RangeCheck::UnknownType}));
        EXPECT_EQ(ThermocoupleTemperature(type, 1.0), (SensorResult{0.0, RangeCheck::UnknownType}));
        EXPECT_EQ(ThermocoupleEmf(type, kNaN).check, RangeCheck::UnknownType);
    }
}

TEST(ReferenceEmf, TypeKGivesZeroOutsideItsRange) {
    EXPECT_EQ(ReferenceEmf(TC_K, std::nextafter(-270.0, -kInf)), 0.0);
    EXPECT_EQ(ReferenceEmf(TC_K, std::nextafter(1372.0, kInf)), 0.0);
    EXPECT_EQ(ReferenceEmf(TC_K, 0.0), 0.0); // the set below zero, no exponential term
}

// Degrees of the ITS-90 sub-ranges; the data must neither lose nor gain terms.
TEST(ThermocoupleCoefficients, SubRangesHaveTheStandardDegreesAndMeetEachOther) {
    const std::vector<std::vector<std::size_t>> degrees = {
        {8, 4, 4}, {9, 5, 4}, {6, 8}, {10, 9}, {8, 10}, {13, 10}, {8, 5}, {14, 8},
    };
    for (const ThermocoupleInfo& info : ThermocoupleTypes()) {
        const auto subRanges = TabulatedReferenceFunction(info.type);
        ASSERT_EQ(subRanges.size(), degrees[info.type].size()) << info.letter;
        EXPECT_EQ(subRanges.front().lowerCelsius, info.celsius.low) << info.letter;
        EXPECT_EQ(subRanges.back().upperCelsius, info.celsius.high) << info.letter;
        for (std::size_t k = 0; k < subRanges.size(); ++k) {
            EXPECT_EQ(subRanges[k].coefficients.size(), degrees[info.type][k] + 1) << info.letter;
            if (k > 0) {
                EXPECT_EQ(subRanges[k].lowerCelsius, subRanges[k - 1].upperCelsius);
            }
        }
    }
    const auto inverse = TabulatedTypeKInverse();
    ASSERT_EQ(inverse.size(), 3u);
    EXPECT_EQ(inverse[0].coefficients.size(), 9u);
    EXPECT_EQ(inverse[1].coefficients.size(), 10u);
    EXPECT_EQ(inverse[2].coefficients.size(), 7u);
}

// Each coefficient is the tabulated mantissa times 10^exponent as computed at
// load time; the mantissa has one digit before the point.
TEST(ThermocoupleCoefficients, LoadedValuesAreFormedFromMantissaAndExponent) {
    const ThermocouplePolynomials& loaded = LoadedThermocouplePolynomials();
    for (const ThermocoupleInfo& info : ThermocoupleTypes()) {
        const auto subRanges = TabulatedReferenceFunction(info.type);
        for (std::size_t k = 0; k < subRanges.size(); ++k) {
            const Polynomial& polynomial = loaded.reference[info.type].subRanges[k];
            ASSERT_EQ(polynomial.terms, subRanges[k].coefficients.size());
            for (std::size_t i = 0; i < polynomial.terms; ++i) {
                const TabulatedCoefficient& c = subRanges[k].coefficients[i];
                EXPECT_EQ(polynomial.c[i], c.mantissa * PowerOfTen(c.exponent));
                if (c.mantissa != 0.0) {
                    EXPECT_GE(std::fabs(c.mantissa), 1.0) << info.letter << k << ' ' << i;
                    EXPECT_LT(std::fabs(c.mantissa), 10.0) << info.letter << k << ' ' << i;
                }
            }
        }
    }
    // Formed this way, a1 is one unit in the last place away from the literal.
    EXPECT_EQ(loaded.typeKExponential.a1, -1.183432 * std::pow(10.0, -4));
    EXPECT_EQ(loaded.typeKExponential.a0, 1.185976 * std::pow(10.0, -1));
    EXPECT_EQ(loaded.typeKExponential.a2, 126.9686);
}

// A breakpoint belongs to the lower sub-range.
TEST(ReferenceEmf, BreakpointsUseTheLowerSubRange) {
    for (const ThermocoupleInfo& info : ThermocoupleTypes()) {
        const ReferenceFunction& function = LoadedThermocouplePolynomials().reference[info.type];
        for (std::size_t k = 0; k + 1 < function.subRangeCount; ++k) {
            const Polynomial& lower = function.subRanges[k];
            EXPECT_EQ(&ReferenceSubRange(info.type, lower.upperCelsius), &lower) << info.letter;
            EXPECT_EQ(&ReferenceSubRange(info.type, std::nextafter(lower.upperCelsius, kInf)),
                      &function.subRanges[k + 1])
                << info.letter;
        }
    }
}

} // namespace
} // namespace velmaro::sensors
