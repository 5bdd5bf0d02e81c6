#include "panels.h"

#include "convert/quantities.h"
#include "res/texts/texts.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace velmaro::web {
namespace {

// A list with the id "steam-<key>", named by its label, and the label beside
// it; `chosen` is selected.
void List(PageHtml& html, std::string_view key, std::string_view labelTextId,
          std::initializer_list<std::string_view> entries, std::size_t chosen = 0) {
    const std::string_view label = html.Text(labelTextId);
    html << R"(<div class="field list"><select id="steam-)" << key << "\" aria-label=\"";
    html.Escaped(label) << "\">";
    std::size_t i = 0;
    for (const std::string_view entry : entries) {
        html << (i++ == chosen ? "<option selected>" : "<option>");
        html.Escaped(entry) << "</option>";
    }
    html << R"(</select><span class="unit" aria-hidden="true">)";
    html.Escaped(label) << "</span></div>\n";
}

void Input(PageHtml& html, std::string_view key, std::string_view labelTextId) {
    const std::string_view label = html.Text(labelTextId);
    html.Field("steam-" + std::string(key), label, label);
}

// The pressure panel's units, MPa chosen, as labels.
void PressureUnits(PageHtml& html) {
    const Quantity* pressure = FindQuantity("pressure");
    if (pressure == nullptr) {
        html.Problem("no quantity pressure");
        return;
    }
    const std::string_view label = html.Text("steam.label.pressure-unit");
    html << R"(<div class="field list"><select id="steam-unit-pressure" aria-label=")";
    html.Escaped(label) << "\">";
    const std::size_t mpa = pressure->group->indexOf("MPa");
    for (std::size_t unit = 0; unit < pressure->group->size(); ++unit) {
        html << (unit == mpa ? "<option selected>" : "<option>");
        html.Escaped(texts::UnitLabel(*pressure, unit)) << "</option>";
    }
    html << R"(</select><span class="unit" aria-hidden="true">)";
    html.Escaped(label) << "</span></div>\n";
}

// The result rows in the order the core answers them.
constexpr std::array kResultRows = {
    "steam.result.region",         "steam.result.phase",    "steam.result.celsius",
    "steam.result.temperature",    "steam.result.pressure", "steam.result.volume",
    "steam.result.density",        "steam.result.enthalpy", "steam.result.internal-energy",
    "steam.result.entropy",        "steam.result.cp",       "steam.result.cv",
    "steam.result.speed-of-sound", "steam.result.quality",
};

void Results(PageHtml& html) {
    html << "<div class=\"steam-table\"><table id=\"steam-results\">\n<thead><tr><td></td>";
    for (int column = 0; column < 3; ++column) {
        html << "<th scope=\"col\"></th>";
    }
    html << "</tr></thead>\n<tbody>\n";
    for (const std::string_view row : kResultRows) {
        html << "<tr><th scope=\"row\">";
        html.TextOf(row) << "</th><td></td><td></td><td></td></tr>\n";
    }
    html << "</tbody></table></div>\n";
}

} // namespace

// The water and steam window's inputs beside its table of results; the
// core fills the table (web/page/steam.js).
void WriteSteamPanel(PageHtml& html) {
    html.JumpTarget("steam-panel", "steam.panel");
    html << R"(<section class="panel" id="steam-panel" aria-labelledby="steam-title">)"
         << "\n<h2 id=\"steam-title\">";
    html.TextOf("steam.panel") << "</h2>\n<div class=\"steam-inputs\">\n";
    List(html, "mode", "steam.known",
         {html.Text("steam.mode.pressure-temperature"),
          html.Text("steam.mode.saturation-by-pressure"),
          html.Text("steam.mode.saturation-by-temperature"),
          html.Text("steam.mode.pressure-enthalpy"), html.Text("steam.mode.pressure-entropy")});
    Input(html, "pressure", "steam.label.pressure");
    PressureUnits(html);
    List(html, "pressure-kind", "steam.label.pressure-kind",
         {html.Text("steam.absolute"), html.Text("steam.gauge")});
    const std::string_view ambient = html.Text("steam.label.ambient");
    html << R"(<div class="field"><input id="steam-ambient" type="text" inputmode="decimal" )"
         << R"(autocomplete="off" spellcheck="false" value="101.325" aria-label=")";
    html.Escaped(ambient) << R"("><span class="unit" aria-hidden="true">)";
    html.Escaped(ambient) << "</span></div>\n";
    Input(html, "temperature", "steam.label.temperature");
    List(html, "unit-temperature", "steam.label.temperature-unit", {"°C", "K", "°F"});
    Input(html, "enthalpy", "steam.label.enthalpy");
    Input(html, "entropy", "steam.label.entropy");
    Input(html, "quality", "steam.label.quality");
    html << "</div>\n";
    Results(html);
    html << "<p class=\"out-of-range\" id=\"steam-range\" role=\"status\"></p>\n</section>\n";
}

} // namespace velmaro::web
