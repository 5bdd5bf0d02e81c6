// Every thermocouple type against the NIST ITS-90 tables: the reference
// functions reproduce each printed EMF, and the inverses bring each printed
// EMF back to its temperature; the exact inverse brings back every
// temperature of the range.

#include "reference_tables.h"
#include "sensors/thermocouple.h"
#include "sensors/thermocouple_inverse.h"
#include "sensors/thermocouple_polynomials.h"
#include "sensors/thermocouple_reference.h"
#include "sensors/thermocouple_reference_inverse.h"
#include "thermocouple_cap_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace velmaro::sensors {
namespace {

using testing::TablePoint;
using testing::ThermocoupleTable;

// The temperature whose exact EMF is `emf`, near `celsius`: the bracket is
// widened until it holds the EMF, then halved far past any display precision.
// Independent of the solvers under test, which stop at a tolerance or a cap.
double ExactInverse(ThermocoupleType type, double emf, double celsius) {
    const ClosedRange range = ThermocoupleTypeInfo(type).celsius;
    double lo = celsius;
    double hi = celsius;
    for (double widen = 0.5; ReferenceEmf(type, lo) > emf || ReferenceEmf(type, hi) < emf;
         widen *= 2.0) {
        lo = std::max(celsius - widen, range.low);
        hi = std::min(celsius + widen, range.high);
        if (lo == range.low && hi == range.high) {
            break;
        }
    }
    for (int step = 0; step < 200; ++step) {
        const double mid = (lo + hi) / 2.0;
        (ReferenceEmf(type, mid) < emf ? lo : hi) = mid;
    }
    return (lo + hi) / 2.0;
}

class ThermocoupleTableTest : public ::testing::TestWithParam<ThermocoupleType> {
protected:
    const ThermocoupleInfo& info = ThermocoupleTypeInfo(GetParam());
    const std::vector<TablePoint> table = ThermocoupleTable(info.letter);
};

TEST_P(ThermocoupleTableTest, TableCoversTheWholeTemperatureRange) {
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(table.front().celsius, std::ceil(info.celsius.low));
    EXPECT_EQ(table.back().celsius, std::floor(info.celsius.high));
    EXPECT_EQ(table.size(),
              static_cast<std::size_t>(table.back().celsius - table.front().celsius + 1.0));
}

TEST_P(ThermocoupleTableTest, EmfAgreesWithEveryPrintedValue) {
    for (const TablePoint& point : table) {
        const SensorResult emf = ThermocoupleEmf(GetParam(), point.celsius);
        ASSERT_EQ(emf.check, RangeCheck::InRange) << point.celsius;
        EXPECT_LE(std::fabs(emf.value - point.value), 0.0005 + 1e-9)
            << info.letter << " at " << point.celsius << " °C";
    }
}

// The table EMF is rounded to 0.001 mV, so it stands for a temperature a
// little off the whole degree (where the curve is flat, as near -270 °C, by
// tenths of a degree). The bisection must find that temperature within
// 0.002 °C; type K's inverse polynomials carry their own error of up to
// 0.06 °C and serve -200 ... 1372 °C.
TEST_P(ThermocoupleTableTest, InverseBringsEveryPrintedEmfBack) {
    const ThermocoupleType type = GetParam();
    for (const TablePoint& point : table) {
        const SensorResult back = ThermocoupleTemperature(type, point.value);
        if (!info.emf.Contains(point.value)) {
            EXPECT_EQ(back, (SensorResult{0.0, RangeCheck::OutOfRange})) << point.celsius;
            continue;
        }
        ASSERT_EQ(back.check, RangeCheck::InRange) << point.celsius;
        if (InCapWindow(type, point.value) || (type == TC_K && point.celsius < -200.0)) {
            continue; // see the cap window and extrapolation tests
        }
        const double meant = ExactInverse(type, point.value, point.celsius);
        EXPECT_NEAR(back.value, meant, type == TC_K ? 0.06 : 0.002)
            << info.letter << " at " << point.celsius << " °C";
    }
}

// The exact inverse over the type's whole invertible range: every tenth of a
// degree, each sub-range limit and both ends come back from their EMF within
// 0.001 °C; an EMF past either end is refused.
TEST_P(ThermocoupleTableTest, ReferenceInverseBringsEveryTemperatureBack) {
    const ThermocoupleType type = GetParam();
    const ClosedRange range = info.invertible;
    std::vector<double> temperatures{range.high};
    for (double celsius = range.low; celsius < range.high; celsius += 0.1) {
        temperatures.push_back(celsius);
    }
    const ReferenceFunction& function = LoadedThermocouplePolynomials().reference[type];
    for (std::size_t k = 0; k < function.subRangeCount; ++k) {
        temperatures.push_back(std::max(function.subRanges[k].upperCelsius, range.low));
    }
    for (const double celsius : temperatures) {
        const SensorResult back = ReferenceTemperature(type, ReferenceEmf(type, celsius));
        ASSERT_EQ(back.check, RangeCheck::InRange) << info.letter << " at " << celsius;
        EXPECT_NEAR(back.value, celsius, 0.001) << info.letter << " at " << celsius;
    }
    for (const double celsius : {range.low, range.high}) {
        const double emf = ReferenceEmf(type, celsius);
        const double past = std::nextafter(emf, celsius == range.low ? -1e9 : 1e9);
        EXPECT_EQ(ReferenceTemperature(type, past), (SensorResult{0.0, RangeCheck::OutOfRange}))
            << info.letter << " past " << celsius;
    }
}

// The standard's stated error of the type-K inverse, at exact EMFs.
TEST(TypeKInverse, StaysWithinItsErrorBandOverItsRange) {
    for (double celsius = -200.0; celsius <= 1372.0; celsius += 1.0) {
        const double back = TypeKTemperature(ReferenceEmf(TC_K, celsius));
        EXPECT_LE(std::fabs(back - celsius), 0.06) << celsius;
    }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, ThermocoupleTableTest,
                         ::testing::Values(TC_S, TC_R, TC_B, TC_K, TC_N, TC_E, TC_J, TC_T),
                         [](const auto& param) {
                             return std::string(1, ThermocoupleTypeInfo(param.param).letter);
                         });

} // namespace
} // namespace velmaro::sensors
