// Speed of the water and steam properties, on the states of the timing
// comparison in the README: one state per region for (p,T), (p,h) and (p,s),
// the transport properties and superheat on top of a state, and a
// saturated-steam table of 100 rows.

#include "steam/superheat.h"
#include "steam/transport.h"
#include "steam/water_steam.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

using namespace velmaro::steam;

// The slowest repetition, reported beside the median.
double Worst(const std::vector<double>& values) {
    return *std::max_element(values.begin(), values.end());
}

struct Input {
    const char* label;
    double p; // MPa
    double T; // K
};

constexpr Input kStates[] = {
    {"region 1", 3.0, 300.0},       {"region 2", 0.0035, 700.0}, {"region 3", 25.0, 650.0},
    {"near critical", 22.1, 647.2}, {"region 5", 30.0, 1500.0},
};

void BM_PressureTemperature(benchmark::State& state) {
    const Input& in = kStates[state.range(0)];
    state.SetLabel(in.label);
    for (auto _ : state) {
        benchmark::DoNotOptimize(AtPressureTemperature(in.p, in.T));
    }
}
BENCHMARK(BM_PressureTemperature)->DenseRange(0, 4)->ComputeStatistics("worst", Worst);

void BM_PressureEnthalpy(benchmark::State& state) {
    const Input& in = kStates[state.range(0)];
    state.SetLabel(in.label);
    const double h = AtPressureTemperature(in.p, in.T)->enthalpy;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AtPressureEnthalpy(in.p, h));
    }
}
BENCHMARK(BM_PressureEnthalpy)->DenseRange(0, 4)->ComputeStatistics("worst", Worst);

void BM_PressureEntropy(benchmark::State& state) {
    const Input& in = kStates[state.range(0)];
    state.SetLabel(in.label);
    const double s = AtPressureTemperature(in.p, in.T)->entropy;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AtPressureEntropy(in.p, s));
    }
}
BENCHMARK(BM_PressureEntropy)->DenseRange(0, 4)->ComputeStatistics("worst", Worst);

// What the transport properties and the superheat add to a state already
// computed. Region 5 at 1150 K: above 1173.15 K there are none to compute.
void BM_Transport(benchmark::State& state) {
    Input in = kStates[state.range(0)];
    if (in.T > 1173.15) {
        in.T = 1150.0;
    }
    state.SetLabel(in.label);
    const auto steam = AtPressureTemperature(in.p, in.T).value();
    for (auto _ : state) {
        benchmark::DoNotOptimize(TransportOf(steam));
        benchmark::DoNotOptimize(SuperheatOf(steam));
    }
}
BENCHMARK(BM_Transport)->DenseRange(0, 4)->ComputeStatistics("worst", Worst);

// 100 rows from 0.01 °C to 373.9 °C: both saturated states of each.
void BM_SaturationTable(benchmark::State& state) {
    for (auto _ : state) {
        for (int row = 0; row < 100; ++row) {
            benchmark::DoNotOptimize(SaturationAtTemperature(273.16 + 3.739 * row));
        }
    }
}
BENCHMARK(BM_SaturationTable)->Unit(benchmark::kMicrosecond)->ComputeStatistics("worst", Worst);

} // namespace
