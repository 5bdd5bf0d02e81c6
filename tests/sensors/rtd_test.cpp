// Resistance thermometers: the Pt100 table, the figures the sensor panel
// prints, the bisection's strict stop test and step cap, and the range guard.

#include "convert/number_text.h"
#include "reference_tables.h"
#include "sensors/rtd.h"
#include "sensors/rtd_functions.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace velmaro::sensors {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// dR/dt in Ω/°C.
double Slope(RtdType type, double celsius) {
    const ClosedRange range = RtdTypeInfo(type).celsius;
    const double lo = std::max(celsius - 0.01, range.low);
    const double hi = std::min(celsius + 0.01, range.high);
    return (RtdReferenceResistance(type, hi) - RtdReferenceResistance(type, lo)) / (hi - lo);
}

TEST(Pt100Table, ResistanceAgreesWithEveryPrintedValue) {
    const auto table = testing::Pt100Table();
    ASSERT_EQ(table.size(), 1041u);
    for (const testing::TablePoint& point : table) {
        const SensorResult ohms = RtdResistance(RTD_PT100, point.celsius);
        ASSERT_EQ(ohms.check, RangeCheck::InRange);
        EXPECT_LE(std::fabs(ohms.value - point.value), 0.005 + 1e-9) << point.celsius;
    }
}

// Printed resistances are rounded to 0.01 Ω and the bisection below 100 Ω
// stops within 0.007 Ω; the closed form above 100 Ω is exact.
TEST(Pt100Table, InverseBringsEveryPrintedResistanceBack) {
    for (const testing::TablePoint& point : testing::Pt100Table()) {
        const SensorResult back = RtdTemperature(RTD_PT100, point.value);
        ASSERT_EQ(back.check, RangeCheck::InRange) << point.celsius;
        const double slack = point.value >= 100.0 ? 0.005 : 0.005 + 0.007;
        EXPECT_LE(std::fabs(back.value - point.celsius),
                  slack / Slope(RTD_PT100, point.celsius) + 1e-9)
            << point.celsius;
    }
}

// Same element, same coefficients, ten and five times R0.
TEST(RtdResistance, Pt1000AndPt500AreScaledPt100) {
    for (double t = -200.0; t <= 850.0; t += 0.5) {
        const double pt100 = RtdResistance(RTD_PT100, t).value;
        EXPECT_NEAR(RtdResistance(RTD_PT1000, t).value, 10.0 * pt100, 1e-12 * pt100) << t;
        EXPECT_NEAR(RtdResistance(RTD_PT500, t).value, 5.0 * pt100, 1e-12 * pt100) << t;
    }
}

struct Printed {
    RtdType type;
    double input;
    const char* text;
};

TEST(RtdResistance, PrintsTheReferenceFigures) {
    const Printed cases[] = {
        {RTD_PT100, 0.0, "100.000000"},   {RTD_PT100, 100.0, "138.505500"},
        {RTD_PT100, -200.0, "18.520080"}, {RTD_PT100, 850.0, "390.481125"},
        {RTD_PT100, -10.0, "96.085879"},  {RTD_PT10, -10.0, "9.608588"},
        {RTD_PT10, 0.0, "10.000000"},     {RTD_CU100, 0.0, "100.000000"},
        {RTD_CU100, 50.0, "121.407900"},  {RTD_CU100, 150.0, "164.268550"},
        {RTD_CU50, 0.0, "50.000000"},     {RTD_CU50, 100.0, "71.400000"},
        {RTD_CU50, 150.0, "82.134275"},
    };
    for (const Printed& c : cases) {
        const SensorResult ohms = RtdResistance(c.type, c.input);
        EXPECT_EQ(ohms.check, RangeCheck::InRange);
        EXPECT_EQ(FormatFixed(ohms.value, kFormatF), c.text) << c.type << " at " << c.input;
    }
}

TEST(RtdTemperature, PrintsTheReferenceFigures) {
    const Printed cases[] = {
        {RTD_PT100, 96.085879, "-10.01"}, {RTD_PT10, 9.608588, "-10.16"},
        {RTD_CU100, 121.4079, "50.01"},   {RTD_PT100, 138.5, "99.99"},
        {RTD_CU100, 121.40, "50.00"},
    };
    for (const Printed& c : cases) {
        const SensorResult back = RtdTemperature(c.type, c.input);
        EXPECT_EQ(back.check, RangeCheck::InRange);
        EXPECT_EQ(FormatFixed(back.value, kFormat2f), c.text) << c.type << " at " << c.input;
    }
    EXPECT_EQ(RtdTemperature(RTD_CU50, 71.4).value, 100.0);
}

// At R0 exactly the closed form's square root gives back A, and +0 times the
// negative 1/(2B) is -0: the two-decimal display shows -0.00, as it does for
// the thermocouples' exact-zero EMFs.
TEST(RtdTemperature, PlatinumAtR0IsNegativeZero) {
    for (RtdType type : {RTD_PT100, RTD_PT10}) {
        const double back = RtdTemperature(type, type == RTD_PT100 ? 100.0 : 10.0).value;
        EXPECT_EQ(back, 0.0);
        EXPECT_TRUE(std::signbit(back));
        EXPECT_EQ(FormatFixed(back, kFormat2f), "-0.00");
    }
}

