// The page's instrument panel: the three tools of the instrument window, one
// exported function each. A call takes the panel's fields as lines of one
// text and answers with the computed fields' lines and a verdict line (empty,
// or what the window says under the tool), so the page itself does no
// arithmetic. The panel's words are the window's, by the same text ids.

#include "convert/number_text.h"
#include "convert/quantities.h"
#include "convert/unit_symbols.h"
#include "instruments/cold_junction.h"
#include "instruments/gas_flow_sheet.h"
#include "instruments/transmitter.h"
#include "res/texts/texts.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::string g_instrumentReply;

const char* Reply(std::string text) {
    g_instrumentReply = std::move(text);
    return g_instrumentReply.c_str();
}

// The lines of `text`; missing lines read as empty.
class Lines {
public:
    explicit Lines(std::string_view text) {
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            lines_.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    }
    std::string_view Text(std::size_t i) const { return i < lines_.size() ? lines_[i] : ""; }
    double Number(std::size_t i) const { return velmaro::ParseNumber(Text(i)); }
    unsigned Index(std::size_t i) const {
        const double n = Number(i);
        return n >= 0.0 && n < 1000.0 ? static_cast<unsigned>(n) : 0U;
    }

private:
    std::vector<std::string_view> lines_;
};

// What the window says under a tool for `fault`: "" for none.
std::string FaultMessage(velmaro::instruments::Fault fault) {
    return std::string(velmaro::texts::Lookup(velmaro::instruments::FaultTextId(fault)));
}

std::string Fixed(double value, velmaro::FixedFormat format) {
    return velmaro::FormatFixed(value, format);
}

// The factor from unit `index` of a quantity to its unit `base`.
double FactorTo(std::string_view quantityId, unsigned index, std::string_view base) {
    const velmaro::Quantity& quantity = *velmaro::FindQuantity(quantityId);
    const std::size_t target = velmaro::UnitsNamed(quantity, base).front().index;
    if (index >= quantity.group->size() || index == target) {
        return 1.0;
    }
    return quantity.group->factor(index, target);
}

} // namespace

extern "C" {

// Lines in: type, "emf" or "hot" (the field typed last), the meter's EMF in
// mV, the hot end in °C, the cold junction in °C. Lines out: the EMF, the hot
// end, the verdict; the field typed last comes back as typed.
const char* velmaro_cold_junction(const char* text) {
    namespace in = velmaro::instruments;
    const Lines lines(text);
    const bool fromEmf = lines.Text(1) == "emf";
    const in::JunctionResult r =
        fromEmf ? in::HotJunctionTemperature(lines.Index(0), lines.Number(2), lines.Number(4))
                : in::MeterEmf(lines.Index(0), lines.Number(3), lines.Number(4));
    const std::string result =
        r.fault == in::Fault::None
            ? Fixed(r.value, fromEmf ? velmaro::kFormat2f : velmaro::kFormatF)
            : std::string();
    const std::string emf = fromEmf ? std::string(lines.Text(2)) : result;
    const std::string hot = fromEmf ? result : std::string(lines.Text(3));
    return Reply(emf + "\n" + hot + "\n" + FaultMessage(r.fault));
}

// Lines in: LRV, URV, signal range (list position), square root (1 or 0),
// cut-off %, "signal", "value" or "percent" (the field typed last), its text.
// Lines out: signal, value, %, verdict.
const char* velmaro_transmitter(const char* text) {
    namespace in = velmaro::instruments;
    const Lines lines(text);
    const auto ranges = in::SignalRanges();
    const unsigned range = lines.Index(2) < ranges.size() ? lines.Index(2) : 0U;
    const in::TransmitterSetup setup{lines.Number(0), lines.Number(1), ranges[range].span,
                                     lines.Text(3) == "1", lines.Number(4)};
    const std::string_view given = lines.Text(5);
    const double x = lines.Number(6);
    const in::TransmitterReading r = given == "value"     ? in::FromValue(setup, x)
                                     : given == "percent" ? in::FromPercent(setup, x)
                                                          : in::FromSignal(setup, x);
    if (r.fault != in::Fault::None) {
        return Reply("\n\n\n" + FaultMessage(r.fault));
    }
    return Reply(Fixed(r.signal, velmaro::FixedFormat{0, 3}) + "\n" +
                 Fixed(r.value, velmaro::kFormatF) + "\n" + Fixed(r.percent, velmaro::kFormat2f) +
                 "\n" +
                 (r.outside ? std::string(velmaro::texts::Lookup("instrument.signal-outside"))
                            : std::string()));
}

// Lines in: flow unit and pressure unit (positions in their quantities),
// pressure, 1 for gauge, line temperature °C, Z, Z_ref, 0 for standard at
// 20 °C or 1 for 15 °C, "line", "normal" or "standard" (the flow typed last),
// its text, normal density, molar mass, 1 when the density comes from the
// molar mass. Lines out: line, normal and standard flow, density, mass flow
// in kg/h, verdict.
const char* velmaro_gas_flow(const char* text) {
    namespace in = velmaro::instruments;
    const Lines lines(text);
    const std::string_view given = lines.Text(8);
    const in::FlowAt at = given == "normal"     ? in::FlowAt::Normal
                          : given == "standard" ? in::FlowAt::Standard
                                                : in::FlowAt::Line;
    const bool fromMolarMass = lines.Text(12) == "1";
    const in::GasFlowSheet sheet = in::WorkGasFlow({
        in::GasState{
            in::AbsolutePressure(lines.Number(2) * FactorTo("pressure", lines.Index(1), "Pa"),
                                 lines.Text(3) == "1"),
            lines.Number(4) + in::kZeroCelsiusKelvin, lines.Number(5)},
        lines.Number(6),
        lines.Text(7) == "1" ? in::Reference::Standard15 : in::Reference::Standard20,
        at,
        lines.Number(9),
        FactorTo("volume-flow", lines.Index(0), "m3/h"),
        fromMolarMass,
        lines.Number(10),
        lines.Number(11),
    });
    const bool flowsOk = sheet.flowFault == in::Fault::None;
    const bool massOk = flowsOk && sheet.massFault == in::Fault::None;
    std::string reply;
    for (unsigned i = 0; i < 3; ++i) {
        reply += i == static_cast<unsigned>(at) ? std::string(lines.Text(9))
                 : flowsOk                      ? Fixed(sheet.flows[i], velmaro::kFormatF)
                                                : std::string();
        reply += '\n';
    }
    reply += !fromMolarMass ? std::string(lines.Text(10))
             : massOk       ? Fixed(sheet.normalDensity, velmaro::kFormatF)
                            : std::string();
    reply += '\n';
    reply += massOk ? Fixed(sheet.massPerHour, velmaro::kFormatF) : std::string();
    reply += '\n';
    reply += FaultMessage(flowsOk ? sheet.massFault : sheet.flowFault);
    return Reply(std::move(reply));
}

} // extern "C"
