#include "cli/tool_options.h"

#include "cli/cli_error.h"
#include "cli/nearest_names.h"
#include "cli/option_number.h"
#include "cli/tool_help.h"
#include "tools/field_units.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace velmaro::cli {
namespace {

using tools::Choice;
using tools::Field;
using tools::Mode;
using tools::OptionGroup;
using tools::Role;
using tools::Tool;

std::string Dashed(std::string_view id) {
    return "--" + std::string(id);
}

// The option group that stands for a list under the list's own option.
const OptionGroup* GroupFor(const Tool& tool, const Choice& choice) {
    for (const OptionGroup& group : tool.optionGroups) {
        if (group.choice == choice.id) {
            return &group;
        }
    }
    return nullptr;
}

std::vector<std::string_view> Names(std::string_view id, std::string_view others) {
    std::vector<std::string_view> names{id};
    while (!others.empty()) {
        const std::size_t bar = others.find('|');
        names.push_back(others.substr(0, bar));
        others = bar == std::string_view::npos ? std::string_view() : others.substr(bar + 1);
    }
    return names;
}

void Keep(std::optional<ToolArgs::Given>& slot, std::string option,
          const std::vector<std::string>& values) {
    if (slot) {
        throw UsageError(slot->option == option
                             ? option + " is given twice"
                             : option + " and " + slot->option + " name the same input");
    }
    slot = ToolArgs::Given{std::move(option), values};
}

CLI::Option* AddValues(CLI::App& command, const std::string& name, std::size_t least,
                       std::size_t most, std::optional<ToolArgs::Given>& slot) {
    return command
        .add_option_function<std::vector<std::string>>(
            name,
            [name, &slot](const std::vector<std::string>& values) { Keep(slot, name, values); })
        ->expected(static_cast<int>(least), static_cast<int>(most))
        ->allow_extra_args(false)
        ->trigger_on_parse();
}

std::string EntryIds(std::span<const tools::Entry> entries, std::string_view join) {
    std::string ids;
    for (const tools::Entry& entry : entries) {
        ids += (ids.empty() ? "" : std::string(join)) + std::string(entry.id);
    }
    return ids;
}

void AddGroup(CLI::App& command, const Tool& tool, const OptionGroup& group,
              std::optional<ToolArgs::Given>& slot) {
    std::string placeholder = GroupPlaceholder(group);
    std::size_t least = group.required;
    if (const auto choice = tools::ChoiceIndex(tool, group.choice)) {
        placeholder = EntryIds(tool.choices[*choice].entries, "|") + " | " + placeholder;
        least = 1;
    }
    AddValues(command, Dashed(group.option), least, group.fields.size(), slot)
        ->type_name(placeholder)
        ->option_text(placeholder)
        ->description(GroupHelp(tool, group));
}

// --flow Q UNIT: a value and the unit that says which field of the group it
// goes to.
void AddGroupOption(CLI::App& command, const Tool& tool, const tools::GroupOption& option,
                    std::optional<ToolArgs::Given>& slot) {
    const std::string placeholder = "NUMBER UNIT";
    AddValues(command, Dashed(option.option), 2, 2, slot)
        ->type_name(placeholder)
        ->option_text(placeholder)
        ->description(GroupOptionHelp(tool, option));
}

void AddField(CLI::App& command, const Tool& tool, std::size_t index, ToolArgs& args) {
    const Field& field = tool.fields[index];
    const bool units = !tools::OfferedUnits(tool, field).empty();
    const std::string placeholder = HelpPlaceholder(tool, index);
    std::string description = FieldHelp(tool, field);
    for (const std::string_view name : Names(field.id, field.options)) {
        AddValues(command, Dashed(name), 1, units ? 2 : 1, args.fields[index])
            ->type_name(placeholder)
            ->option_text(placeholder)
            ->description(description);
        description = "the same as --" + std::string(field.id);
    }
}

void AddChoice(CLI::App& command, const Tool& tool, std::size_t index, ToolArgs& args) {
    const Choice& choice = tool.choices[index];
    std::optional<ToolArgs::Given>& slot = args.choices[index];
    AddValues(command, Dashed(choice.id), 1, 1, slot)
        ->option_text(EntryIds(choice.entries, "|"))
        ->description(ChoiceHelp(tool, choice));
    if (!choice.entriesAsFlags) {
        return;
    }
    for (const tools::Entry& entry : choice.entries) {
        const std::string flag = Dashed(entry.id);
        command
            .add_flag_callback(
                flag, [flag, id = std::string(entry.id), &slot] { Keep(slot, flag, {id}); })
            ->trigger_on_parse()
            ->description(EntryHelp(choice, entry));
    }
}

// The position of the entry called `text` (exactly, or with ASCII case
// ignored when that names one), or nullopt.
std::optional<std::size_t> EntryNamed(const Choice& choice, std::string_view text) {
    std::optional<std::size_t> folded;
    std::size_t foldedCount = 0;
    for (std::size_t i = 0; i < choice.entries.size(); ++i) {
        if (choice.entries[i].id == text) {
            return i;
        }
        if (SameIgnoringCase(choice.entries[i].id, text)) {
            folded = i;
            ++foldedCount;
        }
    }
    return foldedCount == 1 ? folded : std::nullopt;
}

std::size_t EntryOrRefuse(const Choice& choice, const std::string& option, std::string_view text,
                          std::string_view orElse = {}) {
    if (const auto entry = EntryNamed(choice, text)) {
        return *entry;
    }
    std::vector<std::string> ids;
    for (const tools::Entry& entry : choice.entries) {
        ids.emplace_back(entry.id);
    }
    throw UsageError(option + ": '" + std::string(text) + "' is not " + JoinNames(ids) +
                     std::string(orElse) + NearestTail(text, ids));
}

// The position in the field's list of the unit `name` names, or nullopt.
// A field with a unit prefix takes its units with the prefix too (Nm3/h).
std::optional<std::size_t> UnitNamed(const Tool& tool, const Field& field, std::string_view name) {
    const std::vector<UnitRef> offered = tools::OfferedUnits(tool, field);
    if (offered.empty()) {
        return std::nullopt;
    }
    if (!field.unitPrefix.empty() && name.starts_with(field.unitPrefix)) {
        name.remove_prefix(field.unitPrefix.size());
    }
    const std::vector<UnitRef> named = UnitsNamed(*offered.front().quantity, name);
    for (std::size_t i = 0; i < offered.size(); ++i) {
        if (std::ranges::find(named, offered[i]) != named.end()) {
            return i;
        }
    }
    return std::nullopt;
}

// The position in the field's list of the unit called `name`.
std::size_t UnitOrRefuse(const Tool& tool, const Field& field, const std::string& option,
                         std::string_view name) {
    if (const auto unit = UnitNamed(tool, field, name)) {
        return *unit;
    }
    const std::vector<UnitRef> offered = tools::OfferedUnits(tool, field);
    const std::vector<UnitRef> named = UnitsNamed(*offered.front().quantity, name);
    std::vector<std::string> symbols;
    for (std::size_t i = 0; i < offered.size(); ++i) {
        if (std::ranges::find(named, offered[i]) != named.end()) {
            return i;
        }
        symbols.emplace_back(offered[i].symbol());
    }
    throw UsageError(option + ": '" + std::string(name) + "' is not " + JoinNames(symbols) +
                     NearestTail(name, symbols));
}

struct Reader {
    const Tool& tool;
    const ToolArgs& args;
    ToolRequest request;
    std::array<bool, tools::kMaxFields> typed{}; // given an option, or by a group
    std::array<std::optional<std::size_t>, tools::kMaxFields> unitOf{};

