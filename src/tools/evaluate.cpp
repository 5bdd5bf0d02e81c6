#include "tools/evaluate.h"

#include "convert/number_text.h"
#include "tools/field_units.h"

#include <algorithm>
#include <cmath>

namespace velmaro::tools {
namespace {

bool Lists(std::span<const std::string_view> ids, std::string_view id) {
    // std::find: the page's compiler (emscripten 3.1.6) has no std::ranges::find.
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// Blanks around a number are allowed; a strict number is all the rest.
bool WholeNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return false;
    }
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string_view core = text.substr(first, last - first + 1);
    return NumberLength(core) == core.size();
}

// Whether the entry that `listEntry` names as "list=entry" is the chosen one.
bool Chosen(const Tool& tool, const FaceState& state, std::string_view listEntry) {
    const std::size_t equals = listEntry.find('=');
    const auto choice = ChoiceIndex(tool, listEntry.substr(0, equals));
    if (!choice || equals == std::string_view::npos) {
        return true;
    }
    const auto& entries = tool.choices[*choice].entries;
    const std::size_t chosen = state.chosen[*choice];
    if (chosen >= entries.size()) {
        return false;
    }
    for (std::string_view rest = listEntry.substr(equals + 1); !rest.empty();) {
        const std::size_t bar = rest.find('|');
        if (entries[chosen].id == rest.substr(0, bar)) {
            return true;
        }
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    return false;
}

bool ModeHasGroup(const Mode& mode, int group) {
    return std::find(mode.groups.begin(), mode.groups.end(), group) != mode.groups.end();
}

// `value`, or +0 when it rounds to zero at `decimals`: no "-0.000".
double WithoutNegativeZero(double value, int decimals) {
    return std::abs(value) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : value;
}

} // namespace

FaceState StartState(const Tool& tool, Faces face) {
    FaceState state;
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        const Field& field = tool.fields[i];
        state.texts[i] = std::string(field.start);
        state.units[i] = StartUnit(tool, field);
        state.present[i] = OnFace(field.faces, face) && field.role != Role::Output;
        if (field.role == Role::Either && !field.start.empty() &&
            static_cast<std::size_t>(field.group) <= kMaxGroups && state.given[field.group] == 0) {
            state.given[field.group] = i + 1;
        }
    }
    for (std::size_t i = 0; i < tool.choices.size(); ++i) {
        const Choice& choice = tool.choices[i];
        state.chosen[i] = face == kCommandLine ? choice.commandLineStart : choice.start;
    }
    for (std::size_t i = 0; i < tool.modes.size(); ++i) {
        if (OnFace(tool.modes[i].faces, face)) {
            state.mode = i;
            break;
        }
    }
    // given[] holds field + 1, so that 0 means "none typed yet".
    for (std::size_t& field : state.given) {
        field = field == 0 ? tool.fields.size() : field - 1;
    }
    return state;
}

void Typed(const Tool& tool, FaceState& state, std::size_t field) {
    const Field& typed = tool.fields[field];
    if (typed.role == Role::Either && typed.group > 0 &&
        static_cast<std::size_t>(typed.group) <= kMaxGroups) {
        state.given[typed.group] = field;
    }
}

bool SomeModeNames(const Tool& tool, std::string_view id) {
    return std::any_of(tool.modes.begin(), tool.modes.end(), [id](const Mode& mode) {
        return Lists(mode.given, id) || Lists(mode.optional, id);
    });
}

bool SomeModeGivesGroup(const Tool& tool, int group) {
    return std::any_of(tool.modes.begin(), tool.modes.end(),
                       [group](const Mode& mode) { return ModeHasGroup(mode, group); });
}

