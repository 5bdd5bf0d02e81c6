#include "panels.h"

#include "tools/evaluate.h"
#include "tools/field_units.h"
#include "tools/layout.h"
#include "tools/tools.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro::web {
namespace {

// Tools the page shows under one title, side by side as the instrument
// window shows them, or a tool under a title of its own. A tool in none of
// these has a panel of its own after them, titled as its window.
constexpr std::array<std::string_view, 3> kInstrumentTools = {"cold-junction", "transmitter",
                                                              "gas-flow"};
constexpr std::array<std::string_view, 1> kSteamTools = {"steam"};

struct ToolPanel {
    std::string_view name; // the section is "<name>-panel"
    std::string_view titleTextId;
    std::span<const std::string_view> tools;
};

constexpr ToolPanel kToolPanels[] = {
    {"instruments", "instrument.title", kInstrumentTools},
    {"steam", "steam.panel", kSteamTools},
};

struct Option {
    std::string value;
    std::string_view text;
};

// One tool's controls, each on a row with its label beside it, named by the
// label; every control carries what it holds (data-field, data-units,
// data-choice, data-mode), which is all web/page/tools.js reads, and the id
// "<tool>-<key>". The tool opens on its worked example, what that leaves
// unused greyed.
class ToolWriter {
public:
    ToolWriter(PageHtml& html, const tools::Tool& tool)
        : m_html(html), m_tool(tool), m_state(tools::StartState(tool, tools::kPage)) {}

    void Controls() {
        for (const tools::Row& row : tools::Layout(m_tool, tools::kPage)) {
            switch (row.kind) {
            case tools::Row::Kind::Modes:
                Modes();
                break;
            case tools::Row::Kind::Field:
                Field(row.index);
                break;
            case tools::Row::Kind::Units:
                Units(row.index);
                break;
            case tools::Row::Kind::Choice:
                Choice(row.index);
                break;
            }
        }
    }

    // The results table, for a tool with result columns: a row per result,
    // a column per state, filled by the core.
    void Results() {
        const std::vector<std::size_t> rows = tools::ResultRows(m_tool);
        if (rows.empty()) {
            return;
        }
        const std::size_t columns = tools::ColumnCount(m_tool, tools::kPage);
        m_html << R"(<div class="tool-table"><table data-results id=")" << Id("results")
               << "\">\n<thead><tr><td></td>";
        for (std::size_t c = 0; c < columns; ++c) {
            m_html << R"(<th scope="col"></th>)";
        }
        m_html << "</tr></thead>\n<tbody>\n";
        for (const std::size_t row : rows) {
            m_html << R"(<tr data-row=")" << m_tool.fields[row].id << R"("><th scope="row">)";
            m_html.TextOf(m_tool.fields[row].labelTextId) << "</th>";
            for (std::size_t c = 0; c < columns; ++c) {
                m_html << "<td></td>";
            }
            m_html << "</tr>\n";
        }
        m_html << "</tbody></table></div>\n";
    }

    void Verdict() {
        m_html << R"(<p class="out-of-range" role="status" data-verdict id=")" << Id("verdict")
               << "\"></p>\n";
    }

