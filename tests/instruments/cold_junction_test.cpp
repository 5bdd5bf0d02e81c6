// Cold-junction compensation against the NIST tables: the meter reads the
// printed E(hot) - E(cold), and that reading with the cold end brings the hot
// end back, to the printed digit; ends outside the type's range are refused.

#include "convert/number_text.h"
#include "instruments/cold_junction.h"
#include "reference_tables.h"
#include "sensors/thermocouple_types.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmaro::instruments {
namespace {

using sensors::ThermocoupleType;

double Printed(char letter, double celsius) {
    for (const sensors::testing::TablePoint& point : sensors::testing::ThermocoupleTable(letter)) {
        if (point.celsius == celsius) {
            return point.value;
        }
    }
    ADD_FAILURE() << letter << " has no entry at " << celsius;
    return 0.0;
}

struct Junctions {
    ThermocoupleType type;
    double hot;
    double cold;
};

TEST(ColdJunction, AgreesWithTheTablesAtBothEnds) {
    const Junctions cases[] = {
        {sensors::TC_K, 400.0, 25.0},  {sensors::TC_K, -100.0, 25.0}, {sensors::TC_J, 200.0, 30.0},
        {sensors::TC_T, 100.0, -20.0}, {sensors::TC_E, 500.0, 25.0},  {sensors::TC_N, 800.0, 35.0},
        {sensors::TC_S, 1000.0, 25.0}, {sensors::TC_R, 1500.0, 40.0}, {sensors::TC_B, 1200.0, 25.0},
    };
    for (const Junctions& c : cases) {
        const char letter = sensors::ThermocoupleTypeInfo(c.type).letter;
        const double meter = Printed(letter, c.hot) - Printed(letter, c.cold);
        const JunctionResult emf = MeterEmf(c.type, c.hot, c.cold);
        ASSERT_EQ(emf.fault, Fault::None) << letter;
        // Two printed values, each rounded to 0.001 mV.
        EXPECT_NEAR(emf.value, meter, 0.001 + 1e-9) << letter << ' ' << c.hot;

        const JunctionResult hot = HotJunctionTemperature(c.type, meter, c.cold);
        ASSERT_EQ(hot.fault, Fault::None) << letter;
        const double slope = (Printed(letter, c.hot + 1.0) - Printed(letter, c.hot - 1.0)) / 2.0;
        // The reading's rounding over the slope.
        EXPECT_NEAR(hot.value, c.hot, 0.0011 / slope) << letter << ' ' << c.hot;
    }
}

// The hot end as the tool prints it, two decimals: the reference function's
// own inverse, where the sensor panel's polynomials for K give 24.99 and
// -239.99.
TEST(ColdJunction, HotEndIsTheExactInverseToThePrintedDigit) {
    const struct {
        ThermocoupleType type;
        double meter;
        double cold;
        const char* hot;
    } cases[] = {
        {sensors::TC_S, 0.0, 25.0, "25.00"},   {sensors::TC_R, 0.0, 25.0, "25.00"},
        {sensors::TC_K, 0.0, 25.0, "25.00"},   {sensors::TC_N, 0.0, 25.0, "25.00"},
        {sensors::TC_E, 0.0, 25.0, "25.00"},   {sensors::TC_J, 0.0, 25.0, "25.00"},
        {sensors::TC_T, 0.0, 25.0, "25.00"},   {sensors::TC_K, -6.4, 0.0, "-249.27"},
        {sensors::TC_K, 15.2, 25.0, "395.34"}, {sensors::TC_B, 0.0, 100.0, "100.00"},
    };
    for (const auto& c : cases) {
        const JunctionResult hot = HotJunctionTemperature(c.type, c.meter, c.cold);
        ASSERT_EQ(hot.fault, Fault::None) << c.type << ' ' << c.meter;
        EXPECT_EQ(FormatFixed(hot.value, kFormat2f), c.hot) << c.type << ' ' << c.meter;
    }
}

TEST(ColdJunction, EndsOutsideTheTypeRangeGiveNoNumber) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const struct {
        JunctionResult result;
        Fault fault;
    } cases[] = {
        {MeterEmf(sensors::TC_K, 1373.0, 25.0), Fault::OutOfRange},
        {MeterEmf(sensors::TC_K, 400.0, -271.0), Fault::OutOfRange},
        {MeterEmf(sensors::TC_K, kNaN, 25.0), Fault::NotFinite},
        {MeterEmf(8, 400.0, 25.0), Fault::OutOfRange},
        // 54.886 mV is K's top; the cold end's 1 mV pushes 54.0 past it.
        {HotJunctionTemperature(sensors::TC_K, 54.0, 25.0), Fault::OutOfRange},
        {HotJunctionTemperature(sensors::TC_K, 10.0, 1400.0), Fault::OutOfRange},
        {HotJunctionTemperature(sensors::TC_K, kInf, 25.0), Fault::NotFinite},
        // Below 100 °C B's EMF names two temperatures (0 mV: 0 °C and 42 °C).
        {HotJunctionTemperature(sensors::TC_B, 0.0, 25.0), Fault::OutOfRange},
        {HotJunctionTemperature(sensors::TC_B, -0.000001, 100.0), Fault::OutOfRange},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result.fault, c.fault);
        EXPECT_EQ(c.result.value, 0.0);
    }
}

} // namespace
} // namespace velmaro::instruments
