// What the page asks of the core. Every text the page shows in a unit field
// comes from here, so the page prints the digits the desktop program prints;
// the page itself does no arithmetic.
//
// Texts go in and out as UTF-8. A returned text lives until the next call.
// The core holds no text of the program's: the page has them, written in
// its own language by the build. The quantities are numbered in the
// catalogue's order, which the build writes beside each quantity's fields
// (data-index).

#include "convert/change_cycle.h"
#include "convert/number_text.h"
#include "convert/quantities.h"
#include "sensors/sensor_panel_rule.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::string g_reply; // the page is single-threaded: one reply at a time

const char* Reply(std::string text) {
    g_reply = std::move(text);
    return g_reply.c_str();
}

// The panel's fields, one a line, and the verdict line that ends every
// sensor reply: "out-of-range", or empty when in range.
std::string PanelReply(const velmaro::sensors::PanelTexts& panel, bool fromCelsius) {
    std::string reply = (fromCelsius ? panel.output : panel.celsius) + "\n";
    reply += panel.fahrenheit + "\n" + panel.kelvin + "\n" + panel.rankine + "\n";
    return reply + (panel.check == velmaro::sensors::RangeCheck::OutOfRange ? "out-of-range" : "");
}

velmaro::sensors::SensorFamily Family(int kind) {
    return kind == static_cast<int>(velmaro::sensors::SensorFamily::Rtd)
               ? velmaro::sensors::SensorFamily::Rtd
               : velmaro::sensors::SensorFamily::Thermocouple;
}

} // namespace

extern "C" {

// One change cycle: `text` typed into unit `unit` of quantity `quantity` (by
// position). Gives one line per unit of the quantity, the typed unit's own line
// empty; nothing for a position outside the catalogue.
const char* velmaro_convert(int quantity, int unit, const char* text) {
    const auto quantities = velmaro::Quantities();
    if (quantity < 0 || static_cast<std::size_t>(quantity) >= quantities.size()) {
        return Reply({});
    }
    const velmaro::FieldGroup& group = *quantities[static_cast<std::size_t>(quantity)].group;
    if (unit < 0 || static_cast<std::size_t>(unit) >= group.size()) {
        return Reply({});
    }
    std::vector<std::string> lines(group.size());
    for (velmaro::UnitText& target :
         velmaro::Convert(group, static_cast<std::size_t>(unit), text)) {
        lines[target.unitIndex] = std::move(target.text);
    }
    std::string reply;
    for (const std::string& line : lines) {
        reply += line;
        reply += '\n';
    }
    return Reply(std::move(reply));
}

// The sensor panel from a temperature typed in °C: lines output, °F, K, R and
// the verdict ("out-of-range" or empty).
const char* velmaro_sensor_from_celsius(int kind, int type, const char* text) {
    return Reply(PanelReply(velmaro::sensors::FromCelsius(Family(kind), static_cast<unsigned>(type),
                                                          velmaro::ParseNumber(text)),
                            true));
}

// The sensor panel from an output typed in mV or Ω: lines °C, °F, K, R and the
// verdict.
const char* velmaro_sensor_from_output(int kind, int type, const char* text) {
    return Reply(PanelReply(velmaro::sensors::FromOutput(Family(kind), static_cast<unsigned>(type),
                                                         velmaro::ParseNumber(text)),
                            false));
}

} // extern "C"
