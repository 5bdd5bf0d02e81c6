// What the page asks of the core. Every text the page shows in a unit field
// comes from here, so the page prints the digits the desktop program prints;
// the page itself does no arithmetic.
//
// Texts go in and out as UTF-8. A returned text lives until the next call.

#include "convert/change_cycle.h"
#include "convert/number_text.h"
#include "convert/quantities.h"
#include "convert/temperature_scales.h"
#include "json_text.h"
#include "res/texts/texts.h"
#include "sensors/rtd.h"
#include "sensors/thermocouple.h"

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

std::string CatalogueJson() {
    using velmaro::web::JsonArray;
    using velmaro::web::JsonString;
    std::string json = "{\"quantities\":[";
    bool first = true;
    for (const velmaro::Quantity& quantity : velmaro::Quantities()) {
        json += first ? "{" : ",{";
        first = false;
        json += "\"id\":" + JsonString(quantity.id);
        json += ",\"caption\":" + JsonString(velmaro::texts::QuantityName(quantity));
        std::vector<std::string_view> labels;
        for (std::size_t i = 0; i < quantity.group->size(); ++i) {
            labels.push_back(velmaro::texts::UnitLabel(quantity, i));
        }
        json += ",\"units\":" + JsonArray(labels, [](std::string_view label) { return label; });
        json += "}";
    }
    json += "],\"thermocouples\":";
    json += JsonArray(velmaro::sensors::ThermocoupleTypes(),
                      [](const velmaro::sensors::ThermocoupleInfo& info) {
                          return std::string_view(info.listText);
                      });
    json += ",\"rtds\":";
    json += JsonArray(velmaro::sensors::RtdTypes(), [](const velmaro::sensors::RtdInfo& info) {
        return std::string_view(info.listText);
    });
    json += "}";
    return json;
}

// The sensor panel's families, as its family buttons number them.
enum SensorKind : int { kThermocouple = 0, kRtd = 1 };

// °F, K and R of `celsius`, each followed by a newline.
std::string ScalesText(double celsius, velmaro::FixedFormat format) {
    const velmaro::OtherScales scales = velmaro::ScalesFromCelsius(celsius);
    return velmaro::FormatFixed(scales.fahrenheit, format) + "\n" +
           velmaro::FormatFixed(scales.kelvin, format) + "\n" +
           velmaro::FormatFixed(scales.rankine, format) + "\n";
}

// The verdict line that ends every sensor reply: empty when in range.
std::string Verdict(const velmaro::sensors::SensorResult& result) {
    return result.check == velmaro::sensors::RangeCheck::OutOfRange ? "out-of-range" : "";
}

// The panel shows 0 for a value the type refuses, like any other result.
double Shown(const velmaro::sensors::SensorResult& result) {
    return result.check == velmaro::sensors::RangeCheck::InRange ? result.value : 0.0;
}

} // namespace

extern "C" {

// The quantities in the catalogue's order with their unit labels in unit
// order, and the sensor type lists, as JSON.
const char* velmaro_catalogue() {
    return Reply(CatalogueJson());
}

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
    const double t = velmaro::ParseNumber(text);
    const auto index = static_cast<unsigned>(type);
    const velmaro::sensors::SensorResult result = kind == kRtd
                                                      ? velmaro::sensors::RtdResistance(index, t)
                                                      : velmaro::sensors::ThermocoupleEmf(index, t);
    return Reply(velmaro::FormatFixed(Shown(result), velmaro::kFormatF) + "\n" +
                 ScalesText(t, velmaro::kFormatF) + Verdict(result));
}

// The sensor panel from an output typed in mV or Ω: lines °C, °F, K, R and the
// verdict.
const char* velmaro_sensor_from_output(int kind, int type, const char* text) {
    const double v = velmaro::ParseNumber(text);
    const auto index = static_cast<unsigned>(type);
    const velmaro::sensors::SensorResult result =
        kind == kRtd ? velmaro::sensors::RtdTemperature(index, v)
                     : velmaro::sensors::ThermocoupleTemperature(index, v);
    const double t = Shown(result);
    return Reply(velmaro::FormatFixed(t, velmaro::kFormat2f) + "\n" +
                 ScalesText(t, velmaro::kFormat5f) + Verdict(result));
}

} // extern "C"
