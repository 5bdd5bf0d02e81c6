// Speed of the flowmeter sums on worked cases of the standard: the flow from
// Δp, Δp from the flow and the bore from both, for an orifice plate in water
// and in natural gas, a nozzle in steam and a Venturi tube in air; and the
// flow from p and T, the fluid's state included (water by IF97, with a
// stand-in for its viscosity, and a gas from its molar mass).

#include "flow/meter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

using namespace velmaro::flow;

// The slowest repetition, reported beside the median.
double Worst(const std::vector<double>& values) {
    return *std::max_element(values.begin(), values.end());
}

struct Case {
    const char* label;
    Meter meter;
    FluidState fluid;
    double differential; // Pa
};

const Case kCases[] = {
    {"orifice, water",
     {{MeterKind::Orifice, Taps::Corner}, 0.1, 0.05},
     {500000.0, 998.2, 0.0010016, 0.0, true, std::nullopt},
     25000.0},
    {"orifice, natural gas",
     {{MeterKind::Orifice, Taps::Corner}, 0.2, 0.1},
     {5000000.0, 40.0, 1.2e-05, 1.3, false, std::nullopt},
     50000.0},
    {"ISA 1932 nozzle, steam",
     {{MeterKind::Isa1932Nozzle}, 0.2, 0.14},
     {4000000.0, 15.99, 1.98e-05, 1.3, false, std::nullopt},
     80000.0},
    {"Venturi tube, air",
     {{MeterKind::VenturiTube, Taps::Corner, Convergent::Machined}, 0.2, 0.09},
     {300000.0, 3.56512, 1.81e-05, 1.4, false, std::nullopt},
     10000.0},
};

void BM_FlowFromDifferential(benchmark::State& state) {
    const Case& c = kCases[state.range(0)];
    state.SetLabel(c.label);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FlowFromDifferential(c.meter, c.fluid, c.differential));
    }
}
BENCHMARK(BM_FlowFromDifferential)->DenseRange(0, 3)->ComputeStatistics("worst", Worst);

void BM_DifferentialFromFlow(benchmark::State& state) {
    const Case& c = kCases[state.range(0)];
    state.SetLabel(c.label);
    const double massFlow = FlowFromDifferential(c.meter, c.fluid, c.differential).massFlow;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DifferentialFromFlow(c.meter, c.fluid, massFlow));
    }
}
BENCHMARK(BM_DifferentialFromFlow)->DenseRange(0, 3)->ComputeStatistics("worst", Worst);

void BM_SizeBore(benchmark::State& state) {
    const Case& c = kCases[state.range(0)];
    state.SetLabel(c.label);
    const double massFlow = FlowFromDifferential(c.meter, c.fluid, c.differential).massFlow;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SizeBore(c.meter, c.fluid, massFlow, c.differential));
    }
}
BENCHMARK(BM_SizeBore)->DenseRange(0, 3)->ComputeStatistics("worst", Worst);

void BM_WaterFromPressureTemperature(benchmark::State& state) {
    const Case& c = kCases[0];
    for (auto _ : state) {
        const FluidResult water = WaterSteam(500000.0, 293.15);
        benchmark::DoNotOptimize(FlowFromDifferential(c.meter, water.state, c.differential));
    }
}
BENCHMARK(BM_WaterFromPressureTemperature)->ComputeStatistics("worst", Worst);

void BM_GasFromPressureTemperature(benchmark::State& state) {
    const Case& c = kCases[1];
    const GasInput gas{5000000.0, 288.15, 0.9, 1.3, 1.2e-05, true, 0.0, 17.4, 0.998};
    for (auto _ : state) {
        const FluidResult natural = Gas(gas);
        benchmark::DoNotOptimize(FlowFromDifferential(c.meter, natural.state, c.differential));
    }
}
BENCHMARK(BM_GasFromPressureTemperature)->ComputeStatistics("worst", Worst);

} // namespace
