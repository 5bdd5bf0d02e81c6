#pragma once

// A tool between keystrokes, as every face holds it: the text of each field,
// the unit chosen for it, the entry chosen in each list, the mode, and which
// field of each group was typed last. Evaluate reads the texts as a field
// reads them (or strictly), brings them into the tool's compute units by the
// units' definitions, computes, and gives back the text each computed field
// shows: the windows, the page and the command line's plain output all show
// these texts, so a result reads the same wherever it is computed.

#include "convert/unit_symbols.h"
#include "tools/tool.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmaro::tools {

inline constexpr std::size_t kMaxGroups = 4;

struct FaceState {
    std::size_t mode = 0;
    std::array<std::string, kMaxFields> texts{};
    // Which fields hold a value: the command line's given options; in the
    // windows and the page every field a face shows.
    std::array<bool, kMaxFields> present{};
    // The unit of each field, by its position in OfferedUnits.
    std::array<std::size_t, kMaxFields> units{};
    std::array<std::size_t, kMaxChoices> chosen{};
    // By group number: the field typed last.
    std::array<std::size_t, kMaxGroups + 1> given{};
};

// The tool's worked example as `face` (kWindow, kPage or kCommandLine) opens
// it: first texts, units, entries and mode, and the Either field with a first
// text given in each group.
FaceState StartState(const Tool& tool, Faces face);

// `field` was typed into: in its group it becomes the given one.
void Typed(const Tool& tool, FaceState& state, std::size_t field);

// Whether some mode of `tool` names the field `id` among those it is given
// or may be given, and whether some mode is given group `group`: what a mode
// does not govern, the lists and what was typed last decide.
bool SomeModeNames(const Tool& tool, std::string_view id);
bool SomeModeGivesGroup(const Tool& tool, int group);

// Whether a field or a list is used in the state's mode and with the entries
// chosen in its lists (the windows grey the others) and, for a field, whether
// its text is read rather than written.
bool IsUsed(const Tool& tool, const FaceState& state, std::size_t field);
bool IsChoiceUsed(const Tool& tool, const FaceState& state, std::size_t choice);
bool IsGiven(const Tool& tool, const FaceState& state, std::size_t field);

// Whether a face takes typing into `field` in the state's mode: an input, an
// Either field the mode gives, or one of a group whose field typed last the
// mode gives (or that no mode governs). An Either field the mode computes is
// shown read-only, as an output is.
bool TakesTyping(const Tool& tool, const FaceState& state, std::size_t field);

// Whether a face writes into `field` what the tool computed (nothing where it
// computed none): an output, or an Either field the state uses and does not
// give. A field the state does not use keeps its text for when it is used
// again (a gas's normal density while the fluid is water).
bool IsComputed(const Tool& tool, const FaceState& state, std::size_t field);

// The unit `field` is shown in: the chosen unit's symbol, the text of the
// field that names it, or the unit of the chosen list entry.
std::string ShownUnit(const Tool& tool, const FaceState& state, std::size_t field);

// How numbers are read: leniently, as a unit field reads its text (the
// leading number counts, text without one is 0), or strictly (a number and
// nothing else, blanks around it aside).
enum class NumberRule { Lenient, Strict };

// The request the state makes, or the fault that stops it before the
// compute function: a text that is not a number under the strict rule
// ("tool.not-a-number", with the field), a value outside its field's range.
struct Reading {
    Request request;
    Fault fault;
    std::size_t field = 0; // the field the fault is about
};
Reading Read(const Tool& tool, const FaceState& state, NumberRule rule);

// One computed value as text: the number in the field's shown unit with the
// field's decimals (never "-0.000"), or the text id of an enumerated result.
struct Shown {
    std::string text;
    std::string_view textId;
    bool finite = true;  // false: too large to show in its unit (no text)
    double number = 0.0; // the value in its shown unit (not for an entry)
};

struct Answer {
    Fault fault;                        // the verdict under the results
    std::size_t faultField = 0;         // with Read's faults
    std::array<Fault, kMaxNotes> notes; // verdicts beside results that stand
    std::size_t noteCount = 0;
    // Column ids, or the tool's one column when empty.
    std::span<const std::string_view> columnIds;
    std::size_t columnCount = 0;
    std::array<Fault, kMaxColumns> columnFaults;
    // By column and field: what a computed field shows; empty text and text
    // id where the field was not computed (or was given).
    std::array<std::array<Shown, kMaxFields>, kMaxColumns> shown;
    std::array<std::array<bool, kMaxFields>, kMaxColumns> computed{};
};

Answer Evaluate(const Tool& tool, const FaceState& state, NumberRule rule = NumberRule::Lenient);

// The text a computed value shows in `field` (Evaluate's rule).
Shown ShowValue(const Tool& tool, const FaceState& state, std::size_t field, double value);

} // namespace velmaro::tools
