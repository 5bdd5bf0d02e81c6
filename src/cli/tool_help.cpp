#include "cli/tool_help.h"

#include "cli/english_texts.h"
#include "cli/nearest_names.h"
#include "cli/sensor_catalog.h"
#include "tools/evaluate.h"
#include "tools/field_units.h"

#include <algorithm>
#include <cmath>

namespace velmaro::cli {
namespace {

using tools::Field;
using tools::Role;
using tools::Tool;

bool Offered(const Tool& tool, std::string_view id) {
    if (const auto field = tools::FieldIndex(tool, id)) {
        const Field& f = tool.fields[*field];
        return tools::OnFace(f.faces, tools::kCommandLine) && f.role != Role::Output;
    }
    const auto choice = tools::ChoiceIndex(tool, id);
    return choice && tools::OnFace(tool.choices[*choice].faces, tools::kCommandLine);
}

std::string Label(const Field& field) {
    return std::string(EnglishText(field.labelTextId, field.id));
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
    std::string joined;
    for (const std::string& part : parts) {
        joined += (joined.empty() ? "" : std::string(separator)) + part;
    }
    return joined;
}

// The option a field is given by: its own, or its option group's.
std::string OptionOf(const Tool& tool, std::string_view id) {
    const tools::OptionGroup* group = GroupOf(tool, id);
    return "--" + std::string(group != nullptr ? group->option : id);
}

// The option that gives a field of `group`: --flow, or --mass-flow|--volume-flow.
std::string GroupOptionOf(const Tool& tool, int group) {
    for (const tools::GroupOption& option : tool.groupOptions) {
        if (option.group == group) {
            return "--" + std::string(option.option);
        }
    }
    std::vector<std::string> options;
    for (const std::size_t i : GroupFields(tool, group)) {
        options.push_back("--" + std::string(tool.fields[i].id));
    }
    return Join(options, "|");
}

// The units a field offers: "kg/h, t/h, kg/s or lb/h", "any unit of --list
// volume-flow".
std::string UnitChoices(const Tool& tool, const Field& field) {
    if (field.allUnits) {
        return "any unit of --list " + std::string(field.quantity);
    }
    std::vector<std::string> symbols;
    for (const UnitRef& unit : tools::OfferedUnits(tool, field)) {
        symbols.emplace_back(unit.symbol());
    }
    return JoinNames(symbols);
}

// "in MPa or any unit of --list pressure", "in °C (without a unit), K or °F".
std::string UnitsHelp(const Tool& tool, const Field& field) {
    const std::vector<UnitRef> units = tools::OfferedUnits(tool, field);
    if (units.empty()) {
        if (!field.unitFrom.empty()) {
            return "in the unit of " + OptionOf(tool, field.unitFrom);
        }
        const bool inLabel = EnglishText(field.labelTextId).find(field.unit) != std::string::npos;
        return field.unit.empty() || inLabel ? std::string() : "in " + std::string(field.unit);
    }
    const Field& owner = tools::UnitOwner(tool, field);
    const std::string start(units[tools::StartUnit(tool, field)].symbol());
    if (&owner != &field) {
        const std::string prefix(field.unitPrefix);
        return "in the unit of --" + std::string(owner.id) +
               (prefix.empty() ? ""
                               : ", or with " + prefix + " before it (" + prefix + start + ")");
    }
    if (owner.allUnits) {
        return "in " + start + " or any unit of --list " + std::string(owner.quantity);
    }
    if (units.size() == 1) {
        return EnglishText(field.labelTextId).find(start) != std::string_view::npos ? std::string()
                                                                                    : "in " + start;
    }
    std::vector<std::string> symbols;
    for (const UnitRef& unit : units) {
        symbols.emplace_back(unit.symbol());
        if (symbols.back() == start) {
            symbols.back() += " (without a unit)";
        }
    }
    return "in " + JoinNames(symbols);
}

std::string RangeHelp(const tools::Range& range) {
    const bool low = std::isfinite(range.low);
    const bool high = std::isfinite(range.high);
    if (low && high) {
        return "from " + ShortestText(range.low) + " to " + ShortestText(range.high);
    }
    if (low) {
        return "at least " + ShortestText(range.low);
    }
    return high ? "at most " + ShortestText(range.high) : std::string();
}

std::string EntryText(const tools::Entry& entry) {
    const std::string_view text = EnglishText(entry.textId, entry.Shown());
    const bool same = SameIgnoringCase(text, entry.id);
    return same ? std::string(entry.id) : std::string(entry.id) + " (" + std::string(text) + ")";
}

std::string Entries(const tools::Choice& choice) {
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < choice.entries.size(); ++i) {
        entries.push_back(EntryText(choice.entries[i]));
        if (i == choice.commandLineStart && !choice.commandLineRequired) {
            entries.back() += " (the default)";
        }
    }
    return Join(entries, ", ");
}

} // namespace

