// Gas flow at reference conditions: worked examples restating a flow between
// line, normal and standard conditions, the mass flow from the normal density
// or the molar mass, and the states that have no answer.

#include "instruments/gas_flow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmaro::instruments {
namespace {

// 0.6 MPa gauge at 40 °C.
constexpr GasState kLine{701325.0, 313.15, 1.0};

struct Example {
    const char* name;
    GasResult result;
    GasResult expected;
};

TEST(GasFlow, WorkedExamples) {
    const GasState normal = ReferenceState(Reference::Normal, 1.0);
    const GasState standard = ReferenceState(Reference::Standard20, 1.0);
    const Example examples[] = {
        // 1200 * 701325 / 101325 * 273.15 / 313.15
        {"line to normal", RestateFlow(1200.0, kLine, normal), {7244.9057965353595, Fault::None}},
        {"line to 20 °C", RestateFlow(1200.0, kLine, standard), {7775.376658445326, Fault::None}},
        {"normal to line", RestateFlow(7244.9057965353595, normal, kLine), {1200.0, Fault::None}},
        {"normal to 15 °C",
         RestateFlow(500.0, normal, ReferenceState(Reference::Standard15, 1.0)),
         {500.0 * 288.15 / 273.15, Fault::None}},
        // 601.325 kPa at 60 °C with Z = 0.95 to normal with Z_ref = 1.
        {"with Z",
         RestateFlow(1000.0, {601325.0, 333.15, 0.95}, normal),
         {1000.0 * 601325.0 / 101325.0 * 273.15 / 333.15 / 0.95, Fault::None}},
        {"gauge", {AbsolutePressure(600000.0, true), Fault::None}, {701325.0, Fault::None}},
        {"absolute", {AbsolutePressure(600000.0, false), Fault::None}, {600000.0, Fault::None}},
        {"air", MassFlow(1000.0, kAirNormalDensity), {1293.0, Fault::None}},
        // 28.9647 g/mol * 101325 Pa / (8.314462618 J/(mol K) * 273.15 K)
        {"air by molar mass", NormalDensity(28.9647, 1.0), {1.292261058103243, Fault::None}},
        {"methane, Z 0.998", NormalDensity(16.043, 0.998), {0.717193367672497, Fault::None}},
        {"vacuum", RestateFlow(1.0, {0.0, 300.0, 1.0}, normal), {0.0, Fault::PressureNotPositive}},
        {"below vacuum",
         RestateFlow(1.0, {AbsolutePressure(-200000.0, true), 300.0, 1.0}, normal),
         {0.0, Fault::PressureNotPositive}},
        {"0 K",
         RestateFlow(1.0, normal, {101325.0, -1.0, 1.0}),
         {0.0, Fault::TemperatureNotPositive}},
        {"Z 0",
         RestateFlow(1.0, kLine, ReferenceState(Reference::Normal, 0.0)),
         {0.0, Fault::ZNotPositive}},
        {"density 0", MassFlow(1.0, 0.0), {0.0, Fault::DensityNotPositive}},
        {"molar mass -1", NormalDensity(-1.0, 1.0), {0.0, Fault::DensityNotPositive}},
        {"NaN flow",
         RestateFlow(std::numeric_limits<double>::quiet_NaN(), kLine, normal),
         {0.0, Fault::NotFinite}},
        {"overflow",
         RestateFlow(1e300, {1e300, 1.0, 1.0}, {1e-300, 1.0, 1.0}),
         {0.0, Fault::NotFinite}},
    };
    for (const Example& e : examples) {
        EXPECT_EQ(e.result.fault, e.expected.fault) << e.name;
        EXPECT_NEAR(e.result.value, e.expected.value, 1e-12 * std::abs(e.expected.value)) << e.name;
    }
}

} // namespace
} // namespace velmaro::instruments
