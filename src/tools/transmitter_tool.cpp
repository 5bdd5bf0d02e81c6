// Transmitter scaling: a signal on its range stands for a value on the
// calibrated range, linearly or by the square root of a differential-pressure
// flow meter. Signal, value and % of span from one another; a signal outside
// its range is computed all the same and flagged.

#include "instruments/signal_ranges.h"
#include "instruments/transmitter.h"
#include "tools/instrument_faults.h"
#include "tools/signal_range_entries.h"
#include "tools/tools.h"

#include <array>
#include <string_view>

namespace velmaro::tools {
namespace {

enum FieldIndexes : std::size_t {
    kLower,
    kUpper,
    kUnit,
    kCutOff,
    kSignal,
    kValue,
    kPercent,
    kSignalLow,
    kSignalHigh,
    kSignalUnit,
    kFieldCount
};

constexpr std::array<Field, kFieldCount> kFields = {{
    {.id = "lrv", .labelTextId = "instrument.tx.lrv", .start = "0", .jsonKey = "lrv"},
    {.id = "urv", .labelTextId = "instrument.tx.urv", .start = "1.6", .jsonKey = "urv"},
    {.id = "unit",
     .labelTextId = "instrument.tx.unit",
     .role = Role::Text,
     .start = "MPa",
     .jsonKey = "unit"},
    {.id = "cut-off",
     .labelTextId = "instrument.tx.cut-off",
     .unit = "%",
     .start = "1",
     .decimals = 2,
     .jsonKey = "cut_off_percent",
     .startIfLeftOut = true,
     .usedWith = "characteristic=sqrt"},
    {.id = "signal",
     .labelTextId = "instrument.tx.signal",
     .role = Role::Either,
     .start = "12",
     .decimals = 3,
     .jsonKey = "signal",
     .group = 1,
     .primary = true,
     .unitFrom = "signal-range"},
    {.id = "value",
     .labelTextId = "instrument.tx.value",
     .role = Role::Either,
     .decimals = 6,
     .jsonKey = "value",
     .group = 1,
     .primary = true,
     .unitFrom = "unit"},
    {.id = "percent",
     .labelTextId = "instrument.tx.percent",
     .role = Role::Either,
     .unit = "%",
     .decimals = 2,
     .jsonKey = "percent",
     .group = 1,
     .primary = true},
    // A signal range of the command line's own: --signal-range LO HI [mA|V].
    {.id = "signal-low", .jsonKey = "signal_low", .faces = kCommandLine},
    {.id = "signal-high", .jsonKey = "signal_high", .faces = kCommandLine},
    {.id = "signal-unit", .role = Role::Text, .faces = kCommandLine},
}};

enum ChoiceIndexes : std::size_t { kSignalRange, kCharacteristic };

constexpr std::array<Entry, 2> kCharacteristics = {{
    {"linear", "instrument.characteristic.linear"},
    {"sqrt", "instrument.characteristic.square-root"},
}};

constexpr std::array<Choice, 2> kChoices = {{
    {.id = "signal-range",
     .labelTextId = "instrument.tx.signal-range",
     .entries = kSignalRangeEntries},
    {.id = "characteristic",
     .labelTextId = "instrument.tx.characteristic",
     .entries = kCharacteristics,
     .entriesAsFlags = true},
}};

constexpr std::array<std::string_view, 3> kRangeFields = {"lrv", "urv", "unit"};
constexpr std::array<std::string_view, 3> kSignalRangeFields = {"signal-low", "signal-high",
                                                                "signal-unit"};
constexpr std::array<OptionGroup, 2> kOptionGroups = {{
    {"range", kRangeFields, 2},
    {"signal-range", kSignalRangeFields, 2, "signal-range"},
}};

Result ComputeTransmitter(const Tool& /*tool*/, const Request& request) {
    instruments::SignalSpan span = instruments::SignalRanges()[request.chosen[kSignalRange]].span;
    if (request.given[kSignalLow] && request.given[kSignalHigh]) {
        span = {request.values[kSignalLow], request.values[kSignalHigh]};
    }
    const instruments::TransmitterSetup setup{
        request.values[kLower], request.values[kUpper], span, request.chosen[kCharacteristic] == 1,
        request.given[kCutOff] ? request.values[kCutOff] : instruments::kDefaultCutOffPercent};
    const instruments::TransmitterReading reading =
        request.given[kSignal]  ? instruments::FromSignal(setup, request.values[kSignal])
        : request.given[kValue] ? instruments::FromValue(setup, request.values[kValue])
                                : instruments::FromPercent(setup, request.values[kPercent]);
    Result result;
    result.fault = FaultOf(reading.fault);
    if (result.fault) {
        return result;
    }
    Column& column = result.columns[0];
    column.values[kSignal] = reading.signal;
    column.values[kValue] = reading.value;
    column.values[kPercent] = reading.percent;
    if (reading.outside) {
        result.Note({"instrument.signal-outside", Severity::OutOfRange});
    }
    return result;
}

constexpr std::array<std::string_view, 9> kOrder = {
    "lrv",     "urv",    "unit",  "signal-range", "characteristic",
    "cut-off", "signal", "value", "percent"};

} // namespace

constexpr Tool kTransmitterTool{
    .id = "transmitter",
    .titleTextId = "instrument.transmitter",
    .fields = kFields,
    .choices = kChoices,
    .compute = ComputeTransmitter,
    .optionGroups = kOptionGroups,
    .order = kOrder,
};

} // namespace velmaro::tools
