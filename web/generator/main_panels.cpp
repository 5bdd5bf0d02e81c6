#include "panels.h"

#include "convert/quantities.h"
#include "res/texts/texts.h"
#include "sensors/rtd_types.h"
#include "sensors/thermocouple_types.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

// The sensor panel's family buttons, in their order (their values 0 and 1 are
// the core's family numbers): the button's text, and the caption and unit of
// the output field once the family is chosen.
struct SensorFamily {
    std::string_view inputId;
    std::string_view buttonTextId;
    std::string_view captionTextId;
    std::string_view unitTextId;
};

constexpr SensorFamily kSensorFamilies[] = {
    {"sensor-thermocouple", "sensor.thermocouple", "sensor.emf", "sensor.emf.unit"},
    {"sensor-rtd", "sensor.rtd", "sensor.resistance", "sensor.resistance.unit"},
};

// The sensor type list of family `family`, in its order.
std::vector<std::string_view> SensorTypes(std::size_t family) {
    std::vector<std::string_view> list;
    if (family == 0) {
        for (const sensors::ThermocoupleInfo& type : sensors::ThermocoupleTypes()) {
            list.emplace_back(type.listText);
        }
    } else {
        for (const sensors::RtdInfo& type : sensors::RtdTypes()) {
            list.emplace_back(type.listText);
        }
    }
    return list;
}

void TypeOptions(PageHtml& html, std::size_t family) {
    for (const std::string_view type : SensorTypes(family)) {
        html << "<option>";
        html.Escaped(type) << "</option>";
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
    for (std::size_t family = 0; family < std::size(kSensorFamilies); ++family) {
        const SensorFamily& f = kSensorFamilies[family];
        html << R"(<label><input type="radio" name="sensor-kind" value=")" << std::to_string(family)
             << "\" id=\"" << f.inputId << "\"" << (family == 0 ? " checked" : "")
             << " data-caption=\"";
        html.TextOf(f.captionTextId) << "\" data-unit=\"";
        html.TextOf(f.unitTextId) << "\"><span>";
        html.TextOf(f.buttonTextId) << "</span></label>\n";
    }
    html << "</div>\n<select id=\"sensor-type\" aria-label=\"";
    html.TextOf("page.sensor-type") << "\">";
    TypeOptions(html, 0);
    html << "</select>\n";
    for (std::size_t family = 0; family < std::size(kSensorFamilies); ++family) {
        html << "<template id=\"sensor-types-" << std::to_string(family) << "\">";
        TypeOptions(html, family);
        html << "</template>\n";
    }

    const Quantity* temperature = FindQuantity("temperature");
    constexpr std::string_view kScaleIds[] = {"sensor-celsius", "sensor-fahrenheit",
                                              "sensor-kelvin", "sensor-rankine"};
    const std::string panelName(html.Text("sensor.panel"));
    for (std::size_t scale = 0; scale < std::size(kScaleIds); ++scale) {
        const std::string_view label =
            temperature != nullptr ? texts::UnitLabel(*temperature, scale) : "";
        html << "<div class=\"sensor-row\">\n<span class=\"caption\">";
        if (scale == 0) {
            html.TextOf("sensor.temperature");
        }
        html << "</span>\n";
        html.Field(kScaleIds[scale], panelName + " " + std::string(Trimmed(label)), label,
                   scale != 0);
        html << "</div>\n";
    }
    const SensorFamily& first = kSensorFamilies[0];
    html << "<div class=\"sensor-row\">\n<span class=\"caption\" id=\"sensor-output-caption\">";
    html.TextOf("sensor.voltage") << "</span>\n";
    html.Field("sensor-output",
               std::string(html.Text(first.captionTextId)) +
                   std::string(html.Text(first.unitTextId)),
               html.Text(first.unitTextId));
    html << "</div>\n<p class=\"out-of-range\" id=\"sensor-range\" role=\"status\" data-text=\"";
    html.TextOf("sensor.out-of-range") << "\"></p>\n</fieldset>\n";
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