const tools::OptionGroup* GroupOf(const Tool& tool, std::string_view field) {
    for (const tools::OptionGroup& group : tool.optionGroups) {
        if (std::ranges::find(group.fields, field) != group.fields.end()) {
            return &group;
        }
    }
    return nullptr;
}

std::vector<std::size_t> GroupFields(const Tool& tool, int group) {
    std::vector<std::size_t> fields;
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        const Field& field = tool.fields[i];
        if (field.group == group && field.role == Role::Either &&
            tools::OnFace(field.faces, tools::kCommandLine)) {
            fields.push_back(i);
        }
    }
    return fields;
}

std::vector<std::string> ResultIds(const Tool& tool) {
    std::vector<std::string> results;
    for (const Field& field : tool.fields) {
        if ((field.role == Role::Output || field.role == Role::Either) &&
            tools::OnFace(field.faces, tools::kCommandLine)) {
            results.emplace_back(field.id);
        }
    }
    return results;
}

std::string Wrapped(std::string_view text, std::size_t width) {
    std::string wrapped;
    std::size_t lineLength = 0;
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        const std::string_view word = text.substr(0, blank);
        text = blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
        // Characters, not bytes: "°" is one.
        const auto length = static_cast<std::size_t>(std::ranges::count_if(
            word, [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; }));
        if (lineLength > 0 && lineLength + 1 + length > width) {
            wrapped += '\n';
            lineLength = 0;
        } else if (lineLength > 0) {
            wrapped += ' ';
            ++lineLength;
        }
        wrapped += word;
        lineLength += length;
    }
    return wrapped;
}

std::vector<std::string_view> HelpOrder(const Tool& tool) {
    std::vector<std::string_view> order;
    const auto add = [&](std::string_view id) {
        if (Offered(tool, id) && std::ranges::find(order, id) == order.end()) {
            order.push_back(id);
        }
    };
    for (const std::string_view id : tool.order) {
        if (tools::UnitListField(id).empty()) {
            add(id);
        }
    }
    for (const Field& field : tool.fields) {
        add(field.id);
    }
    for (const tools::Choice& choice : tool.choices) {
        add(choice.id);
    }
    return order;
}