    tools::FaceState& state() { return request.state; }

    void SetField(std::size_t index, const std::string& option, const std::string& text) {
        state().texts[index] = text;
        state().present[index] = true;
        request.options[index] = option;
        typed[index] = true;
    }

    void SetUnit(std::size_t index, const std::string& option, std::string_view name) {
        const tools::Field& field = tool.fields[index];
        const auto owner =
            static_cast<std::size_t>(&tools::UnitOwner(tool, field) - tool.fields.data());
        const std::size_t unit = UnitOrRefuse(tool, field, option, name);
        if (unitOf[owner] && *unitOf[owner] != unit) {
            throw UsageError(option + ": the flows share one unit; give it once");
        }
        unitOf[owner] = unit;
        state().units[owner] = unit;
    }

    void Fields() {
        for (std::size_t i = 0; i < tool.fields.size(); ++i) {
            const auto& given = args.fields[i];
            if (!given) {
                continue;
            }
            SetField(i, given->option, given->values[0]);
            if (given->values.size() > 1) {
                SetUnit(i, given->option, given->values[1]);
            }
            tools::Typed(tool, state(), i);
        }
    }

    void Choices() {
        for (std::size_t i = 0; i < tool.choices.size(); ++i) {
            const auto& given = args.choices[i];
            if (given && given->values.size() == 1) {
                state().chosen[i] = EntryOrRefuse(tool.choices[i], given->option, given->values[0]);
            }
        }
    }

