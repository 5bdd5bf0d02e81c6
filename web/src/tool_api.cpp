// What the page's tool panels ask of the core: one call for every tool of
// the model (src/tools), with the panel's state as lines of text, answered
// with lines of every text the panel shows. The page reads and computes
// nothing itself; the texts are those every face shows (tools::Evaluate).
// Verdicts, headings and enumerated results are answered by their text ids,
// which the page looks up in the texts of its own language that the build
// wrote into it, so the core holds no text in any language.
//
// Lines of tab-separated cells, a text last (it may hold tabs, never a line
// break: a text field drops them). The request:
//   tool    <tool>
//   mode    <mode>
//   field   <field>  <text>      each field the page shows
//   unit    <field>  <symbol>
//   choice  <list>   <entry>
//   typed   <field>              the fields typed into, the last typed last
// What a request leaves out stays as the tool's worked example has it.
// The answer:
//   verdict <text id>            empty: none
//   note    <text id>            verdicts beside results that stand
//   field   <field>  <shown>     every field the tool writes outside a
//                                results table ("" where it computed none)
//   column  <heading text id> <verdict text id>
//   row     <field>  <shown>     a row of the column above
//   unused  <field>              greyed: not used in this state
//   unused-choice <list>
//   read-only <field>            what the state computes: no typing there
// where <shown> is a computed text, or "#" and the text id of an enumerated
// result ("#steam.phase.wet"), which no number begins with.
// A request that names no tool is answered "error".

#include "tools/evaluate.h"
#include "tools/field_units.h"
#include "tools/layout.h"
#include "tools/tool.h"
#include "tools/tools.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace tools = velmaro::tools;

struct Line {
    std::string_view kind;
    std::string_view key;
    std::string_view text;
};

// The cells of one request line; a line of one cell has an empty key and text.
Line Cells(std::string_view line) {
    Line cells;
    const std::size_t first = line.find('\t');
    cells.kind = line.substr(0, first);
    if (first != std::string_view::npos) {
        const std::size_t second = line.find('\t', first + 1);
        cells.key = line.substr(first + 1, second - std::min(second, first + 1));
        if (second != std::string_view::npos) {
            cells.text = line.substr(second + 1);
        }
    }
    return cells;
}

std::vector<Line> Lines(std::string_view request) {
    std::vector<Line> lines;
    while (!request.empty()) {
        const std::size_t end = request.find('\n');
        lines.push_back(Cells(request.substr(0, end)));
        request.remove_prefix(end == std::string_view::npos ? request.size() : end + 1);
    }
    return lines;
}

bool OnPage(unsigned faces) {
    return tools::OnFace(faces, tools::kPage);
}

// The position of the unit `symbol` among those `field` offers, or nullopt.
std::optional<std::size_t> UnitAt(const tools::Tool& tool, const tools::Field& field,
                                  std::string_view symbol) {
    const std::vector<velmaro::UnitRef> offered = tools::OfferedUnits(tool, field);
    for (std::size_t u = 0; u < offered.size(); ++u) {
        if (offered[u].symbol() == symbol) {
            return u;
        }
    }
    return std::nullopt;
}

// A field the page types into, by its key.
std::optional<std::size_t> TypedField(const tools::Tool& tool, std::string_view key) {
    const auto index = tools::FieldIndex(tool, key);
    if (!index || !OnPage(tool.fields[*index].faces) ||
        tool.fields[*index].role == tools::Role::Output) {
        return std::nullopt;
    }
    return index;
}

// The mode of the id `id`, among those the page offers.
void ChooseMode(const tools::Tool& tool, std::string_view id, tools::FaceState& state) {
    for (std::size_t i = 0; i < tool.modes.size(); ++i) {
        if (OnPage(tool.modes[i].faces) && tool.modes[i].entry.id == id) {
            state.mode = i;
        }
    }
}

// The entry `entry` of the list `list`.
void Choose(const tools::Tool& tool, std::string_view list, std::string_view entry,
            tools::FaceState& state) {
    if (const auto choice = tools::ChoiceIndex(tool, list)) {
        const auto& entries = tool.choices[*choice].entries;
        for (std::size_t e = 0; e < entries.size(); ++e) {
            if (entries[e].id == entry) {
                state.chosen[*choice] = e;
            }
        }
    }
}

void ReadLine(const tools::Tool& tool, const Line& line, tools::FaceState& state) {
    const auto field = TypedField(tool, line.key);
    if (line.kind == "mode") {
        ChooseMode(tool, line.key, state);
    } else if (line.kind == "field" && field) {
        state.texts[*field] = std::string(line.text);
    } else if (line.kind == "unit" && field) {
        if (const auto unit = UnitAt(tool, tool.fields[*field], line.text)) {
            state.units[*field] = *unit;
        }
    } else if (line.kind == "choice") {
        Choose(tool, line.key, line.text, state);
    } else if (line.kind == "typed") {
        if (const auto typed = tools::FieldIndex(tool, line.key)) {
            tools::Typed(tool, state, *typed);
        }
    }
}