private:
    std::string Id(std::string_view key) {
        std::string id = std::string(m_tool.id) + "-" + std::string(key);
        if (!m_ids.insert(id).second) {
            m_html.Problem("two controls of the id " + id);
        }
        return id;
    }

    void Label(std::string_view label) {
        m_html << R"(<span class="unit" aria-hidden="true">)";
        m_html.Escaped(label) << "</span></div>\n";
    }

    // A list of `options` with `chosen` selected; `data` is its data
    // attribute with its value.
    void Select(std::string_view data, std::string_view id, std::string_view labelTextId,
                const std::vector<Option>& options, std::size_t chosen, bool used) {
        const std::string_view label = m_html.Text(labelTextId);
        m_html << R"(<div class="field list"><select )" << data << " id=\"" << id
               << "\" aria-label=\"";
        m_html.Escaped(label) << "\"" << (used ? "" : " disabled") << ">";
        for (std::size_t i = 0; i < options.size(); ++i) {
            m_html << "<option value=\"";
            m_html.Escaped(options[i].value) << (i == chosen ? "\" selected>" : "\">");
            m_html.Escaped(options[i].text) << "</option>";
        }
        m_html << "</select>";
        Label(label);
    }

    std::string_view EntryText(const tools::Entry& entry) {
        return entry.textId.empty() ? entry.Shown() : m_html.Text(entry.textId);
    }

    void Modes() {
        std::vector<Option> options;
        std::size_t chosen = 0;
        for (std::size_t i = 0; i < m_tool.modes.size(); ++i) {
            const tools::Mode& mode = m_tool.modes[i];
            if (tools::OnFace(mode.faces, tools::kPage)) {
                chosen = i == m_state.mode ? options.size() : chosen;
                options.push_back({std::string(mode.entry.id), EntryText(mode.entry)});
            }
        }
        Select("data-mode", Id("mode"), m_tool.modeLabelTextId, options, chosen, true);
    }

    // A typed field, or one the core writes (read-only: an output, or what
    // the mode computes; web/page/tools.js follows the mode).
    void Field(std::size_t index) {
        const tools::Field& field = m_tool.fields[index];
        const std::string_view label = m_html.Text(field.labelTextId);
        m_html << R"(<div class="field"><input data-field=")" << field.id << "\" id=\""
               << Id(field.id) << R"(" type="text")";
        if (field.role != tools::Role::Output) {
            m_html << " inputmode=\"" << (field.role == tools::Role::Text ? "text" : "decimal")
                   << R"(" autocomplete="off" spellcheck="false")";
        }
        if (!tools::TakesTyping(m_tool, m_state, index)) {
            m_html << " readonly"; // an output, or what the first mode computes
        }
        m_html << " value=\"";
        m_html.Escaped(m_state.texts[index]) << "\" aria-label=\"";
        m_html.Escaped(label) << "\"" << (tools::IsUsed(m_tool, m_state, index) ? "" : " disabled")
                              << ">";
        Label(label);
    }

    // A field's units by their labels, each by its symbol.
    void Units(std::size_t index) {
        const tools::Field& field = m_tool.fields[index];
        std::vector<Option> options;
        for (const UnitRef& unit : tools::OfferedUnits(m_tool, field)) {
            options.push_back(
                {std::string(unit.symbol()), m_html.Text(UnitTextId(*unit.quantity, unit.index))});
        }
        Select("data-units=\"" + std::string(field.id) + "\"", Id(std::string(field.id) + "-units"),
               field.unitLabelTextId.empty() ? field.labelTextId : field.unitLabelTextId, options,
               m_state.units[index], tools::IsUsed(m_tool, m_state, index));
    }

    void Choice(std::size_t index) {
        const tools::Choice& choice = m_tool.choices[index];
        std::vector<Option> options;
        for (const tools::Entry& entry : choice.entries) {
            options.push_back({std::string(entry.id), EntryText(entry)});
        }
        Select("data-choice=\"" + std::string(choice.id) + "\"", Id(choice.id), choice.labelTextId,
               options, m_state.chosen[index], tools::IsChoiceUsed(m_tool, m_state, index));
    }

    PageHtml& m_html;
    const tools::Tool& m_tool;
    tools::FaceState m_state;
    std::set<std::string> m_ids;
};

