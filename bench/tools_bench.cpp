// Speed of each tool on its worked example, three ways: the core's own call
// as the faces made it before the tools became one model (their reading of
// the texts, their unit factors, the call, their formatting); the tool's
// compute function on a request read beforehand; and the whole rule every
// face now runs, texts in and texts out (tools::Evaluate).

#include "convert/number_text.h"
#include "convert/quantities.h"
#include "convert/unit_symbols.h"
#include "instruments/cold_junction.h"
#include "instruments/gas_flow_sheet.h"
#include "instruments/transmitter.h"
#include "steam/property_list.h"
#include "steam/water_steam.h"
#include "tools/evaluate.h"
#include "tools/tools.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace velmaro;

double Worst(const std::vector<double>& values) {
    return *std::max_element(values.begin(), values.end());
}

// The factor the windows took from their tables, looked up by symbol as
// they did.
double FactorTo(std::string_view quantityId, std::string_view from, std::string_view to) {
    const Quantity& quantity = *FindQuantity(quantityId);
    const std::size_t source = UnitsNamed(quantity, from).front().index;
    const std::size_t target = UnitsNamed(quantity, to).front().index;
    return source == target ? 1.0 : quantity.group->factor(source, target);
}

void BM_BeforeSteam(benchmark::State& state) {
    for (auto _ : state) {
        const double p = ParseNumber("1") * FactorTo("pressure", "MPa", "MPa");
        const double t = ParseNumber("300") + 273.15;
        const auto result = steam::AtPressureTemperature(p, t);
        std::string texts;
        for (const steam::PropertyFormat& format : steam::kPropertyFormats) {
            if (const auto value = steam::ValueOf(*result, format.property)) {
                texts += FormatFixed(*value, {0, format.decimals});
            }
        }
        benchmark::DoNotOptimize(texts);
    }
}

void BM_BeforeColdJunction(benchmark::State& state) {
    for (auto _ : state) {
        const auto result = instruments::MeterEmf(3, ParseNumber("400"), ParseNumber("25"));
        benchmark::DoNotOptimize(FormatFixed(result.value, kFormatF));
    }
}

void BM_BeforeTransmitter(benchmark::State& state) {
    for (auto _ : state) {
        const instruments::TransmitterSetup setup{
            ParseNumber("0"), ParseNumber("1.6"), {4.0, 20.0}, false, ParseNumber("1")};
        const auto reading = instruments::FromSignal(setup, ParseNumber("12"));
        benchmark::DoNotOptimize(FormatFixed(reading.value, kFormatF) +
                                 FormatFixed(reading.percent, kFormat2f));
    }
}

void BM_BeforeGasFlow(benchmark::State& state) {
    for (auto _ : state) {
        const double pascals = ParseNumber("0.6") * FactorTo("pressure", "MPa", "Pa");
        const auto sheet = instruments::WorkGasFlow({
            {instruments::AbsolutePressure(pascals, true), ParseNumber("40") + 273.15,
             ParseNumber("1")},
            ParseNumber("1"),
            instruments::Reference::Standard20,
            instruments::FlowAt::Line,
            ParseNumber("1200"),
            FactorTo("volume-flow", "m3/h", "m3/h"),
            false,
            ParseNumber("1.293"),
            0.0,
            true,
        });
        benchmark::DoNotOptimize(FormatFixed(sheet.flows[1], kFormatF) +
                                 FormatFixed(sheet.flows[2], kFormatF) +
                                 FormatFixed(sheet.massPerHour, kFormatF));
    }
}

BENCHMARK(BM_BeforeSteam)->ComputeStatistics("worst", Worst);
BENCHMARK(BM_BeforeColdJunction)->ComputeStatistics("worst", Worst);
BENCHMARK(BM_BeforeTransmitter)->ComputeStatistics("worst", Worst);
BENCHMARK(BM_BeforeGasFlow)->ComputeStatistics("worst", Worst);

// The index of the last tool: every tool is measured. The catalogue is a
// constant-initialised array, ready before the benchmarks register.
int LastTool() {
    return static_cast<int>(tools::AllTools().size()) - 1;
}

// The tool's compute function alone, on its worked example read beforehand.
void BM_Compute(benchmark::State& state) {
    const tools::Tool& tool = *tools::AllTools()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(tool.id));
    const tools::FaceState face = tools::StartState(tool, tools::kWindow);
    const tools::Request request = tools::Read(tool, face, tools::NumberRule::Lenient).request;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tool.compute(tool, request));
    }
}
BENCHMARK(BM_Compute)->DenseRange(0, LastTool())->ComputeStatistics("worst", Worst);

// Texts in, texts out: what a window or the page runs on a keystroke.
void BM_Evaluate(benchmark::State& state) {
    const tools::Tool& tool = *tools::AllTools()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(tool.id));
    const tools::FaceState face = tools::StartState(tool, tools::kWindow);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tools::Evaluate(tool, face));
    }
}
BENCHMARK(BM_Evaluate)->DenseRange(0, LastTool())->ComputeStatistics("worst", Worst);

} // namespace