    // A group beside a list: one value names an entry; numbers that are an
    // entry's ends choose it; other numbers are the group's own, with the
    // unit of an entry that has it.
    void GroupWithChoice(const OptionGroup& group, const ToolArgs::Given& given,
                         std::size_t choiceIndex) {
        const Choice& choice = tool.choices[choiceIndex];
        if (given.values.size() == 1) {
            state().chosen[choiceIndex] = EntryOrRefuse(
                choice, given.option, given.values[0],
                " (or give " + std::to_string(group.required) + " numbers and a unit)");
            return;
        }
        const std::size_t numbers = std::min(given.values.size(), group.required);
        const bool unitGiven = given.values.size() > group.required;
        std::vector<std::string> units;
        for (std::size_t e = 0; e < choice.entries.size(); ++e) {
            const tools::Entry& entry = choice.entries[e];
            if (std::ranges::find(units, entry.unit) == units.end()) {
                units.emplace_back(entry.unit);
            }
            bool same = entry.values.size() == numbers &&
                        (!unitGiven || entry.unit == given.values[numbers]);
            for (std::size_t v = 0; same && v < numbers; ++v) {
                same = OptionNumber(given.option, given.values[v], args.strict) == entry.values[v];
            }
            if (same) {
                state().chosen[choiceIndex] = e;
                return;
            }
        }
        if (!unitGiven) {
            throw UsageError(given.option + ": give the " + UnitSubject(tool, choice) +
                             " unit: " + JoinNames(units) + " (no " +
                             EnglishLabel(choice.labelTextId, choice.id) + " has these ends)");
        }
        const std::string& unit = given.values[numbers];
        const auto entry = std::ranges::find_if(
            choice.entries, [&unit](const tools::Entry& e) { return e.unit == unit; });
        if (entry == choice.entries.end()) {
            throw UsageError(given.option + ": the unit is " + JoinNames(units) + ", not '" + unit +
                             "'");
        }
        state().chosen[choiceIndex] = static_cast<std::size_t>(entry - choice.entries.begin());
        for (std::size_t v = 0; v < numbers; ++v) {
            SetField(tools::FieldAt(tool, group.fields[v]), given.option, given.values[v]);
        }
    }

    void Groups() {
        for (std::size_t g = 0; g < tool.optionGroups.size(); ++g) {
            const OptionGroup& group = tool.optionGroups[g];
            const auto& given = args.groups[g];
            if (!given) {
                continue;
            }
            if (const auto choice = tools::ChoiceIndex(tool, group.choice)) {
                GroupWithChoice(group, *given, *choice);
                continue;
            }
            if (given->values.size() < group.required) {
                throw UsageError(given->option + " needs " + std::to_string(group.required) +
                                 " values");
            }
            for (std::size_t v = 0; v < given->values.size(); ++v) {
                const std::string_view id = group.fields[v];
                if (const std::string_view field = tools::UnitListField(id); !field.empty()) {
                    SetUnit(tools::FieldAt(tool, field), given->option, given->values[v]);
                } else {
                    SetField(tools::FieldAt(tool, id), given->option, given->values[v]);
                }
            }
        }
    }