// A panel of tools: one tool is the panel itself, several are each a frame
// of their own in it.
void WritePanel(PageHtml& html, std::string_view name, std::string_view titleTextId,
                const std::vector<const tools::Tool*>& tools) {
    const std::string id = std::string(name) + "-panel";
    const bool alone = tools.size() == 1;
    const bool table = alone && !tools::ResultRows(*tools.front()).empty();
    html.JumpTarget(id, titleTextId);
    html << "<section class=\"tools" << (table ? " with-table" : "") << "\" id=\"" << id
         << "\" aria-labelledby=\"" << name << "-title\"";
    if (alone) {
        html << " data-tool=\"" << tools.front()->id << "\"";
    }
    html << ">\n<h2 id=\"" << name << "-title\">";
    html.TextOf(titleTextId) << "</h2>\n";
    if (!alone) {
        html << "<div class=\"tool-list\">\n";
    }
    for (const tools::Tool* tool : tools) {
        if (!alone) {
            html << R"(<fieldset class="tool" data-tool=")" << tool->id << "\"><legend>";
            html.TextOf(tool->titleTextId) << "</legend>\n";
        }
        ToolWriter writer(html, *tool);
        html << "<div class=\"tool-inputs\">\n";
        writer.Controls();
        html << "</div>\n";
        writer.Results();
        writer.Verdict();
        if (!alone) {
            html << "</fieldset>\n";
        }
    }
    if (!alone) {
        html << "</div>\n";
    }
    html << "</section>\n";
}

// The ids of the texts a tool declares it answers with: its columns'
// headings, its enumerated results, the text of a value its state does not
// have, and why a value outside a field's range is refused.
std::set<std::string_view> DeclaredAnswerTexts(const tools::Tool& tool) {
    std::set<std::string_view> ids = {tool.noValueTextId};
    for (const tools::Entry& column : tool.columns) {
        ids.insert(column.textId);
    }
    for (const tools::Field& field : tool.fields) {
        ids.insert(field.rangeTextId);
        for (const tools::Entry& entry : field.entries) {
            ids.insert(entry.textId);
        }
    }
    return ids;
}

// The texts the tools' answers name by id (verdicts, notes, headings,
// enumerated results), in the page's language, as JSON for web/page/tools.js:
// the core holds no texts. A tool's texts are those whose ids begin as its
// title's does ("steam.", "instrument.", "flowmeter."); the model's own
// verdicts begin with "tool.". A text the panels show already (a label, a
// list's entry) is left out, unless the tool declares it answers with it: a
// verdict is never a label.
void WriteAnswerTexts(PageHtml& html) {
    std::set<std::string> families = {"tool."};
    std::set<std::string_view> declared;
    for (const tools::Tool* tool : tools::AllTools()) {
        const std::string_view title = tool->titleTextId;
        families.insert(std::string(title.substr(0, title.find('.') + 1)));
        declared.merge(DeclaredAnswerTexts(*tool));
    }
    html << R"(<script type="application/json" id="tool-texts">{)";
    const char* separator = "";
    for (const texts::Text& text : texts::ChineseTexts()) {
        const bool ofATool =
            std::any_of(families.begin(), families.end(),
                        [&](const std::string& f) { return text.id.starts_with(f); });
        if (ofATool && (!html.Asked(text.id) || declared.contains(text.id))) {
            html << separator << "\"" << JsonEscaped(text.id) << "\":\""
                 << JsonEscaped(html.Text(text.id)) << "\"";
            separator = ",";
        }
    }
    html << "}</script>\n";
}

} // namespace

void WriteToolPanels(PageHtml& html) {
    std::set<std::string_view> placed;
    for (const ToolPanel& panel : kToolPanels) {
        std::vector<const tools::Tool*> shown;
        for (const std::string_view id : panel.tools) {
            if (const tools::Tool* tool = tools::FindTool(id)) {
                shown.push_back(tool);
                placed.insert(id);
            } else {
                html.Problem("no tool " + std::string(id));
            }
        }
        WritePanel(html, panel.name, panel.titleTextId, shown);
    }
    for (const tools::Tool* tool : tools::AllTools()) {
        if (!placed.contains(tool->id)) {
            WritePanel(html, tool->id, tool->titleTextId, {tool});
        }
    }
    WriteAnswerTexts(html);
}

} // namespace velmaro::web
