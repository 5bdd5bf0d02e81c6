// Speed of the sensor conversions: every forward function over its range and
// every inverse, including the inputs that run a solver to its step cap.

#include "sensors/rtd.h"
#include "sensors/thermocouple.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace velmaro::sensors;

constexpr int kSweepPoints = 1024;

std::vector<double> Sweep(ClosedRange range) {
    std::vector<double> values;
    for (int i = 0; i < kSweepPoints; ++i) {
        values.push_back(range.low + (range.high - range.low) * i / (kSweepPoints - 1));
    }
    return values;
}

// One conversion per iteration, cycling through the whole range.
template <typename Convert>
void RunSweep(benchmark::State& state, Convert convert, unsigned type, ClosedRange range) {
    const std::vector<double> values = Sweep(range);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(convert(type, values[i]));
        i = (i + 1) % values.size();
    }
}

void BM_ThermocoupleEmf(benchmark::State& state) {
    const auto type = static_cast<ThermocoupleType>(state.range(0));
    state.SetLabel(std::string(1, ThermocoupleTypeInfo(type).letter));
    RunSweep(state, ThermocoupleEmf, type, ThermocoupleTypeInfo(type).celsius);
}
BENCHMARK(BM_ThermocoupleEmf)->DenseRange(0, kThermocoupleTypeCount - 1);

void BM_ThermocoupleTemperature(benchmark::State& state) {
    const auto type = static_cast<ThermocoupleType>(state.range(0));
    state.SetLabel(std::string(1, ThermocoupleTypeInfo(type).letter));
    RunSweep(state, ThermocoupleTemperature, type, ThermocoupleTypeInfo(type).emf);
}
BENCHMARK(BM_ThermocoupleTemperature)->DenseRange(0, kThermocoupleTypeCount - 1);

void BM_RtdResistance(benchmark::State& state) {
    const auto type = static_cast<RtdType>(state.range(0));
    state.SetLabel(RtdTypeInfo(type).name);
    RunSweep(state, RtdResistance, type, RtdTypeInfo(type).celsius);
}
BENCHMARK(BM_RtdResistance)->DenseRange(0, kRtdTypeCount - 1);

void BM_RtdTemperature(benchmark::State& state) {
    const auto type = static_cast<RtdType>(state.range(0));
    state.SetLabel(RtdTypeInfo(type).name);
    RunSweep(state, RtdTemperature, type, RtdTypeInfo(type).ohms);
}
BENCHMARK(BM_RtdTemperature)->DenseRange(0, kRtdTypeCount - 1);

// Single inputs that cost the most: solvers that never meet their tolerance.
void BM_ThermocoupleTemperatureAt(benchmark::State& state, ThermocoupleType type, double emf) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ThermocoupleTemperature(type, emf));
    }
}
BENCHMARK_CAPTURE(BM_ThermocoupleTemperatureAt, J_threshold_cap500, TC_J, 42.919);
BENCHMARK_CAPTURE(BM_ThermocoupleTemperatureAt, T_bottom_cap500, TC_T, -6.258);
BENCHMARK_CAPTURE(BM_ThermocoupleTemperatureAt, T_top_cap500, TC_T, 20.872);
BENCHMARK_CAPTURE(BM_ThermocoupleTemperatureAt, R_window_1064, TC_R, 11.362);
BENCHMARK_CAPTURE(BM_ThermocoupleTemperatureAt, R_window_1664, TC_R, 19.735);
BENCHMARK_CAPTURE(BM_ThermocoupleTemperatureAt, B_window_630, TC_B, 1.977);
BENCHMARK_CAPTURE(BM_ThermocoupleTemperatureAt, B_bottom, TC_B, 0.033);
BENCHMARK_CAPTURE(BM_ThermocoupleTemperatureAt, E_top_cap50, TC_E, 76.373);
BENCHMARK_CAPTURE(BM_ThermocoupleTemperatureAt, S_zero, TC_S, 0.0);

void BM_RtdTemperatureAt(benchmark::State& state, RtdType type, double ohms) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(RtdTemperature(type, ohms));
    }
}
BENCHMARK_CAPTURE(BM_RtdTemperatureAt, Cu100_cap501, RTD_CU100, 121.40);
BENCHMARK_CAPTURE(BM_RtdTemperatureAt, Pt100_bottom, RTD_PT100, 18.52);
BENCHMARK_CAPTURE(BM_RtdTemperatureAt, Pt10_below_r0, RTD_PT10, 9.608588);

} // namespace