    // --flow Q UNIT: the field of the group whose units hold UNIT.
    void GroupOptions() {
        for (std::size_t g = 0; g < tool.groupOptions.size(); ++g) {
            const tools::GroupOption& option = tool.groupOptions[g];
            const auto& given = args.groupOptions[g];
            if (!given) {
                continue;
            }
            const std::string& unit = given->values[1];
            std::optional<std::size_t> chosen;
            for (const std::size_t i : GroupFields(tool, option.group)) {
                const tools::Field& field = tool.fields[i];
                // A unit with the field's prefix names that field before any
                // other (Nm3/h a flow at normal conditions, not at the line's).
                const bool prefixed =
                    !field.unitPrefix.empty() && unit.starts_with(field.unitPrefix);
                if (UnitNamed(tool, field, unit) && (!chosen || prefixed)) {
                    chosen = i;
                }
            }
            if (!chosen) {
                std::vector<std::string> labels;
                for (const std::size_t i : GroupFields(tool, option.group)) {
                    labels.push_back(EnglishLabel(tool.fields[i].labelTextId, tool.fields[i].id));
                }
                throw UsageError(given->option + ": '" + unit + "' is no unit of " +
                                 JoinNames(labels) + " (see --help)");
            }
            if (args.fields[*chosen]) {
                throw UsageError(given->option + " and " + args.fields[*chosen]->option +
                                 " name the same input");
            }
            SetField(*chosen, given->option, given->values[0]);
            SetUnit(*chosen, given->option, unit);
            tools::Typed(tool, state(), *chosen);
        }
    }

    // What the tool needs, and a field of each group the command line must
    // give (its primary input, or one of a group the tool has no default
    // for); the rest take their start texts or stay out.
    void Complete() {
        for (std::size_t c = 0; c < tool.choices.size(); ++c) {
            const Choice& choice = tool.choices[c];
            if (choice.commandLineRequired && !args.choices[c] &&
                tools::OnFace(choice.faces, tools::kCommandLine) &&
                tools::IsChoiceUsed(tool, state(), c)) {
                throw UsageError(std::string(tool.id) + " needs " + Dashed(choice.id) + " " +
                                 EntryIds(choice.entries, "|"));
            }
        }
        for (std::size_t i = 0; i < tool.fields.size(); ++i) {
            const tools::Field& field = tool.fields[i];
            if (typed[i] || !tools::OnFace(field.faces, tools::kCommandLine) ||
                field.role != Role::Input || tools::SomeModeNames(tool, field.id)) {
                continue;
            }
            if (field.startIfLeftOut) {
                state().present[i] = true;
            } else if (!field.start.empty() && !field.commandLineOptional &&
                       tools::IsUsed(tool, state(), i)) {
                throw UsageError(std::string(tool.id) + " needs " + OptionName(tool, i) + " " +
                                 HelpPlaceholder(tool, i));
            }
        }
        for (int group = 1; group <= static_cast<int>(tools::kMaxGroups); ++group) {
            CompleteGroup(group);
        }
    }

    void CompleteGroup(int group) {
        std::vector<std::string> options;
        std::vector<std::string> used;
        std::vector<std::string> given;
        bool primary = false;
        bool defaulted = false;
        for (const std::size_t i : GroupFields(tool, group)) {
            const tools::Field& field = tool.fields[i];
            options.push_back(Dashed(field.id));
            primary = primary || field.primary;
            if (tools::IsUsed(tool, state(), i)) {
                used.push_back(Dashed(field.id));
                defaulted = defaulted || field.startIfLeftOut;
            }
            if (typed[i]) {
                given.push_back(request.options[i]);
            }
        }
        if (given.size() > 1) {
            throw UsageError(std::string(tool.id) + " takes one of " + JoinNames(options) +
                             ", not " + JoinNames(given, " and "));
        }
        // The modes say when a group of theirs is given.
        if (!given.empty() || tools::SomeModeGivesGroup(tool, group)) {
            return;
        }
        if (primary) {
            throw UsageError(std::string(tool.id) + " takes one of " + JoinNames(options));
        }
        if (!used.empty() && !defaulted) {
            throw UsageError(std::string(tool.id) +
                             (used.size() == 1 ? " needs " : " takes one of ") + JoinNames(used));
        }
    }

