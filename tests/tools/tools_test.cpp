// Every tool's declaration holds together, opens on a worked example that
// computes, and gives the printed digits of its cases through the one rule
// every face uses.

#include "instruments/signal_ranges.h"
#include "res/texts/texts.h"
#include "tools/evaluate.h"
#include "tools/field_units.h"
#include "tools/layout.h"
#include "tools/tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro::tools {
namespace {

bool Known(const Tool& tool, std::string_view id) {
    const std::string_view field = id.substr(0, id.find(':'));
    return FieldIndex(tool, field) || ChoiceIndex(tool, id);
}

// Whether "<list>=<entry>" names an entry of a list of the tool.
bool NamesEntry(const Tool& tool, std::string_view choice) {
    const std::size_t equals = choice.find('=');
    const auto list = ChoiceIndex(tool, choice.substr(0, equals));
    if (!list || equals == std::string_view::npos) {
        return false;
    }
    // Every entry of "list=a|b" is one of the list's.
    const auto& entries = tool.choices[*list].entries;
    for (std::string_view rest = choice.substr(equals + 1); !rest.empty();) {
        const std::string_view entry = rest.substr(0, rest.find('|'));
        if (std::none_of(entries.begin(), entries.end(),
                         [&](const Entry& e) { return e.id == entry; })) {
            return false;
        }
        rest = entry.size() < rest.size() ? rest.substr(entry.size() + 1) : std::string_view();
    }
    return true;
}

void ExpectText(std::string_view id) {
    if (!id.empty()) {
        EXPECT_FALSE(texts::Lookup(id).empty()) << "no text " << id;
    }
}

// Every name a declaration uses exists: texts, fields, lists, units.
TEST(Tools, DeclarationsHoldTogether) {
    for (const Tool* tool : AllTools()) {
        SCOPED_TRACE(tool->id);
        EXPECT_EQ(FindTool(tool->id), tool);
        ExpectText(tool->titleTextId);
        ExpectText(tool->modeLabelTextId);
        ExpectText(tool->resultsTextId);
        ExpectText(tool->noValueTextId);
        ASSERT_LE(tool->fields.size(), kMaxFields);
        ASSERT_LE(tool->choices.size(), kMaxChoices);
        // Every field and list has an id of its own: the faces name controls by it.
        std::set<std::string_view> ids;
        for (const Field& field : tool->fields) {
            EXPECT_TRUE(ids.insert(field.id).second) << field.id;
        }
        for (const Choice& choice : tool->choices) {
            EXPECT_TRUE(ids.insert(choice.id).second) << choice.id;
        }
        for (const Field& field : tool->fields) {
            SCOPED_TRACE(field.id);
            ExpectText(field.labelTextId);
            ExpectText(field.unitLabelTextId);
            ExpectText(field.rangeTextId);
            for (const Entry& entry : field.entries) {
                ExpectText(entry.textId);
            }
            for (const std::string_view id : {field.unitFrom, field.follows}) {
                EXPECT_TRUE(id.empty() || Known(*tool, id)) << id;
            }
            EXPECT_TRUE(field.usedWith.empty() || NamesEntry(*tool, field.usedWith))
                << field.usedWith;
            if (!field.quantity.empty()) {
                ASSERT_TRUE(ComputeUnit(field).has_value());
                EXPECT_LT(ComputeUnit(field)->index, ComputeUnit(field)->quantity->group->size());
                for (const UnitRef& unit : OfferedUnits(*tool, field)) {
                    EXPECT_LT(unit.index, unit.quantity->group->size());
                }
            }
        }
        for (const Choice& choice : tool->choices) {
            ExpectText(choice.labelTextId);
            EXPECT_LT(choice.start, choice.entries.size());
            EXPECT_LT(choice.commandLineStart, choice.entries.size());
            for (const Entry& entry : choice.entries) {
                ExpectText(entry.textId);
            }
        }
        for (const Mode& mode : tool->modes) {
            ExpectText(mode.entry.textId);
            for (const auto& ids : {mode.given, mode.optional}) {
                for (const std::string_view id : ids) {
                    EXPECT_TRUE(FieldIndex(*tool, id)) << id;
                }
            }
        }
        // Every face heads a column by its text.
        for (const Entry& column : tool->columns) {
            EXPECT_FALSE(column.textId.empty()) << column.id;
            ExpectText(column.textId);
        }
        for (const std::string_view id : tool->order) {
            EXPECT_TRUE(Known(*tool, id)) << id;
        }
        for (const OptionGroup& group : tool->optionGroups) {
            for (const std::string_view id : group.fields) {
                EXPECT_TRUE(Known(*tool, id)) << id;
            }
            EXPECT_TRUE(group.choice.empty() || ChoiceIndex(*tool, group.choice)) << group.choice;
        }
    }
    // The transmitter's list shows the signal ranges as the core holds them.
    const Choice& ranges = kTransmitterTool.choices[*ChoiceIndex(kTransmitterTool, "signal-range")];
    ASSERT_EQ(ranges.entries.size(), instruments::SignalRanges().size());
    for (std::size_t i = 0; i < ranges.entries.size(); ++i) {
        const instruments::SignalRangeInfo& range = instruments::SignalRanges()[i];
        EXPECT_EQ(ranges.entries[i].id, range.id);
        EXPECT_EQ(ranges.entries[i].shown, instruments::SignalRangeLabel(range));
        EXPECT_EQ(ranges.entries[i].unit, range.unit);
        ASSERT_EQ(ranges.entries[i].values.size(), 2U);
        EXPECT_EQ(ranges.entries[i].values[0], range.span.low);
        EXPECT_EQ(ranges.entries[i].values[1], range.span.high);
    }
}

// Every field and list a face shows is laid out once: on a row of its own,
// or as a row of the tool's results table.
TEST(Tools, LayoutPlacesEveryControlOnce) {
    for (const Tool* tool : AllTools()) {
        for (const Faces face : {kWindow, kPage}) {
            SCOPED_TRACE(std::string(tool->id) + (face == kPage ? " page" : " window"));
            std::vector<int> fields(tool->fields.size());
            std::vector<int> units(tool->fields.size());
            std::vector<int> choices(tool->choices.size());
            for (const Row& row : Layout(*tool, face)) {
                if (row.kind != Row::Kind::Modes) {
                    ++(row.kind == Row::Kind::Field   ? fields
                       : row.kind == Row::Kind::Units ? units
                                                      : choices)[row.index];
                }
            }
            for (const std::size_t field : ResultRows(*tool)) {
                ++fields[field];
            }
            for (std::size_t i = 0; i < tool->fields.size(); ++i) {
                EXPECT_EQ(fields[i], (tool->fields[i].faces & face) != 0U ? 1 : 0)
                    << tool->fields[i].id;
                EXPECT_EQ(units[i], HasUnitList(*tool, i, face) ? 1 : 0) << tool->fields[i].id;
            }
            for (std::size_t i = 0; i < tool->choices.size(); ++i) {
                EXPECT_EQ(choices[i], 1) << tool->choices[i].id;
            }
        }
    }
}

// What a case types: a field's text and, optionally, its unit by symbol; a
// list's entry by id; the mode by id.
struct Typing {
    std::string_view id;
    std::string_view text;
    std::string_view unit = {};
};

struct Case {
    std::string_view tool;
    std::string_view mode;
    std::vector<Typing> typed;
    // Expected: "field=text" shown in the first column, "!text id" the verdict,
    // "column:field=text" another column's, "~id" a field or list not used.
    std::vector<std::string_view> expected;
};

void Apply(const Tool& tool, FaceState& state, const Typing& typing) {
    if (const auto choice = ChoiceIndex(tool, typing.id)) {
        const auto& entries = tool.choices[*choice].entries;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].id == typing.text) {
                state.chosen[*choice] = i;
                return;
            }
        }
        FAIL() << "no entry " << typing.text;
    }
    const auto field = FieldIndex(tool, typing.id);
    ASSERT_TRUE(field) << typing.id;
    state.texts[*field] = std::string(typing.text);
    Typed(tool, state, *field);
    if (!typing.unit.empty()) {
        const std::vector<UnitRef> units = OfferedUnits(tool, tool.fields[*field]);
        for (std::size_t i = 0; i < units.size(); ++i) {
            if (units[i].symbol() == typing.unit) {
                state.units[*field] = i;
            }
        }
    }
}