struct Halving {
    RtdType type;
    double ohms;
    double celsius;
    int halvings;
};

// Within 0.007 Ω of the start resistance the start temperature comes back at
// once; Cu100 121.40 Ω lies above the trial at 50 °C, which the upper half
// never comes close enough to, so all 501 halvings run.
TEST(RtdBisection, StartsAndCapsAsDesigned) {
    const Halving cases[] = {
        {RTD_PT100, 60.25584, -100.0, 0},
        {RTD_PT10, 6.025584, -100.0, 0},
        {RTD_CU100, 121.395, 50.0, 0},
        {RTD_CU50, 60.69605, 50.0, 0},
    };
    for (const Halving& c : cases) {
        const RtdSolution solution = SolveRtdBisection(RtdBisectionFor(c.type), c.ohms);
        EXPECT_EQ(solution.celsius, c.celsius) << c.type;
        EXPECT_EQ(solution.halvings, c.halvings) << c.type;
    }
    const RtdSolution capped = SolveRtdBisection(RtdBisectionFor(RTD_CU100), 121.40);
    EXPECT_EQ(capped.halvings, 501);
    EXPECT_NEAR(capped.celsius, 50.0, 1e-12);
}

double ConstantTrial(double, double) {
    return 0.014;
}

// 0.014 - 0.007 is exactly 0.007 in double: a difference equal to the
// tolerance does not stop the solver, neither at the start nor in the loop.
TEST(RtdBisection, StopTestIsStrict) {
    const RtdBisectionSetup setup{1.0, ConstantTrial, 0.0, 0.014, -1.0, 1.0};
    ASSERT_EQ(std::fabs(0.014 - 0.007), 0.007);
    const RtdSolution solution = SolveRtdBisection(setup, 0.007);
    EXPECT_EQ(solution.halvings, 501);
    EXPECT_EQ(SolveRtdBisection(setup, std::nextafter(0.007, kInf)).halvings, 0);
}

// Copper goes out on one cubic and comes back on another, platinum below 0 °C
// stops within 0.007 Ω: the round trip is good to that resolution.
TEST(RtdTemperature, RoundTripsWithinTheResolutionOfTheTolerance) {
    for (const RtdInfo& info : RtdTypes()) {
        for (double t = info.celsius.low; t <= info.celsius.high; t += 1.0) {
            const double ohms = RtdReferenceResistance(info.type, t);
            if (!info.ohms.Contains(ohms)) {
                continue;
            }
            const double back = RtdTemperature(info.type, ohms).value;
            EXPECT_LE(std::fabs(back - t), 0.01 / Slope(info.type, t)) << info.name << ' ' << t;
        }
    }
}

TEST(RtdGuard, ClosedRangesAcceptTheirEndsAndRefuseBeyond) {
    for (const RtdInfo& info : RtdTypes()) {
        for (const auto& [range, convert] :
             {std::pair{info.celsius, &RtdResistance}, std::pair{info.ohms, &RtdTemperature}}) {
            EXPECT_EQ(convert(info.type, range.low).check, RangeCheck::InRange) << info.name;
            EXPECT_EQ(convert(info.type, range.high).check, RangeCheck::InRange) << info.name;
            const double refused[] = {std::nextafter(range.low, -kInf),
                                      std::nextafter(range.high, kInf), kNaN, kInf, -kInf};
            for (double value : refused) {
                EXPECT_EQ(convert(info.type, value), (SensorResult{0.0, RangeCheck::OutOfRange}))
                    << info.name << ' ' << value;
            }
        }
        EXPECT_EQ(RtdTemperature(info.type, 0.0).check, RangeCheck::OutOfRange);
        EXPECT_EQ(RtdTemperature(info.type, -1.0).check, RangeCheck::OutOfRange);
    }
}

// The resistance at the top temperature lies above the resistance range.
TEST(RtdGuard, TopTemperatureResistanceIsRefused) {
    for (const RtdInfo& info : RtdTypes()) {
        const double top = RtdResistance(info.type, info.celsius.high).value;
        EXPECT_EQ(RtdTemperature(info.type, top).check, RangeCheck::OutOfRange) << info.name;
    }
    EXPECT_EQ(RtdTemperature(RTD_CU100, 163.9).check, RangeCheck::OutOfRange);
}

TEST(RtdGuard, TypeIndexPastTheListYieldsZeroWithoutRefusal) {
    for (unsigned type : {6u, 8u, UINT_MAX}) {
        EXPECT_EQ(RtdResistance(type, 0.0), (SensorResult{0.0, RangeCheck::UnknownType}));
        EXPECT_EQ(RtdTemperature(type, 100.0), (SensorResult{0.0, RangeCheck::UnknownType}));
    }
}

TEST(PlatinumResistance, IsZeroOutsideItsRange) {
    EXPECT_EQ(PlatinumResistance(100.0, std::nextafter(-200.0, -kInf)), 0.0);
    EXPECT_EQ(PlatinumResistance(100.0, std::nextafter(850.0, kInf)), 0.0);
}

} // namespace
} // namespace velmaro::sensors
