// What the page's tool panels ask of the core: one call for every tool of
// the model (src/tools), with the panel's state as an object, answered with
// an object of every text the panel shows. The page reads and computes
// nothing itself; the texts are those every face shows (tools::Evaluate),
// and its verdicts and enumerated results are looked up here by their ids,
// as the page's other answers are. Bound with embind: module.tool(request).
//
// The request:
//   {tool: "gas-flow", mode: "pressure-temperature",
//    fields: {<field>: "<text>", ...}, units: {<field>: "<symbol>"},
//    choices: {<list>: "<entry>"}, typed: ["<field>", ...]}
// where `typed` names the fields typed into, the last typed last; what a
// request leaves out stays as the tool's worked example has it.
// The answer:
//   {verdict: "<text>", notes: ["<text>", ...],
//    fields: {<field>: "<text>"}, (every field the tool writes outside a
//      results table, "" where it computed none)
//    columns: [{heading: "<text>", verdict: "<text>",
//               rows: {<field>: "<text>"}}], (a tool with a table)
//    unused: {fields: ["<field>", ...], choices: ["<list>", ...]},
//    readOnly: ["<field>", ...]} (what the state computes: no typing there)
// or {error: "request"} for a request that names no tool.

#include "res/texts/texts.h"
#include "tools/evaluate.h"
#include "tools/field_units.h"
#include "tools/layout.h"
#include "tools/tools.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace tools = velmaro::tools;
using emscripten::val;

// Every text of an answer, by its id.
std::string Text(std::string_view id) {
    return std::string(velmaro::texts::Lookup(id));
}

// The member `key` of `object`; undefined when `object` is none (reading a
// member of undefined or null would throw).
val Member(const val& object, std::string_view key) {
    return object.isUndefined() || object.isNull() ? val::undefined() : object[std::string(key)];
}

// The text `value` holds, or "" for anything that is no text.
std::string TextOf(const val& value) {
    return value.isString() ? value.as<std::string>() : std::string();
}

bool OnPage(unsigned faces) {
    return (faces & tools::kPage) != 0U;
}

// The position of the unit `symbol` among those `field` offers, or nullopt.
std::optional<std::size_t> UnitAt(const tools::Tool& tool, const tools::Field& field,
                                  const std::string& symbol) {
    const std::vector<velmaro::UnitRef> offered = tools::OfferedUnits(tool, field);
    for (std::size_t u = 0; u < offered.size(); ++u) {
        if (offered[u].symbol() == symbol) {
            return u;
        }
    }
    return std::nullopt;
}

// The texts and units of the fields the page shows.
void ReadFields(const tools::Tool& tool, const val& request, tools::FaceState& state) {
    const val texts = Member(request, "fields");
    const val units = Member(request, "units");
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        const tools::Field& field = tool.fields[i];
        if (!OnPage(field.faces) || field.role == tools::Role::Output) {
            continue;
        }
        if (const val text = Member(texts, field.id); text.isString()) {
            state.texts[i] = text.as<std::string>();
        }
        if (const auto unit = UnitAt(tool, field, TextOf(Member(units, field.id)))) {
            state.units[i] = *unit;
        }
    }
}

// The entry chosen in each list, by its id.
void ReadChoices(const tools::Tool& tool, const val& request, tools::FaceState& state) {
    const val choices = Member(request, "choices");
    for (std::size_t c = 0; c < tool.choices.size(); ++c) {
        const std::string entry = TextOf(Member(choices, tool.choices[c].id));
        const auto& entries = tool.choices[c].entries;
        for (std::size_t e = 0; e < entries.size(); ++e) {
            if (entries[e].id == entry) {
                state.chosen[c] = e;
            }
        }
    }
}

// The state the request describes, from the tool's worked example on.
tools::FaceState StateOf(const tools::Tool& tool, const val& request) {
    tools::FaceState state = tools::StartState(tool, tools::kPage);
    const std::string mode = TextOf(Member(request, "mode"));
    for (std::size_t i = 0; i < tool.modes.size(); ++i) {
        if (OnPage(tool.modes[i].faces) && tool.modes[i].entry.id == mode) {
            state.mode = i;
        }
    }
    ReadFields(tool, request, state);
    ReadChoices(tool, request, state);
    if (const val typed = Member(request, "typed"); typed.isArray()) {
        const auto count = typed["length"].as<unsigned>();
        for (unsigned k = 0; k < count; ++k) {
            if (const auto field = tools::FieldIndex(tool, TextOf(typed[k]))) {
                tools::Typed(tool, state, *field);
            }
        }
    }
    return state;
}

