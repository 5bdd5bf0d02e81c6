#include "panels.h"

#include "convert/quantities.h"
#include "sensors/sensor_panel_rule.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velmaro::web {
namespace {

// A panel of the main window: a titled section that a phone can jump to.
void OpenPanel(PageHtml& html, std::string_view name, std::string_view titleTextId) {
    const std::string id = std::string(name) + "-panel";
    html.JumpTarget(id, titleTextId);
    html << R"(<section class="panel" id=")" << id << "\" aria-labelledby=\"" << name
         << "-title\">\n<h2 id=\"" << name << "-title\">";
    html.TextOf(titleTextId) << "</h2>\n";
}

// The sensor panel's family buttons, in the core's order of the families
// (their values are the families' numbers), with the button's text.
struct FamilyButton {
    sensors::SensorFamily family;
    std::string_view inputId;
    std::string_view textId;
};

constexpr FamilyButton kFamilyButtons[] = {
    {sensors::SensorFamily::Thermocouple, "sensor-thermocouple", "sensor.thermocouple"},
    {sensors::SensorFamily::Rtd, "sensor-rtd", "sensor.rtd"},
};

void TypeOptions(PageHtml& html, sensors::SensorFamily family) {
    for (unsigned type = 0; type < sensors::TypeCount(family); ++type) {
        html << "<option>";
        html.TextOf(sensors::TypeTextId(family, type)) << "</option>";
    }
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    return text;
}

// The sensor panel: a temperature in °C into the output of the chosen type
// and back. Its °C, °F, K and R fields carry the temperature panel's labels
// but names of their own, so that a screen reader tells the two apart; the
// output field is named by what it holds, with its unit.
void WriteSensorPanel(PageHtml& html) {
    html.JumpTarget("sensor-panel", "sensor.panel");
    html << "<fieldset class=\"sensor\" id=\"sensor-panel\">\n<legend id=\"sensor-title\">";
    html.TextOf("sensor.panel") << "</legend>\n";
    html << R"(<div class="family" role="radiogroup" aria-label=")";
    html.TextOf("page.sensor-family") << "\">\n";
    for (const FamilyButton& button : kFamilyButtons) {
        const sensors::PanelFamily& family = sensors::FamilyOf(button.family);
        html << R"(<label><input type="radio" name="sensor-kind" value=")"
             << std::to_string(static_cast<unsigned>(button.family)) << "\" id=\"" << button.inputId
             << "\"" << (button.family == kFamilyButtons[0].family ? " checked" : "")
             << " data-caption=\"";
        html.TextOf(family.captionTextId) << "\" data-unit=\"";
        html.TextOf(family.unitTextId) << "\"><span>";
        html.TextOf(button.textId) << "</span></label>\n";
    }
    html << "</div>\n<select id=\"sensor-type\" aria-label=\"";
    html.TextOf("page.sensor-type") << "\">";
    TypeOptions(html, kFamilyButtons[0].family);
    html << "</select>\n";
    for (const FamilyButton& button : kFamilyButtons) {
        html << "<template id=\"sensor-types-"
             << std::to_string(static_cast<unsigned>(button.family)) << "\">";
        TypeOptions(html, button.family);
        html << "</template>\n";
    }

    const Quantity* temperature = FindQuantity("temperature");
    constexpr std::string_view kScaleIds[] = {"sensor-celsius", "sensor-fahrenheit",
                                              "sensor-kelvin", "sensor-rankine"};
    const std::string panelName(html.Text("sensor.panel"));
    for (std::size_t scale = 0; scale < std::size(kScaleIds); ++scale) {
        const std::string_view label =
            temperature != nullptr ? html.Text(UnitTextId(*temperature, scale)) : "";
        html << "<div class=\"sensor-row\">\n<span class=\"caption\">";
        if (scale == 0) {
            html.TextOf("sensor.temperature");
        }
        html << "</span>\n";
        html.Field(kScaleIds[scale], panelName + " " + std::string(Trimmed(label)), label,
                   scale != 0);
        html << "</div>\n";
    }
    const sensors::PanelFamily& first = sensors::FamilyOf(kFamilyButtons[0].family);
    html << "<div class=\"sensor-row\">\n<span class=\"caption\" id=\"sensor-output-caption\">";
    html.TextOf("sensor.voltage") << "</span>\n";
    html.Field("sensor-output",
               std::string(html.Text(first.captionTextId)) +
                   std::string(html.Text(first.unitTextId)),
               html.Text(first.unitTextId));
    html << "</div>\n<p class=\"out-of-range\" id=\"sensor-range\" role=\"status\" data-text=\"";
    html.TextOf(sensors::kOutOfRangeTextId) << "\"></p>\n</fieldset>\n";
}

} // namespace

void WritePressurePanel(PageHtml& html) {
    OpenPanel(html, "pressure", "panel.pressure");
    html.UnitFields("pressure");
    html << "</section>\n";
}

void WriteTemperaturePanel(PageHtml& html) {
    OpenPanel(html, "temperature", "panel.temperature");
    html.UnitFields("temperature");
    WriteSensorPanel(html);
    html << "</section>\n";
}

void WriteFlowPanel(PageHtml& html) {
    OpenPanel(html, "flow", "panel.flow");
    html << "<h3>";
    html.TextOf("panel.flow.mass") << "</h3>\n";
    html.UnitFields("mass-flow");
    html << "<h3>";
    html.TextOf("panel.flow.volume") << "</h3>\n";
    html.UnitFields("volume-flow");
    html << "</section>\n";
}

} // namespace velmaro::web
