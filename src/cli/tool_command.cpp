#include "cli/tool_command.h"

#include "cli/cli_error.h"
#include "cli/english_texts.h"
#include "cli/json_output.h"
#include "cli/result_text.h"
#include "cli/sensor_catalog.h"
#include "tools/field_units.h"

#include <algorithm>
#include <cmath>

namespace velmaro::cli {
namespace {

using tools::Field;
using tools::Role;
using tools::Severity;
using tools::Tool;

int StatusOf(Severity severity) {
    switch (severity) {
    case Severity::Refused:
        return kExitUsage;
    case Severity::OutOfRange:
        return kExitOutOfRange;
    case Severity::Advice:
        break;
    }
    return kExitOk;
}

bool IsResult(const Field& field) {
    return field.role == Role::Output || field.role == Role::Either;
}

// "pressure-kind" as a JSON key: "pressure_kind", as the fields' keys are.
std::string JsonKey(std::string_view id) {
    std::string key(id);
    std::ranges::replace(key, '-', '_');
    return key;
}

// What a refused reading says: the option and why.
std::string ReadingMessage(const Tool& tool, const ToolRequest& request,
                           const tools::FaceState& state, const tools::Reading& reading) {
    const std::string& option = request.options[reading.field];
    const std::string_view id = reading.fault.textId;
    if (id == "tool.not-a-number") {
        return option + ": '" + state.texts[reading.field] + "' is not a number";
    }
    std::string message = option + ": " + MessageText(id);
    if (id == "tool.value-outside") {
        const tools::Range& range = tool.fields[reading.field].range;
        message += " (" + ShortestText(range.low) + " ... " + ShortestText(range.high) + " " +
                   std::string(tool.fields[reading.field].unit) + ")";
    }
    return message;
}

// The verdict of a computation, as the command line reports it.
struct Verdict {
    int status = kExitOk;
    std::string message;
    bool printed = false; // results stand: printed before the report
};

class ToolPrinter {
public:
    ToolPrinter(const ToolRequest& request, OutputBuffer& out)
        : request_(request), tool_(*request.tool), out_(out) {
        for (const Field& field : tool_.fields) {
            if (tools::OnFace(field.faces, tools::kCommandLine) && !field.jsonOnly) {
                nameWidth_ = std::max(nameWidth_, field.symbol.size() + 1);
            }
        }
    }

    void Evaluate(std::string_view line) {
        tools::FaceState state = request_.state;
        if (request_.stdinField) {
            state.texts[*request_.stdinField] = std::string(line);
        }
        const tools::Reading reading = tools::Read(tool_, state, request_.rule);
        if (reading.fault) {
            throw CliError(StatusOf(reading.fault.severity),
                           ReadingMessage(tool_, request_, state, reading));
        }
        const tools::Result result = tool_.compute(tool_, reading.request);
        const Verdict verdict = Judge(state, result);
        if (request_.json) {
            Json object = Object(state, reading.request, result);
            if (verdict.status != kExitOk) {
                object["error"] = verdict.message;
                object["status"] = verdict.status;
            }
            out_ << JsonLine(object);
            if (verdict.status != kExitOk) {
                throw CliError(verdict.status, verdict.message).InJson();
            }
            return;
        }
        if (verdict.status != kExitOk && !verdict.printed) {
            throw CliError(verdict.status, verdict.message);
        }
        PrintPlain(state, result);
        if (verdict.status != kExitOk) {
            throw CliError(verdict.status, verdict.message);
        }
    }

private:
    static std::size_t ColumnCount(const tools::Result& result) {
        return result.columnIds.empty() ? 1 : result.columnIds.size();
    }