bool IsUsed(const Tool& tool, const FaceState& state, std::size_t field) {
    const Field& f = tool.fields[field];
    if (!f.usedWith.empty() && !Chosen(tool, state, f.usedWith)) {
        return false;
    }
    if (tool.modes.empty() || f.role == Role::Output || f.role == Role::Either) {
        return true;
    }
    const Mode& mode = tool.modes[state.mode];
    if (Lists(mode.given, f.id) || Lists(mode.optional, f.id)) {
        return true;
    }
    if (!f.follows.empty()) {
        if (const auto leader = FieldIndex(tool, f.follows)) {
            return IsUsed(tool, state, *leader);
        }
    }
    // A field no mode names is used in every mode (a flowmeter's fluid).
    return !SomeModeNames(tool, f.id);
}

bool IsChoiceUsed(const Tool& tool, const FaceState& state, std::size_t choice) {
    const Choice& c = tool.choices[choice];
    if (!c.usedWith.empty() && !Chosen(tool, state, c.usedWith)) {
        return false;
    }
    if (c.follows.empty()) {
        return true;
    }
    const auto leader = FieldIndex(tool, c.follows);
    return !leader || IsUsed(tool, state, *leader);
}

bool IsGiven(const Tool& tool, const FaceState& state, std::size_t field) {
    const Field& f = tool.fields[field];
    switch (f.role) {
    case Role::Output:
        return false;
    case Role::Either: {
        if (!f.usedWith.empty() && !IsUsed(tool, state, field)) {
            return false;
        }
        const bool typedLast = f.group > 0 && static_cast<std::size_t>(f.group) <= kMaxGroups &&
                               state.given[f.group] == field;
        if (tool.modes.empty()) {
            return typedLast;
        }
        // In a tool with modes, the mode says which are typed, unless no
        // mode names the field or its group (a gas's normal density or molar
        // mass, whichever was typed last).
        const Mode& mode = tool.modes[state.mode];
        if (Lists(mode.given, f.id)) {
            return true;
        }
        const bool governed = SomeModeNames(tool, f.id) || SomeModeGivesGroup(tool, f.group);
        return typedLast && (!governed || ModeHasGroup(mode, f.group));
    }
    default:
        return state.present[field] && IsUsed(tool, state, field);
    }
}

bool IsComputed(const Tool& tool, const FaceState& state, std::size_t field) {
    switch (tool.fields[field].role) {
    case Role::Output:
        return true;
    case Role::Either:
        return IsUsed(tool, state, field) && !IsGiven(tool, state, field);
    default:
        return false;
    }
}

bool TakesTyping(const Tool& tool, const FaceState& state, std::size_t field) {
    const Field& f = tool.fields[field];
    if (f.role != Role::Either || tool.modes.empty()) {
        return f.role != Role::Output;
    }
    const Mode& mode = tool.modes[state.mode];
    if (Lists(mode.given, f.id) || Lists(mode.optional, f.id) || ModeHasGroup(mode, f.group)) {
        return true;
    }
    // Computed where another mode names the field or its group.
    return !SomeModeNames(tool, f.id) && !(f.group > 0 && SomeModeGivesGroup(tool, f.group));
}

std::string ShownUnit(const Tool& tool, const FaceState& state, std::size_t field) {
    const Field& f = tool.fields[field];
    if (!f.unitFrom.empty()) {
        if (const auto owner = FieldIndex(tool, f.unitFrom)) {
            const Field& o = tool.fields[*owner];
            if (o.role == Role::Text) {
                return state.texts[*owner];
            }
            field = *owner;
        } else if (const auto choice = ChoiceIndex(tool, f.unitFrom)) {
            const auto& entries = tool.choices[*choice].entries;
            const std::size_t chosen = state.chosen[*choice];
            return chosen < entries.size() ? std::string(entries[chosen].unit) : std::string();
        }
    }
    const std::vector<UnitRef> units = OfferedUnits(tool, tool.fields[field]);
    if (units.empty()) {
        return std::string(tool.fields[field].unit);
    }
    const std::size_t chosen = state.units[field];
    return std::string(units[chosen < units.size() ? chosen : 0].symbol());
}