std::string GoesWith(std::string_view follows, std::string_view usedWith) {
    const std::size_t equals = usedWith.find('=');
    if (!follows.empty() || equals == std::string_view::npos) {
        return follows.empty() ? std::string("other options") : "--" + std::string(follows);
    }
    std::vector<std::string> entries;
    for (std::string_view rest = usedWith.substr(equals + 1); !rest.empty();) {
        const std::size_t bar = rest.find('|');
        entries.emplace_back(rest.substr(0, bar));
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    return "--" + std::string(usedWith.substr(0, equals)) + " " + JoinNames(entries);
}

std::string FieldHelp(const Tool& tool, const Field& field) {
    std::vector<std::string> parts{Label(field)};
    for (std::string part : {UnitsHelp(tool, field), RangeHelp(field.range)}) {
        if (!part.empty()) {
            parts.push_back(std::move(part));
        }
    }
    if (!field.usedWith.empty()) {
        parts.push_back("with " + GoesWith({}, field.usedWith));
    }
    if (field.startIfLeftOut) {
        parts.push_back("default " + std::string(field.start));
    }
    if (field.primary) {
        parts.emplace_back("a dash reads one per line from standard input");
    }
    return Wrapped(Join(parts, "; "));
}

std::string ChoiceHelp(const Tool& /*tool*/, const tools::Choice& choice) {
    const std::string with =
        choice.usedWith.empty() ? std::string() : "; with " + GoesWith({}, choice.usedWith);
    return Wrapped(std::string(EnglishText(choice.labelTextId, choice.id)) + ": " +
                   Entries(choice) + with);
}

std::string EntryHelp(const tools::Choice& choice, const tools::Entry& entry) {
    return Wrapped("the same as --" + std::string(choice.id) + " " + std::string(entry.id));
}

std::string GroupHelp(const Tool& tool, const tools::OptionGroup& group) {
    std::vector<std::string> labels;
    std::string unitHelp;
    for (const std::string_view id : group.fields) {
        if (const std::string_view unitOf = tools::UnitListField(id); !unitOf.empty()) {
            unitHelp = "; " + UnitsHelp(tool, tool.fields[tools::FieldAt(tool, unitOf)]);
            continue;
        }
        const Field& field = tool.fields[tools::FieldAt(tool, id)];
        labels.push_back(labels.empty() ? Label(field) : EnglishLabel(field.labelTextId, field.id));
    }
    const auto choice = tools::ChoiceIndex(tool, group.choice);
    if (!choice) {
        return Wrapped(Join(labels, ", ") + unitHelp);
    }
    const tools::Choice& list = tool.choices[*choice];
    std::vector<std::string> units;
    for (const tools::Entry& entry : list.entries) {
        if (std::ranges::find(units, entry.unit) == units.end()) {
            units.emplace_back(entry.unit);
        }
    }
    return Wrapped(std::string(EnglishText(list.labelTextId, list.id)) + ": " + Entries(list) +
                   "; or any other by its " + std::to_string(group.required) +
                   " ends and its unit, " + JoinNames(units) +
                   " (without a unit, the ends must be those of one above)");
}

std::string GroupOptionHelp(const Tool& tool, const tools::GroupOption& option) {
    std::vector<std::string> fields;
    for (const std::size_t i : GroupFields(tool, option.group)) {
        const Field& field = tool.fields[i];
        const Field& owner = tools::UnitOwner(tool, field);
        std::string units = UnitChoices(tool, owner);
        if (!field.unitPrefix.empty()) {
            const std::string prefix(field.unitPrefix);
            const std::vector<UnitRef> offered = tools::OfferedUnits(tool, owner);
            units.insert(0, prefix + " before ");
            units += " (" + prefix;
            units += offered[tools::StartUnit(tool, owner)].symbol();
            units += ")";
        }
        fields.push_back(units + ": " + EnglishLabel(field.labelTextId, field.id));
    }
    return Wrapped("a value and its unit, which says what is given: " + Join(fields, "; "));
}

std::string ModeFlagHelp(const Tool& tool, std::string_view flag) {
    std::vector<std::string> modes;
    for (const tools::Mode& mode : tool.modes) {
        if (mode.flag == flag) {
            modes.emplace_back(EnglishText(mode.entry.textId, mode.entry.id));
        }
    }
    return Wrapped(Join(modes, "; "));
}

std::string ModeCombinations(const Tool& tool) {
    std::vector<std::string> combinations;
    for (const tools::Mode& mode : tool.modes) {
        if (!tools::OnFace(mode.faces, tools::kCommandLine)) {
            continue;
        }
        std::vector<std::string> given;
        for (const std::string_view id : mode.given) {
            std::string option = OptionOf(tool, id);
            if (std::ranges::find(given, option) == given.end()) {
                given.push_back(std::move(option));
            }
        }
        for (const int group : mode.groups) {
            given.push_back(GroupOptionOf(tool, group));
        }
        std::string options = Join(given, " ");
        if (!mode.flag.empty()) {
            options += " --" + std::string(mode.flag);
        }
        for (const std::string_view id : mode.optional) {
            options += " [--" + std::string(id) + "]";
        }
        combinations.push_back(options);
    }
    return JoinNames(combinations);
}

std::string PrimaryOptions(const Tool& tool) {
    std::vector<std::string> options;
    for (const Field& field : tool.fields) {
        if (field.primary && tools::OnFace(field.faces, tools::kCommandLine)) {
            options.push_back("--" + std::string(field.id));
        }
    }
    return JoinNames(options);
}

std::string GroupPlaceholder(const tools::OptionGroup& group) {
    std::string placeholder;
    const std::string prefix = std::string(group.option) + "-";
    for (std::size_t i = 0; i < group.fields.size(); ++i) {
        std::string name(group.fields[i]);
        // --dp-range LOW HIGH [UNIT], not DP-RANGE-LOW DP-RANGE-HIGH [DP-RANGE-HIGH:UNIT].
        if (!tools::UnitListField(name).empty()) {
            name = "unit";
        } else if (name.starts_with(prefix)) {
            name.erase(0, prefix.size());
        }
        std::ranges::transform(name, name.begin(), [](char c) {
            return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        });
        placeholder += (i == 0 ? "" : " ") + (i < group.required ? name : "[" + name + "]");
    }
    return placeholder;
}

std::string HelpPlaceholder(const Tool& tool, std::size_t field) {
    const Field& f = tool.fields[field];
    if (const tools::OptionGroup* group = GroupOf(tool, f.id)) {
        return GroupPlaceholder(*group);
    }
    if (f.role == Role::Text) {
        return "TEXT";
    }
    return tools::OfferedUnits(tool, f).empty() ? "NUMBER" : "NUMBER [UNIT]";
}

std::string EnglishLabel(std::string_view textId, std::string_view fallback) {
    std::string label = MessageText(textId);
    return label == textId ? std::string(fallback) : label;
}

std::string UnitSubject(const Tool& tool, const tools::Choice& choice) {
    for (const Field& field : tool.fields) {
        if (field.unitFrom == choice.id) {
            return std::string(field.id);
        }
    }
    return std::string(choice.id);
}

// What the footnote says of the Either fields of `group`: the option that
// stands for them, or which to give.
std::string GroupNote(const Tool& tool, int group) {
    std::vector<std::string> options;
    bool primary = false;
    bool defaulted = false;
    for (const std::size_t i : GroupFields(tool, group)) {
        const Field& field = tool.fields[i];
        options.push_back("--" + std::string(field.id));
        primary = primary || field.primary;
        defaulted = defaulted || field.startIfLeftOut;
    }
    if (options.size() < 2) {
        return {};
    }
    const std::string option = GroupOptionOf(tool, group);
    if (option.find('|') == std::string::npos) {
        return option + " is one of " + JoinNames(options) + ", as its unit says.";
    }
    if (tools::SomeModeGivesGroup(tool, group)) {
        return {};
    }
    if (primary) {
        return "Give one of " + JoinNames(options) + ".";
    }
    return defaulted ? "One of " + JoinNames(options) + " may be given."
                     : "Give one of " + JoinNames(options) + " where they are used.";
}

std::string ToolFootnote(const Tool& tool) {
    std::vector<std::string> give;
    if (!tool.modes.empty()) {
        give.push_back("Give " + ModeCombinations(tool) + ".");
    }
    for (int group = 1; group <= static_cast<int>(tools::kMaxGroups); ++group) {
        if (std::string note = GroupNote(tool, group); !note.empty()) {
            give.push_back(std::move(note));
        }
    }
    return Wrapped(Join(give, " "), 78) + "\n" +
           Wrapped("Results (--print names them): " + Join(ResultIds(tool), ", ") + ".", 78) + "\n";
}

} // namespace velmaro::cli