    // The fault under the results, a result that is no finite number, or the
    // notes beside results that stand.
    Verdict Judge(const tools::FaceState& state, const tools::Result& result) const {
        const std::string tool(tool_.id);
        if (result.fault && result.fault.severity != Severity::Advice) {
            return {StatusOf(result.fault.severity),
                    Subject(result.fault) + ": " + MessageText(result.fault.textId)};
        }
        for (std::size_t c = 0; c < ColumnCount(result); ++c) {
            for (std::size_t i = 0; i < tool_.fields.size(); ++i) {
                const auto& value = result.columns[c].values[i];
                if (!value || !tool_.fields[i].entries.empty()) {
                    continue;
                }
                // Finite in the compute unit is not enough: the shown unit
                // may take it beyond the double range.
                const tools::Shown shown = tools::ShowValue(tool_, state, i, *value);
                if (!shown.finite) {
                    const std::string unit = tools::ShownUnit(tool_, state, i);
                    const std::string what = tool + ": " + std::string(tool_.fields[i].id) +
                                             (unit.empty() ? "" : " in " + unit);
                    return {kExitOutOfRange, NotFiniteMessage(what, ShortestText(shown.number))};
                }
            }
        }
        Verdict verdict;
        for (std::size_t n = 0; n < result.noteCount; ++n) {
            const tools::Fault& note = result.notes[n];
            if (note.severity == Severity::OutOfRange) {
                verdict.status = kExitOutOfRange;
                verdict.message +=
                    (verdict.message.empty() ? tool + ": " : "; ") + MessageText(note.textId);
            }
        }
        verdict.printed = true;
        return verdict;
    }

    // Who a fault is about: the option of the field whose range it names (a
    // quality outside 0 ... 1, which the tool checks itself), or the tool.
    std::string Subject(const tools::Fault& fault) const {
        for (std::size_t i = 0; i < tool_.fields.size(); ++i) {
            const Field& field = tool_.fields[i];
            if (field.rangeCheckedByTool && field.rangeTextId == fault.textId) {
                return request_.options[i];
            }
        }
        return std::string(tool_.id);
    }

    // Advice (no status): beside the results, after them.
    static std::vector<std::string> Advice(const tools::Result& result) {
        std::vector<std::string> advice;
        if (result.fault && result.fault.severity == Severity::Advice) {
            advice.emplace_back(EnglishText(result.fault.textId, result.fault.textId));
        }
        for (std::size_t n = 0; n < result.noteCount; ++n) {
            if (result.notes[n].severity == Severity::Advice) {
                advice.emplace_back(EnglishText(result.notes[n].textId, result.notes[n].textId));
            }
        }
        return advice;
    }

    Json Number(std::size_t field, double value) const {
        const Field& f = tool_.fields[field];
        if (!f.entries.empty()) {
            const auto entry = static_cast<std::size_t>(value);
            return value >= 0.0 && entry < f.entries.size() ? Json(f.entries[entry].id)
                                                            : Json(nullptr);
        }
        if (f.decimals == 0 && std::abs(value) < 0x1p53 && value == std::trunc(value)) {
            return static_cast<long long>(value);
        }
        return value; // a non-finite value goes out as null
    }

    // Fields in their declared order: the inputs given, when `inputs`, and
    // the results of `column`, if any (null where none was computed).
    void AddFields(Json& object, const tools::FaceState& state, const tools::Request& request,
                   const tools::Column* column, bool inputs) const {
        for (std::size_t i = 0; i < tool_.fields.size(); ++i) {
            const Field& field = tool_.fields[i];
            const std::string key(field.jsonKey);
            if (key.empty() || !tools::OnFace(field.faces, tools::kCommandLine)) {
                continue;
            }
            if (request.given[i]) {
                if (inputs) {
                    object[key] = field.role == Role::Text ? Json(state.texts[i])
                                                           : Number(i, request.values[i]);
                }
            } else if (column != nullptr && IsResult(field) && tools::IsUsed(tool_, state, i) &&
                       (column->values[i] || !field.jsonOmitsNone)) {
                object[key] = column->values[i] ? Number(i, *column->values[i]) : Json(nullptr);
            }
        }
    }