// clang-format off
const Case kCases[] = {
    // Every tool's worked example.
    {"steam", "", {}, {"T=573.150", "p=1.000000", "h=3051.703", "phase=superheated vapour"}},
    {"cold-junction", "", {}, {"emf=15.396899"}},
    {"transmitter", "", {}, {"value=0.800000", "percent=50.00"}},
    {"gas-flow", "", {}, {"normal-flow=7244.905797", "mass-flow=9367.663195"}},
    // Units by their definitions: 7500.6168 mmHg is 1 MPa, 212 °F is 373.15 K.
    {"steam", "", {{"pressure", "7500.6168", "mmHg"}}, {"p=1.000000"}},
    {"steam", "", {{"pressure", "0.1"}, {"temperature", "212", "°F"}}, {"T=373.150"}},
    // Gauge pressure over the ambient given.
    {"steam", "", {{"pressure-kind", "gauge"}, {"ambient", "100"}}, {"p=1.100000"}},
    // The saturated pair and the wet state between them.
    {"steam", "saturation-by-pressure", {{"quality", "0.5"}},
     {"T=453.036", "x=0.00000", "vapour:x=1.00000", "wet:x=0.50000"}},
    {"steam", "saturation-by-pressure", {{"quality", "1.2"}}, {"!steam.quality-outside"}},
    {"steam", "", {{"pressure", "101"}}, {"!steam.out-of-range"}},
    // The mass flow as the given one gives the volume flows back.
    {"gas-flow", "", {{"mass-flow", "9367.663195"}}, {"normal-flow=7244.905797", "line-flow=1200.000000"}},
    {"gas-flow", "", {{"molar-mass", "28.9647"}}, {"density=1.292261"}},
    {"gas-flow", "", {{"standard", "standard60f"}}, {"standard-flow=7657.467554"}},
    {"gas-flow", "", {{"z", "0"}}, {"!instrument.z-not-positive"}},
    {"transmitter", "", {{"signal", "21"}}, {"value=1.700000", "!instrument.signal-outside"}},
    {"transmitter", "", {{"characteristic", "sqrt"}, {"value", "0.4"}}, {"signal=5.000", "percent=25.00"}},
    // What a mode or a list leaves unused is greyed.
    {"transmitter", "", {}, {"~cut-off"}},
    {"steam", "saturation-by-temperature", {}, {"~pressure", "~pressure-kind", "~ambient", "~enthalpy"}},
    {"cold-junction", "", {{"emf", "-6.4"}, {"cold-junction", "0"}}, {"hot=-249.27"}},
    // One flowmeter per solve: an orifice sized for natural gas, Δp of a
    // long-radius nozzle in a liquid, a Venturi tube in air from its Δp
    // transmitter with the full scale beside.
    {"flow-meter", "bore",
     {{"taps", "flange"}, {"fluid", "gas"}, {"pressure", "5"}, {"temperature", "15"}, {"z", "0.9"},
      {"z-ref", "0.998"}, {"kappa", "1.3"}, {"viscosity", "0.000012"}, {"molar-mass", "17.4"},
      {"normal-flow", "20000"}, {"dp", "50"}},
     {"bore=67.5008", "beta=0.337504", "C=0.598906", "epsilon=0.997270"}},
    {"flow-meter", "dp",
     {{"flow-meter", "long-radius-nozzle"}, {"fluid", "liquid"}, {"pipe-diameter", "100"},
      {"bore", "40"}, {"pressure", "0.5"}, {"density", "998.2"}, {"viscosity", "0.0010016"},
      {"mass-flow", "40000"}},
     {"dp=39.2882", "C=0.985511", "epsilon=1.000000"}},
    {"flow-meter", "signal",
     {{"flow-meter", "venturi"}, {"fluid", "gas"}, {"bore", "90"}, {"pressure", "0.3"},
      {"temperature", "20"}, {"molar-mass", "28.9647"}, {"signal", "14.2"}, {"dp-range-high", "10"}},
     {"mass-flow=4901.1646", "full-scale=6095.4414", "C=0.995000"}},
    {"flow-meter", "", {{"bore", "250"}}, {"!flowmeter.fault.bore-not-below-pipe"}},
};
// clang-format on