    bool Fits(const Mode& mode) const {
        if (!tools::OnFace(mode.faces, tools::kCommandLine)) {
            return false;
        }
        for (const std::string_view id : mode.given) {
            if (!typed[tools::FieldAt(tool, id)]) {
                return false;
            }
        }
        for (std::size_t i = 0; i < tool.fields.size(); ++i) {
            const std::string_view id = tool.fields[i].id;
            if (typed[i] && tools::SomeModeNames(tool, id) &&
                std::ranges::find(mode.given, id) == mode.given.end() &&
                std::ranges::find(mode.optional, id) == mode.optional.end()) {
                return false;
            }
        }
        // A group a mode gives is typed in that mode and in no other.
        for (int group = 1; group <= static_cast<int>(tools::kMaxGroups); ++group) {
            if (!tools::SomeModeGivesGroup(tool, group)) {
                continue;
            }
            const auto fields = GroupFields(tool, group);
            const bool given =
                std::ranges::any_of(fields, [this](std::size_t i) { return typed[i]; });
            if (given != (std::ranges::find(mode.groups, group) != mode.groups.end())) {
                return false;
            }
        }
        const auto& flags = args.modeFlags;
        return mode.flag.empty()
                   ? flags.empty()
                   : !flags.empty() && std::ranges::all_of(flags, [&mode](const std::string& flag) {
                         return flag == mode.flag;
                     });
    }

    void ChooseMode() {
        if (tool.modes.empty()) {
            return;
        }
        for (std::size_t m = 0; m < tool.modes.size(); ++m) {
            if (Fits(tool.modes[m])) {
                state().mode = m;
                return;
            }
        }
        throw UsageError(std::string(tool.id) + " takes " + ModeCombinations(tool) +
                         " (see velmaro-convert " + std::string(tool.id) + " --help)");
    }

    // An option the mode does not use is a mistake, not something to ignore.
    void Used() {
        for (std::size_t i = 0; i < tool.fields.size(); ++i) {
            const tools::Field& field = tool.fields[i];
            if (typed[i] && !tools::IsUsed(tool, state(), i)) {
                throw UsageError(request.options[i] + " goes with " +
                                 GoesWith(field.follows, field.usedWith));
            }
        }
        for (std::size_t i = 0; i < tool.choices.size(); ++i) {
            const Choice& choice = tool.choices[i];
            if (args.choices[i] && !tools::IsChoiceUsed(tool, state(), i)) {
                throw UsageError(args.choices[i]->option + " goes with " +
                                 GoesWith(choice.follows, choice.usedWith));
            }
        }
    }

    void StandardInput() {
        for (std::size_t i = 0; i < tool.fields.size(); ++i) {
            if (!typed[i] || state().texts[i] != "-") {
                continue;
            }
            if (!tool.fields[i].primary) {
                throw UsageError(request.options[i] + ": - (standard input) is for " +
                                 PrimaryOptions(tool));
            }
            if (request.stdinField) {
                throw UsageError("only one option reads standard input, not " +
                                 request.options[*request.stdinField] + " and " +
                                 request.options[i]);
            }
            request.stdinField = i;
        }
    }

    void Print() {
        if (!args.print) {
            return;
        }
        const std::vector<std::string> results = ResultIds(tool);
        std::string_view list = *args.print;
        while (true) {
            const std::size_t comma = list.find(',');
            const std::string_view id = list.substr(0, comma);
            const auto field = tools::FieldIndex(tool, id);
            if (!field || std::ranges::find(results, id) == results.end()) {
                throw UsageError("--print: '" + std::string(id) + "' is no result of " +
                                 std::string(tool.id) + NearestTail(id, results));
            }
            request.print.push_back(*field);
            if (comma == std::string_view::npos) {
                break;
            }
            list.remove_prefix(comma + 1);
        }
    }
};

} // namespace