    Json Object(const tools::FaceState& state, const tools::Request& request,
                const tools::Result& result) const {
        Json object = Json::object();
        for (std::size_t i = 0; i < tool_.choices.size(); ++i) {
            const tools::Choice& choice = tool_.choices[i];
            if (tools::OnFace(choice.faces, tools::kCommandLine) &&
                tools::IsChoiceUsed(tool_, state, i)) {
                object[JsonKey(choice.id)] = choice.entries[request.chosen[i]].id;
            }
        }
        // One column of results goes with the inputs; several follow them,
        // each an object of its own.
        if (result.columnIds.size() <= 1) {
            AddFields(object, state, request, result.columns.data(), true);
        } else {
            AddFields(object, state, request, nullptr, true);
            for (std::size_t c = 0; c < result.columnIds.size(); ++c) {
                Json column = Json::object();
                AddFields(column, state, request, &result.columns[c], false);
                object[std::string(result.columnIds[c])] = std::move(column);
            }
        }
        // Advice under keys of the tool's own is null where nothing was
        // computed to advise on.
        const std::vector<std::string> advice = Advice(result);
        const bool computed = !result.fault || result.fault.severity == Severity::Advice;
        if (!tool_.noAdviceJsonKey.empty()) {
            object[std::string(tool_.noAdviceJsonKey)] = computed ? Json(advice.empty()) : Json();
        }
        if (!tool_.adviceJsonKey.empty()) {
            object[std::string(tool_.adviceJsonKey)] = computed ? Json(advice) : Json();
        } else if (!advice.empty()) {
            object["notes"] = advice;
        }
        return object;
    }

    // The fields a column prints, in order: those --print names, or every
    // field it holds that the command line shows, JSON's own aside.
    std::vector<std::size_t> Printed(const tools::Column& column) const {
        std::vector<std::size_t> fields;
        if (!request_.print.empty()) {
            std::ranges::copy_if(request_.print, std::back_inserter(fields),
                                 [&column](std::size_t i) { return column.values[i].has_value(); });
            return fields;
        }
        for (std::size_t i = 0; i < tool_.fields.size(); ++i) {
            const Field& field = tool_.fields[i];
            if (column.values[i] && tools::OnFace(field.faces, tools::kCommandLine) &&
                !field.jsonOnly) {
                fields.push_back(i);
            }
        }
        return fields;
    }

    std::string Line(const tools::FaceState& state, std::size_t field, double value) const {
        std::string line;
        const std::string_view symbol = tool_.fields[field].symbol;
        if (request_.print.empty() && !symbol.empty()) {
            line = std::string(symbol);
            line.resize(nameWidth_, ' ');
        }
        line += tools::ShowValue(tool_, state, field, value).text;
        const std::string unit = tool_.fields[field].entries.empty()
                                     ? tools::ShownUnit(tool_, state, field)
                                     : std::string();
        if (!unit.empty()) {
            line += " " + std::string(tool_.fields[field].unitPrefix) + unit;
        }
        return line;
    }

    void PrintPlain(const tools::FaceState& state, const tools::Result& result) {
        const std::size_t columns = ColumnCount(result);
        std::vector<std::string> lines;
        for (std::size_t c = 0; c < columns; ++c) {
            const std::string indent = columns > 1 ? "  " : "";
            if (columns > 1) {
                lines.emplace_back(result.columnIds[c]);
            }
            const tools::Column& column = result.columns[c];
            for (const std::size_t i : Printed(column)) {
                lines.push_back(indent + Line(state, i, *column.values[i]));
            }
        }
        for (const std::string& advice : Advice(result)) {
            lines.push_back(advice);
        }
        // Blocks of several lines, as from standard input, part by a blank line.
        if (printedBlock_ && lines.size() > 1) {
            out_ << '\n';
        }
        printedBlock_ = true;
        for (const std::string& line : lines) {
            out_ << line << '\n';
        }
    }

    const ToolRequest& request_;
    const Tool& tool_;
    OutputBuffer& out_;
    std::size_t nameWidth_ = 0;
    bool printedBlock_ = false;
};

} // namespace

void RunTool(const ToolRequest& request, ValueInput& in, OutputBuffer& out) {
    ToolPrinter printer(request, out);
    const auto once = request.stdinField ? std::nullopt : std::optional<std::string_view>("");
    in.ForEach(once, [&printer](std::string_view line, std::size_t) { printer.Evaluate(line); });
}

} // namespace velmaro::cli