namespace {

// The unit a field's text is in, or nullopt for a field without a quantity:
// OfferedUnits' entry at the chosen position, found without building the list
// (a keystroke shows every computed field).
std::optional<UnitRef> UnitOf(const Tool& tool, const FaceState& state, std::size_t field) {
    const Field& owner = UnitOwner(tool, tool.fields[field]);
    const Quantity* quantity = FindQuantity(owner.quantity);
    if (quantity == nullptr) {
        return std::nullopt;
    }
    const auto ownerIndex = static_cast<std::size_t>(&owner - tool.fields.data());
    const std::size_t chosen = state.units[ownerIndex];
    const FieldGroup& group = *quantity->group;
    if (owner.allUnits) {
        return UnitRef{quantity, chosen < group.size() ? chosen : 0};
    }
    const std::string_view symbol = chosen < owner.units.size() ? owner.units[chosen]
                                    : owner.units.empty()       ? owner.unit
                                                                : owner.units.front();
    return UnitRef{quantity, group.indexOf(symbol)};
}

} // namespace

Reading Read(const Tool& tool, const FaceState& state, NumberRule rule) {
    Reading reading;
    Request& request = reading.request;
    request.mode = state.mode;
    for (std::size_t i = 0; i < tool.choices.size(); ++i) {
        request.chosen[i] = std::min(state.chosen[i], tool.choices[i].entries.size() - 1);
    }
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        const Field& field = tool.fields[i];
        request.given[i] = IsGiven(tool, state, i);
        if (!request.given[i] || field.role == Role::Text) {
            continue;
        }
        const std::string& text = state.texts[i];
        if (rule == NumberRule::Strict && !WholeNumber(text)) {
            reading.fault = {"tool.not-a-number", Severity::Refused};
            reading.field = i;
            return reading;
        }
        double value = ParseNumber(text);
        if (const auto unit = UnitOf(tool, state, i)) {
            value = ToComputeUnit(field, *unit, value);
        }
        if (!field.range.Holds(value) && std::isfinite(value) && !field.rangeCheckedByTool) {
            reading.fault = {field.rangeTextId.empty() ? "tool.value-outside" : field.rangeTextId,
                             Severity::Refused};
            reading.field = i;
            return reading;
        }
        request.values[i] = value;
    }
    return reading;
}

Shown ShowValue(const Tool& tool, const FaceState& state, std::size_t field, double value) {
    const Field& f = tool.fields[field];
    if (!f.entries.empty()) {
        const auto entry = static_cast<std::size_t>(value);
        if (value >= 0.0 && entry < f.entries.size()) {
            return {std::string(f.entries[entry].Shown()), f.entries[entry].textId};
        }
        return {};
    }
    if (const auto unit = UnitOf(tool, state, field)) {
        value = FromComputeUnit(f, *unit, value);
    }
    if (!std::isfinite(value)) {
        return {{}, {}, false, value};
    }
    return {FormatFixed(WithoutNegativeZero(value, f.decimals), {0, f.decimals}), {}, true, value};
}

Answer Evaluate(const Tool& tool, const FaceState& state, NumberRule rule) {
    Answer answer;
    const Reading reading = Read(tool, state, rule);
    if (reading.fault) {
        answer.fault = reading.fault;
        answer.faultField = reading.field;
        return answer;
    }
    const Result result = tool.compute(tool, reading.request);
    answer.fault = result.fault;
    answer.notes = result.notes;
    answer.noteCount = result.noteCount;
    answer.columnIds = result.columnIds;
    answer.columnCount = result.columnIds.empty() ? 1 : result.columnIds.size();
    for (std::size_t c = 0; c < answer.columnCount; ++c) {
        const Column& column = result.columns[c];
        answer.columnFaults[c] = column.fault;
        for (std::size_t i = 0; i < tool.fields.size(); ++i) {
            if (!column.values[i] || reading.request.given[i]) {
                continue;
            }
            // A result can be finite in its compute unit and not in the unit
            // it is shown in.
            const Shown shown = ShowValue(tool, state, i, *column.values[i]);
            if (!shown.finite) {
                answer.fault = {"tool.not-finite", Severity::OutOfRange};
                continue;
            }
            answer.shown[c][i] = shown;
            answer.computed[c][i] = true;
        }
    }
    return answer;
}

} // namespace velmaro::tools
