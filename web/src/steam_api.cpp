// What the page's water and steam panel asks of the core: the same inputs as
// the window, read and computed as the window reads and computes them, and
// every result, heading, phase and verdict as the text the window shows.
//
// Texts go in and out as UTF-8. A returned text lives until the next call.

#include "convert/absolute_state.h"
#include "convert/number_text.h"
#include "res/texts/texts.h"
#include "steam/property_list.h"
#include "steam/water_steam.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

using velmaro::steam::Property;
using velmaro::steam::PropertyFormat;
using velmaro::steam::State;

std::string g_steamReply; // the page is single-threaded: one reply at a time

const char* Reply(std::string text) {
    g_steamReply = std::move(text);
    return g_steamReply.c_str();
}

// The input choices, in the order of the panel's list.
enum Mode : int {
    kPressureTemperature,
    kSaturationByPressure,
    kSaturationByTemperature,
    kPressureEnthalpy,
    kPressureEntropy
};

// The request's lines, in this order.
enum Line : std::size_t {
    kMode,
    kPressure,
    kPressureUnit,
    kGauge,
    kAmbient,
    kTemperature,
    kScale,
    kEnthalpy,
    kEntropy,
    kQuality,
    kLineCount
};

std::array<std::string_view, kLineCount> SplitLines(std::string_view text) {
    std::array<std::string_view, kLineCount> lines{};
    for (std::string_view& line : lines) {
        const std::size_t end = text.find('\n');
        line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return lines;
}

// A list position as the page sends it; anything else is the first entry.
std::size_t Index(std::string_view text) {
    const double value = velmaro::ParseNumber(text);
    return value >= 1.0 && value < 100.0 ? static_cast<std::size_t>(value) : 0;
}

std::string Fixed(double value, int decimals) {
    return velmaro::FormatFixed(velmaro::steam::WithoutNegativeZero(value, decimals),
                                {0, decimals});
}

constexpr double kCelsiusOffset = 273.15;

// The phases' texts, in the order of steam::Phase.
constexpr std::array<std::string_view, 6> kPhaseTextIds = {
    "steam.phase.compressed-liquid", "steam.phase.saturated-liquid",   "steam.phase.wet-steam",
    "steam.phase.saturated-vapour",  "steam.phase.superheated-vapour", "steam.phase.supercritical",
};

// One state on one line, tab separated: the region, the phase, the
// temperature in °C, then every property in the property list's order, "—"
// where the state has none.
std::string StateLine(const State& state) {
    using velmaro::texts::Lookup;
    std::string line = std::to_string(state.region) + "\t";
    line += Lookup(kPhaseTextIds.at(static_cast<std::size_t>(state.phase)));
    line += '\t';
    const PropertyFormat& kelvins = velmaro::steam::kPropertyFormats[0];
    line += Fixed(state.temperature - kCelsiusOffset, kelvins.decimals);
    for (const PropertyFormat& format : velmaro::steam::kPropertyFormats) {
        line += '\t';
        const auto value = velmaro::steam::ValueOf(state, format.property);
        line += value ? Fixed(*value, format.decimals) : std::string(Lookup("steam.not-defined"));
    }
    return line;
}

std::string Answer(std::string_view request) {
    const auto lines = SplitLines(request);
    const auto number = [&lines](Line line) { return velmaro::ParseNumber(lines.at(line)); };
    const double pressure =
        velmaro::AbsoluteMegapascals(number(kPressure), Index(lines[kPressureUnit]),
                                     Index(lines[kGauge]) == 1, number(kAmbient));
    const auto scale = Index(lines[kScale]);
    const double temperature = velmaro::Kelvins(
        number(kTemperature), static_cast<velmaro::TemperatureScale>(scale < 3 ? scale : 0));

    std::array<std::optional<State>, 3> states{};
    std::size_t columns = 1;
    const auto mode = Index(lines[kMode]);
    if (mode == kSaturationByPressure || mode == kSaturationByTemperature) {
        columns = 3;
        const auto pair = mode == kSaturationByPressure
                              ? velmaro::steam::SaturationAtPressure(pressure)
                              : velmaro::steam::SaturationAtTemperature(temperature);
        if (pair) {
            states[0] = pair->liquid;
            states[1] = pair->vapour;
            states[2] = velmaro::steam::WetSteam(*pair, number(kQuality));
        }
    } else if (mode == kPressureEnthalpy) {
        states[0] = velmaro::steam::AtPressureEnthalpy(pressure, number(kEnthalpy));
    } else if (mode == kPressureEntropy) {
        states[0] = velmaro::steam::AtPressureEntropy(pressure, number(kEntropy));
    } else {
        states[0] = velmaro::steam::AtPressureTemperature(pressure, temperature);
    }
    using velmaro::texts::Lookup;
    const std::string_view outOfRange = Lookup("steam.out-of-range");
    std::string reply(!states[0] || (columns == 3 && !states[2]) ? outOfRange : "");
    reply += '\n';
    constexpr std::array<std::string_view, 3> kSaturationHeadings = {
        "steam.heading.saturated-liquid", "steam.heading.saturated-vapour",
        "steam.heading.wet-steam"};
    for (std::size_t column = 0; column < columns; ++column) {
        reply += Lookup(columns == 3 ? kSaturationHeadings.at(column) : "steam.heading.state");
        reply += '\t';
        reply += states.at(column) ? StateLine(*states.at(column)) : std::string(outOfRange);
        reply += '\n';
    }
    return reply;
}

} // namespace

extern "C" {

// One state of water and steam. `request` holds ten lines: the input choice
// (0 p and T, 1 saturation by p, 2 saturation by T, 3 p and h, 4 p and s),
// the pressure, its unit's position, 1 for gauge, the ambient pressure in
// kPa, the temperature, its scale (0 °C, 1 K, 2 °F), h in kJ/kg, s in
// kJ/(kg K) and the quality. The reply: the verdict (the out-of-range text or
// empty), then one line per column (one state, or the saturated liquid, the
// saturated vapour and the wet state): its heading, a tab, and the state or
// the out-of-range text.
const char* velmaro_steam(const char* request) {
    return Reply(Answer(request));
}

} // extern "C"
