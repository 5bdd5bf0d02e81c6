#include "cli/cli_error.h"
#include "cli/instrument_commands.h"
#include "cli/json_text.h"
#include "cli/sensor_catalog.h"
#include "convert/number_text.h"
#include "instruments/transmitter.h"

#include <string>

namespace velmaro::cli {
namespace {

// The signal to a thousandth of a mA or V, the value with six decimals as the
// pressure fields show it, the percentage with two.
constexpr FixedFormat kSignalFormat{0, 3};
constexpr FixedFormat kValueFormat = kFormat6f;
constexpr FixedFormat kPercentFormat = kFormat2f;

struct SignalChoice {
    instruments::SignalSpan span;
    std::string_view unit;
};

// 4-20 mA unless --signal-range says otherwise; without a unit the named
// range with the same ends lends its own, and mA stands for the rest.
SignalChoice ChosenSignal(const InstrumentRequest& request) {
    const instruments::SignalRangeInfo& standard = instruments::SignalRanges().front();
    if (!request.signalLow) {
        return {standard.span, standard.unit};
    }
    const instruments::SignalSpan span{ParseNumber(*request.signalLow),
                                       ParseNumber(request.signalHigh)};
    if (!request.signalUnit.empty()) {
        if (request.signalUnit != "mA" && request.signalUnit != "V") {
            throw UsageError("the signal unit is mA or V, not '" + std::string(request.signalUnit) +
                             "'");
        }
        return {span, request.signalUnit};
    }
    for (const instruments::SignalRangeInfo& range : instruments::SignalRanges()) {
        if (range.span.low == span.low && range.span.high == span.high) {
            return {span, range.unit};
        }
    }
    return {span, "mA"};
}

} // namespace

void RunTransmitter(const InstrumentRequest& request, OutputBuffer& out) {
    const SignalChoice signal = ChosenSignal(request);
    const instruments::TransmitterSetup setup{
        ParseNumber(request.lowerRange), ParseNumber(request.upperRange), signal.span,
        request.squareRoot,
        request.cutOff ? ParseNumber(*request.cutOff) : instruments::kDefaultCutOffPercent};
    const instruments::TransmitterReading reading =
        request.signal  ? instruments::FromSignal(setup, ParseNumber(*request.signal))
        : request.value ? instruments::FromValue(setup, ParseNumber(*request.value))
                        : instruments::FromPercent(setup, ParseNumber(*request.percent));
    ThrowOnFault(reading.fault, "");

    const std::string signalText = FormatFixed(reading.signal, kSignalFormat);
    const std::string valueText = FormatFixed(reading.value, kValueFormat);
    const std::string percentText = FormatFixed(reading.percent, kPercentFormat);
    if (request.json) {
        out << R"({"signal":)" << JsonString(signalText) << R"(,"signal_unit":)"
            << JsonString(signal.unit) << R"(,"value":)" << JsonString(valueText) << R"(,"unit":)"
            << JsonString(request.rangeUnit) << R"(,"percent":)" << JsonString(percentText)
            << R"(,"square_root":)" << (request.squareRoot ? "true" : "false")
            << R"(,"outside_signal_range":)" << (reading.outside ? "true" : "false") << "}\n";
    } else {
        out << signalText << ' ' << signal.unit << '\n';
        out << valueText << (request.rangeUnit.empty() ? "" : " ") << request.rangeUnit << '\n';
        out << percentText << " %\n";
    }
    if (reading.outside) {
        throw CliError(kExitOutOfRange,
                       "the signal " + ShortestText(reading.signal) + " " +
                           std::string(signal.unit) + " is outside the signal range " +
                           RangeText({signal.span.low, signal.span.high}, signal.unit));
    }
}

} // namespace velmaro::cli