TEST(Tools, CasesShowThePrintedDigits) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.tool) + " " + std::string(c.mode));
        const Tool* tool = FindTool(c.tool);
        ASSERT_NE(tool, nullptr);
        FaceState state = StartState(*tool, kWindow);
        for (std::size_t i = 0; i < tool->modes.size(); ++i) {
            if (tool->modes[i].entry.id == c.mode) {
                state.mode = i;
            }
        }
        for (const Typing& typing : c.typed) {
            Apply(*tool, state, typing);
        }
        const Answer answer = Evaluate(*tool, state);
        for (const std::string_view expected : c.expected) {
            if (expected.starts_with('~')) {
                const auto field = FieldIndex(*tool, expected.substr(1));
                const auto choice = ChoiceIndex(*tool, expected.substr(1));
                ASSERT_TRUE(field || choice) << expected;
                EXPECT_FALSE(field ? IsUsed(*tool, state, *field)
                                   : IsChoiceUsed(*tool, state, *choice))
                    << expected;
                continue;
            }
            if (expected.starts_with('!')) {
                bool found = answer.fault.textId == expected.substr(1);
                for (std::size_t i = 0; i < answer.noteCount; ++i) {
                    found = found || answer.notes[i].textId == expected.substr(1);
                }
                EXPECT_TRUE(found) << expected << " (verdict " << answer.fault.textId << ")";
                continue;
            }
            std::size_t column = 0;
            std::string_view rest = expected;
            if (const std::size_t colon = rest.find(':'); colon != std::string_view::npos) {
                const std::string_view id = rest.substr(0, colon);
                rest = rest.substr(colon + 1);
                for (std::size_t i = 0; i < answer.columnIds.size(); ++i) {
                    if (answer.columnIds[i] == id) {
                        column = i;
                    }
                }
            }
            const std::size_t equals = rest.find('=');
            const auto field = FieldIndex(*tool, rest.substr(0, equals));
            ASSERT_TRUE(field) << expected;
            EXPECT_EQ(answer.shown[column][*field].text, rest.substr(equals + 1))
                << expected << " (verdict " << answer.fault.textId << ")";
        }
    }
}

} // namespace
} // namespace velmaro::tools
