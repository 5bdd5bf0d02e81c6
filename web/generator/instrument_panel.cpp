#include "panels.h"

#include "convert/quantities.h"
#include "instruments/signal_ranges.h"
#include "res/texts/texts.h"
#include "sensors/sensor_panel_rule.h"
#include "sensors/thermocouple_types.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro::web {
namespace {

// What a tool's field holds: a number, letters (a unit's name), or a result
// the core writes.
enum class Holds { Number, Letters, Result };

// A row of a tool: the control (id "tool-<key>"), named by its label, and the
// label beside it.
void OpenRow(PageHtml& html, std::string_view rowClass) {
    html << "<div class=\"" << rowClass << "\">";
}

void CloseRow(PageHtml& html, std::string_view label) {
    html << R"(<span class="unit" aria-hidden="true">)";
    html.Escaped(label) << "</span></div>\n";
}

void ToolField(PageHtml& html, std::string_view key, std::string_view labelTextId,
               std::string_view first, Holds holds = Holds::Number) {
    const std::string_view label = html.Text(labelTextId);
    OpenRow(html, "field");
    html << "<input id=\"tool-" << key << R"(" type="text")";
    if (holds == Holds::Result) {
        html << " readonly";
    } else {
        html << " inputmode=\"" << (holds == Holds::Number ? "decimal" : "text")
             << R"(" autocomplete="off" spellcheck="false")";
    }
    html << " value=\"";
    html.Escaped(first) << "\" aria-label=\"";
    html.Escaped(label) << "\">";
    CloseRow(html, label);
}

void ToolList(PageHtml& html, std::string_view key, std::string_view labelTextId,
              const std::vector<std::string>& entries, std::size_t chosen) {
    const std::string_view label = html.Text(labelTextId);
    OpenRow(html, "field list");
    html << "<select id=\"tool-" << key << "\" aria-label=\"";
    html.Escaped(label) << "\">";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        html << (i == chosen ? "<option selected>" : "<option>");
        html.Escaped(entries[i]) << "</option>";
    }
    html << "</select>";
    CloseRow(html, label);
}

std::vector<std::string> TextsOf(PageHtml& html, std::initializer_list<std::string_view> ids) {
    std::vector<std::string> texts;
    for (const std::string_view id : ids) {
        texts.emplace_back(html.Text(id));
    }
    return texts;
}

// The labels of a quantity's units, and the position of the unit `symbol`.
std::vector<std::string> UnitLabels(PageHtml& html, std::string_view quantityId) {
    std::vector<std::string> labels;
    const Quantity* quantity = FindQuantity(quantityId);
    if (quantity == nullptr) {
        html.Problem("no quantity " + std::string(quantityId));
        return labels;
    }
    for (std::size_t unit = 0; unit < quantity->group->size(); ++unit) {
        labels.emplace_back(texts::UnitLabel(*quantity, unit));
    }
    return labels;
}

std::size_t UnitIndex(std::string_view quantityId, std::string_view symbol) {
    const Quantity* quantity = FindQuantity(quantityId);
    return quantity != nullptr ? quantity->group->indexOf(symbol) : 0;
}

void OpenTool(PageHtml& html, std::string_view titleTextId) {
    html << "<fieldset class=\"tool\"><legend>";
    html.TextOf(titleTextId) << "</legend>\n";
}

void CloseTool(PageHtml& html) {
    html << "<p class=\"out-of-range\" role=\"status\"></p>\n</fieldset>\n";
}

// Type K at a 25 °C terminal block, 400 °C hot: the window's first values.
void ColdJunction(PageHtml& html) {
    using sensors::SensorFamily;
    OpenTool(html, "instrument.cold-junction");
    std::vector<std::string> types;
    for (unsigned type = 0; type < sensors::TypeCount(SensorFamily::Thermocouple); ++type) {
        types.emplace_back(html.Text(sensors::TypeTextId(SensorFamily::Thermocouple, type)));
    }
    ToolList(html, "cj-type", "instrument.cj.type", types, sensors::TC_K);
    ToolField(html, "cj-cold", "instrument.cj.cold", "25");
    ToolField(html, "cj-emf", "instrument.cj.emf", "");
    ToolField(html, "cj-hot", "instrument.cj.hot", "400");
    CloseTool(html);
}