// The state the request describes, from the tool's worked example on; the
// fields typed into are marked last, in their order.
tools::FaceState StateOf(const tools::Tool& tool, const std::vector<Line>& lines) {
    tools::FaceState state = tools::StartState(tool, tools::kPage);
    for (const Line& line : lines) {
        if (line.kind != "typed") {
            ReadLine(tool, line, state);
        }
    }
    for (const Line& line : lines) {
        if (line.kind == "typed") {
            ReadLine(tool, line, state);
        }
    }
    return state;
}

class Reply {
public:
    Reply& Cell(std::string_view text) {
        m_text += m_text.empty() || m_text.back() == '\n' ? "" : "\t";
        m_text += text;
        return *this;
    }
    Reply& Shown(const tools::Shown& shown) {
        return shown.textId.empty() ? Cell(shown.text) : Cell("#" + std::string(shown.textId));
    }
    void End() { m_text += '\n'; }
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};

std::string_view Heading(const tools::Tool& tool, const tools::Answer& answer, std::size_t column) {
    // A result without column ids fills the tool's one column.
    const std::string_view id = column < answer.columnIds.size() ? answer.columnIds[column]
                                : tool.columns.empty()           ? std::string_view()
                                                                 : tool.columns.front().id;
    return tools::ColumnTextId(tool, id);
}

// A results table's columns: each heading, its own verdict, and a text for
// every row of a column that was computed (the tool's "no value" text where
// its state has none).
void Columns(const tools::Tool& tool, const tools::Answer& answer, Reply& reply) {
    const std::vector<std::size_t> rows = tools::ResultRows(tool);
    for (std::size_t c = 0; c < answer.columnCount; ++c) {
        bool computed = false;
        for (const std::size_t row : rows) {
            computed = computed || answer.computed[c][row];
        }
        reply.Cell("column").Cell(Heading(tool, answer, c)).Cell(answer.columnFaults[c].textId);
        reply.End();
        for (const std::size_t row : rows) {
            if (answer.computed[c][row]) {
                reply.Cell("row").Cell(tool.fields[row].id).Shown(answer.shown[c][row]).End();
            } else if (computed) {
                reply.Cell("row").Cell(tool.fields[row].id).Shown({.textId = tool.noValueTextId});
                reply.End();
            }
        }
    }
}

std::string AnswerOf(const tools::Tool& tool, const tools::FaceState& state) {
    const tools::Answer answer = tools::Evaluate(tool, state);
    Reply reply;
    reply.Cell("verdict").Cell(answer.fault.textId).End();
    for (std::size_t i = 0; i < answer.noteCount; ++i) {
        reply.Cell("note").Cell(answer.notes[i].textId).End();
    }
    // Every field the tool may write outside a table: what it computed, or
    // nothing; the field typed in keeps its text.
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        const tools::Field& field = tool.fields[i];
        if (!OnPage(field.faces)) {
            continue;
        }
        if (!tools::IsUsed(tool, state, i)) {
            reply.Cell("unused").Cell(field.id).End();
        }
        if (!tools::TakesTyping(tool, state, i)) {
            reply.Cell("read-only").Cell(field.id).End();
        }
        const bool inTable = !tool.columns.empty() && field.role == tools::Role::Output;
        if (tools::IsComputed(tool, state, i) && !inTable) {
            reply.Cell("field").Cell(field.id);
            (answer.computed[0][i] ? reply.Shown(answer.shown[0][i]) : reply.Cell("")).End();
        }
    }
    for (std::size_t c = 0; c < tool.choices.size(); ++c) {
        if (OnPage(tool.choices[c].faces) && !tools::IsChoiceUsed(tool, state, c)) {
            reply.Cell("unused-choice").Cell(tool.choices[c].id).End();
        }
    }
    if (!tool.columns.empty()) {
        Columns(tool, answer, reply);
    }
    return reply.Text();
}

std::string g_answer; // the page is single-threaded: one answer at a time

} // namespace

extern "C" {

// One answer of a tool to the state of its panel (above). The answer lives
// until the next call.
const char* velmaro_tool(const char* request) {
    const std::vector<Line> lines = Lines(request);
    const tools::Tool* tool = nullptr;
    for (const Line& line : lines) {
        if (line.kind == "tool") {
            tool = tools::FindTool(line.key);
        }
    }
    g_answer = tool == nullptr ? "error" : AnswerOf(*tool, StateOf(*tool, lines));
    return g_answer.c_str();
}

} // extern "C"
