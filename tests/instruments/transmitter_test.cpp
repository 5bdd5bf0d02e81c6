// Transmitter scaling: worked examples on a 0 ... 1.6 MPa pressure range and a
// 0 ... 100 m³/h square-root flow range, in each direction, with the signals
// outside the range flagged and the setups that have no answer refused.

#include "instruments/transmitter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmaro::instruments {
namespace {

constexpr SignalSpan kMilliamps{4.0, 20.0};
constexpr TransmitterSetup kPressure{0.0, 1.6, kMilliamps, false, kDefaultCutOffPercent};
constexpr TransmitterSetup kFlow{0.0, 100.0, kMilliamps, true, kDefaultCutOffPercent};

enum class Given { Signal, Value, Percent };

struct Example {
    const char* name;
    TransmitterSetup setup;
    Given given;
    double input;
    TransmitterReading expected;
};

TransmitterReading Read(const Example& e) {
    switch (e.given) {
    case Given::Signal:
        return FromSignal(e.setup, e.input);
    case Given::Value:
        return FromValue(e.setup, e.input);
    case Given::Percent:
        return FromPercent(e.setup, e.input);
    }
    return {};
}

TEST(Transmitter, WorkedExamples) {
    constexpr double kHuge = std::numeric_limits<double>::max();
    const Example examples[] = {
        // (12.4 - 4) / 16 = 52.5 % of 1.6 MPa.
        {"12.4 mA", kPressure, Given::Signal, 12.4, {12.4, 0.84, 52.5, false, Fault::None}},
        {"1.2 MPa", kPressure, Given::Value, 1.2, {16.0, 1.2, 75.0, false, Fault::None}},
        {"fault alarm low", kPressure, Given::Signal, 3.6, {3.6, -0.04, -2.5, true, Fault::None}},
        {"saturated high", kPressure, Given::Signal, 21.0, {21.0, 1.7, 106.25, true, Fault::None}},
        {"1-5 V at 25 %",
         {0.0, 1.6, {1.0, 5.0}, false, 1.0},
         Given::Percent,
         25.0,
         {2.0, 0.4, 25.0, false, Fault::None}},
        {"reverse acting",
         {100.0, 0.0, {0.0, 10.0}, false, 1.0},
         Given::Signal,
         2.5,
         {2.5, 75.0, 25.0, false, Fault::None}},
        // Square root: a quarter of the signal span is half the flow.
        {"sqrt 8 mA", kFlow, Given::Signal, 8.0, {8.0, 50.0, 50.0, false, Fault::None}},
        {"sqrt 50 m3/h", kFlow, Given::Value, 50.0, {8.0, 50.0, 50.0, false, Fault::None}},
        {"sqrt 10 % flow", kFlow, Given::Percent, 10.0, {4.16, 10.0, 10.0, false, Fault::None}},
        // 0.01 mA is 1/1600 of the span, √ = 2.5 % flow, above the cut-off;
        // 0.001 mA gives 0.79 %, below it.
        {"sqrt 4.01 mA", kFlow, Given::Signal, 4.01, {4.01, 2.5, 2.5, false, Fault::None}},
        {"sqrt cut off", kFlow, Given::Signal, 4.001, {4.001, 0.0, 0.0, false, Fault::None}},
        {"sqrt no cut-off",
         {0.0, 100.0, kMilliamps, true, 0.0},
         Given::Signal,
         4.001,
         {4.001, 2.5 / std::sqrt(10.0), 2.5 / std::sqrt(10.0), false, Fault::None}},
        {"sqrt below zero", kFlow, Given::Signal, 3.6, {3.6, 0.0, 0.0, true, Fault::None}},
        {"URV = LRV",
         {1.0, 1.0, kMilliamps, false, 1.0},
         Given::Signal,
         12.0,
         {0.0, 0.0, 0.0, false, Fault::EmptyRange}},
        {"signal 4-4",
         {0.0, 1.0, {4.0, 4.0}, false, 1.0},
         Given::Value,
         0.5,
         {0.0, 0.0, 0.0, false, Fault::EmptySignalRange}},
        {"cut-off 100 %",
         {0.0, 1.0, kMilliamps, true, 100.0},
         Given::Signal,
         12.0,
         {0.0, 0.0, 0.0, false, Fault::CutOffOutside}},
        {"NaN signal",
         kPressure,
         Given::Signal,
         std::numeric_limits<double>::quiet_NaN(),
         {0.0, 0.0, 0.0, false, Fault::NotFinite}},
        {"span overflows",
         {-kHuge, kHuge, kMilliamps, false, 1.0},
         Given::Signal,
         12.0,
         {0.0, 0.0, 0.0, false, Fault::NotFinite}},
    };
    for (const Example& e : examples) {
        const TransmitterReading r = Read(e);
        EXPECT_EQ(r.fault, e.expected.fault) << e.name;
        EXPECT_EQ(r.outside, e.expected.outside) << e.name;
        EXPECT_NEAR(r.signal, e.expected.signal, 1e-12) << e.name;
        EXPECT_NEAR(r.value, e.expected.value, 1e-12) << e.name;
        EXPECT_NEAR(r.percent, e.expected.percent, 1e-12) << e.name;
    }
}

} // namespace
} // namespace velmaro::instruments