// 12 mA of 4–20 mA on 0 … 1.6 MPa.
void Transmitter(PageHtml& html) {
    OpenTool(html, "instrument.transmitter");
    ToolField(html, "tx-lrv", "instrument.tx.lrv", "0");
    ToolField(html, "tx-urv", "instrument.tx.urv", "1.6");
    ToolField(html, "tx-unit", "instrument.tx.unit", "MPa", Holds::Letters);
    std::vector<std::string> ranges;
    for (const instruments::SignalRangeInfo& range : instruments::SignalRanges()) {
        ranges.push_back(instruments::SignalRangeLabel(range));
    }
    ToolList(html, "tx-range", "instrument.tx.signal-range", ranges, 0);
    ToolList(html, "tx-sqrt", "instrument.tx.characteristic",
             TextsOf(html,
                     {"instrument.characteristic.linear", "instrument.characteristic.square-root"}),
             0);
    ToolField(html, "tx-cutoff", "instrument.tx.cut-off", "1");
    ToolField(html, "tx-signal", "instrument.tx.signal", "12");
    ToolField(html, "tx-value", "instrument.tx.value", "");
    ToolField(html, "tx-percent", "instrument.tx.percent", "");
    CloseTool(html);
}

// 1200 m³/h at 0.6 MPa gauge and 40 °C, air.
void GasFlow(PageHtml& html) {
    OpenTool(html, "instrument.gas-flow");
    ToolList(html, "gas-unit", "instrument.gas.flow-unit", UnitLabels(html, "volume-flow"),
             UnitIndex("volume-flow", "m3/h"));
    ToolField(html, "gas-pressure", "instrument.gas.pressure", "0.6");
    ToolList(html, "gas-pressure-unit", "instrument.gas.pressure-unit",
             UnitLabels(html, "pressure"), UnitIndex("pressure", "MPa"));
    ToolList(html, "gas-gauge", "instrument.gas.pressure-kind",
             TextsOf(html, {"instrument.gauge", "instrument.absolute"}), 0);
    ToolField(html, "gas-temperature", "instrument.gas.temperature", "40");
    ToolField(html, "gas-z", "instrument.gas.z", "1");
    ToolField(html, "gas-z-ref", "instrument.gas.z-ref", "1");
    ToolList(html, "gas-standard", "instrument.gas.standard",
             TextsOf(html, {"instrument.standard.20", "instrument.standard.15"}), 0);
    ToolField(html, "gas-line", "instrument.gas.line-flow", "1200");
    ToolField(html, "gas-normal", "instrument.gas.normal-flow", "");
    ToolField(html, "gas-standard-flow", "instrument.gas.standard-flow", "");
    ToolField(html, "gas-density", "instrument.gas.density", "1.293");
    ToolField(html, "gas-molar-mass", "instrument.gas.molar-mass", "");
    ToolField(html, "gas-mass", "instrument.gas.mass-flow", "", Holds::Result);
    CloseTool(html);
}

} // namespace

// The instrument window's three tools across the page's width, with their
// first values; web/page/instruments.js computes them.
void WriteInstrumentPanel(PageHtml& html) {
    html.JumpTarget("instruments-panel", "instrument.title");
    html << R"(<section class="instruments" id="instruments-panel" )"
         << R"(aria-labelledby="instruments-title">)"
         << "\n<h2 id=\"instruments-title\">";
    html.TextOf("instrument.title") << "</h2>\n<div id=\"instrument-tools\">\n";
    ColdJunction(html);
    Transmitter(html);
    GasFlow(html);
    html << "</div>\n</section>\n";
}

} // namespace velmaro::web