std::string OptionName(const Tool& tool, std::size_t field) {
    const OptionGroup* group = GroupOf(tool, tool.fields[field].id);
    return Dashed(group != nullptr ? group->option : tool.fields[field].id);
}

void AddToolOptions(CLI::App& command, const Tool& tool, ToolArgs& args) {
    command.add_flag("--json", args.json, "one JSON object per value: numbers as numbers")
        ->disable_flag_override();
    command
        .add_flag("--strict", args.strict,
                  "refuse a number that is not a number through and through")
        ->disable_flag_override();
    command
        .add_option_function<std::string>(
            "--print", [&args](const std::string& list) { args.print = list; },
            Wrapped("print only these results (ids, comma-separated), one per line as value "
                    "and unit, without names; one the state does not define (x of a single "
                    "phase) prints no line"))
        ->option_text("RESULT[,RESULT...]");
    args.groups.resize(tool.optionGroups.size());
    args.groupOptions.resize(tool.groupOptions.size());
    std::vector<const OptionGroup*> added;
    std::vector<bool> addedGroupOptions(tool.groupOptions.size(), false);
    for (const std::string_view id : HelpOrder(tool)) {
        const OptionGroup* group = GroupOf(tool, id);
        const auto field = tools::FieldIndex(tool, id);
        const auto choice = tools::ChoiceIndex(tool, id);
        // An option for a group of fields (--flow) before the first of them.
        for (std::size_t g = 0; field && g < tool.groupOptions.size(); ++g) {
            const tools::GroupOption& option = tool.groupOptions[g];
            if (!addedGroupOptions[g] && tool.fields[*field].group == option.group &&
                tool.fields[*field].role == Role::Either) {
                addedGroupOptions[g] = true;
                AddGroupOption(command, tool, option, args.groupOptions[g]);
            }
        }
        if (group == nullptr && choice) {
            group = GroupFor(tool, tool.choices[*choice]);
        }
        if (group != nullptr) {
            // One option for a list and the group beside it: an entry, or the
            // group's numbers.
            if (std::ranges::find(added, group) == added.end()) {
                added.push_back(group);
                AddGroup(command, tool, *group,
                         args.groups[static_cast<std::size_t>(group - tool.optionGroups.data())]);
            }
        } else if (field) {
            AddField(command, tool, *field, args);
        } else if (choice) {
            AddChoice(command, tool, *choice, args);
        }
    }
    std::vector<std::string_view> flags;
    for (const Mode& mode : tool.modes) {
        if (mode.flag.empty() || std::ranges::find(flags, mode.flag) != flags.end()) {
            continue;
        }
        flags.push_back(mode.flag);
        command
            .add_flag_callback(
                Dashed(mode.flag),
                [&args, flag = std::string(mode.flag)] { args.modeFlags.push_back(flag); })
            ->trigger_on_parse()
            ->description(ModeFlagHelp(tool, mode.flag));
    }
    command.footer(ToolFootnote(tool));
}

ToolRequest ReadToolArgs(const Tool& tool, const ToolArgs& args) {
    Reader reader{tool, args, {}};
    ToolRequest& request = reader.request;
    request.tool = &tool;
    request.json = args.json;
    request.rule = args.strict ? tools::NumberRule::Strict : tools::NumberRule::Lenient;
    request.state = tools::StartState(tool, tools::kCommandLine);
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        request.state.present[i] = false;
        request.options[i] = OptionName(tool, i);
        if (tool.fields[i].role == Role::Text) {
            request.state.texts[i].clear();
        }
    }
    reader.Fields();
    reader.Choices();
    reader.Groups();
    reader.GroupOptions();
    reader.Complete();
    reader.ChooseMode();
    reader.Used();
    reader.StandardInput();
    reader.Print();
    return request;
}

} // namespace velmaro::cli