std::string FaultText(const tools::Fault& fault) {
    return fault ? Text(fault.textId) : std::string();
}

std::string ShownText(const tools::Shown& shown) {
    return shown.textId.empty() ? shown.text : Text(shown.textId);
}

std::string_view Heading(const tools::Tool& tool, const tools::Answer& answer, std::size_t column) {
    // A result without column ids fills the tool's one column.
    const std::string_view id = column < answer.columnIds.size() ? answer.columnIds[column]
                                : tool.columns.empty()           ? std::string_view()
                                                                 : tool.columns.front().id;
    for (const tools::Entry& entry : tool.columns) {
        if (entry.id == id) {
            return entry.textId;
        }
    }
    return {};
}

// A results table's columns: each heading, its own verdict, and a text for
// every row of a column that was computed (the tool's "no value" text where
// its state has none).
val Columns(const tools::Tool& tool, const tools::Answer& answer) {
    const std::vector<std::size_t> rows = tools::ResultRows(tool);
    val columns = val::array();
    for (std::size_t c = 0; c < answer.columnCount; ++c) {
        bool computed = false;
        for (const std::size_t row : rows) {
            computed = computed || answer.computed[c][row];
        }
        val shown = val::object();
        for (const std::size_t row : rows) {
            if (answer.computed[c][row]) {
                shown.set(std::string(tool.fields[row].id), ShownText(answer.shown[c][row]));
            } else if (computed) {
                shown.set(std::string(tool.fields[row].id), Text(tool.noValueTextId));
            }
        }
        val column = val::object();
        column.set("heading", Text(Heading(tool, answer, c)));
        column.set("verdict", FaultText(answer.columnFaults[c]));
        column.set("rows", shown);
        columns.call<void>("push", column);
    }
    return columns;
}

val AnswerOf(const tools::Tool& tool, const tools::FaceState& state) {
    const tools::Answer answer = tools::Evaluate(tool, state);
    std::vector<std::string> notes;
    for (std::size_t i = 0; i < answer.noteCount; ++i) {
        notes.push_back(FaultText(answer.notes[i]));
    }
    // Every field the tool may write outside a table: what it computed, or
    // nothing; the field typed in keeps its text.
    val fields = val::object();
    std::vector<std::string> unusedFields;
    std::vector<std::string> readOnly;
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        const tools::Field& field = tool.fields[i];
        if (!OnPage(field.faces)) {
            continue;
        }
        if (!tools::IsUsed(tool, state, i)) {
            unusedFields.emplace_back(field.id);
        }
        if (!tools::TakesTyping(tool, state, i)) {
            readOnly.emplace_back(field.id);
        }
        const bool inTable = !tool.columns.empty() && field.role == tools::Role::Output;
        if (tools::IsComputed(tool, state, i) && !inTable) {
            fields.set(std::string(field.id),
                       answer.computed[0][i] ? ShownText(answer.shown[0][i]) : std::string());
        }
    }
    std::vector<std::string> unusedChoices;
    for (std::size_t c = 0; c < tool.choices.size(); ++c) {
        if (OnPage(tool.choices[c].faces) && !tools::IsChoiceUsed(tool, state, c)) {
            unusedChoices.emplace_back(tool.choices[c].id);
        }
    }
    val unused = val::object();
    unused.set("fields", val::array(unusedFields));
    unused.set("choices", val::array(unusedChoices));
    val reply = val::object();
    reply.set("verdict", FaultText(answer.fault));
    reply.set("notes", val::array(notes));
    reply.set("fields", fields);
    reply.set("unused", unused);
    reply.set("readOnly", val::array(readOnly));
    if (!tool.columns.empty()) {
        reply.set("columns", Columns(tool, answer));
    }
    return reply;
}

// One answer of a tool to the state of its panel (above).
val Answer(const val& request) {
    const tools::Tool* tool = tools::FindTool(TextOf(Member(request, "tool")));
    if (tool == nullptr) {
        val refused = val::object();
        refused.set("error", std::string("request"));
        return refused;
    }
    return AnswerOf(*tool, StateOf(*tool, request));
}

} // namespace

EMSCRIPTEN_BINDINGS(velmaro_tools) {
    emscripten::function("tool", &Answer);
}
