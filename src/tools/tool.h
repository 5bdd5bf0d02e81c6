#pragma once

// A tool as every face shows it: the water and steam window, the instrument
// tools, the command line's tool modes and the page's tool panels are all
// laid out, read and answered from one declaration of this shape. A tool
// declares its fields (what is typed and what is computed, each with its
// quantity, units, first text, valid range and printed decimals), the lists
// to choose from, its input modes and the columns of its results, and one
// compute function from numbers in the fields' own units to numbers in the
// same units, or to a fault named by the id of its text.
//
// The declaration is data: constexpr tables in each tool's own file
// (steam_tool.cpp, cold_junction_tool.cpp, ...). Texts are named by id; the
// texts themselves live with the program's other texts.

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

namespace velmaro::tools {

// One entry of a list: a choice's option, a mode, a column, an enumerated
// result (a phase).
struct Entry {
    // How the command line and JSON spell it: "K", "gauge", "compressed
    // liquid". Stable: scripts rely on it.
    std::string_view id = {};
    // Its text in the windows and the page; empty: `shown`, or the id, is
    // shown as it is (a unit symbol, a sensor type, "4 ~ 20 mA").
    std::string_view textId = {};
    std::string_view shown = {};
    // The unit an entry gives the fields that take their unit from its list
    // (a signal range's mA or V).
    std::string_view unit = {};
    // The numbers the entry stands for in the fields of the option group
    // beside its list (a signal range's ends), in the group's order.
    std::span<const double> values = {};

    constexpr std::string_view Shown() const { return shown.empty() ? id : shown; }
};

// A closed interval of valid values, in the field's compute unit. A value
// outside is refused before the compute function sees it.
struct Range {
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();

    constexpr bool Holds(double x) const { return x >= low && x <= high; }
};

// Which faces show a field: some exist for the command line only (a custom
// signal range the window offers as a list instead).
enum Faces : unsigned {
    kWindow = 1U << 0,
    kPage = 1U << 1,
    kCommandLine = 1U << 2,
    kEveryFace = kWindow | kPage | kCommandLine,
};

// Whether what is declared for `faces` is on `face`.
constexpr bool OnFace(unsigned faces, Faces face) {
    return (faces & face) != 0U;
}

enum class Role {
    Input,  // always typed
    Either, // typed, or computed when another field of its group was typed last
    Output, // only computed: read-only wherever it is shown
    Text,   // typed free text the compute function does not read (a unit's name)
};

struct Field {
    // Stable name: the command line's option (--id) unless `option` names
    // others, the page's control key, the key in requests.
    std::string_view id = {};
    std::string_view labelTextId = {};
    Role role = Role::Input;
    // The catalogue quantity whose units the field takes ("pressure"), or
    // empty for a number in the one unit `unit` names.
    std::string_view quantity = {};
    // The unit the compute function reads and writes the field in: a symbol
    // of `quantity`, or the printed unit of a field without a quantity ("" for
    // a pure number).
    std::string_view unit = {};
    // The units offered, by symbol; empty: only `unit`, or every unit of
    // `quantity` when `allUnits` is set.
    std::span<const std::string_view> units = {};
    bool allUnits = false;
    // The unit chosen first; empty: `unit`.
    std::string_view startUnit = {};
    // The worked example the tool opens on; empty for a computed field.
    std::string_view start = {};
    Range range = {};
    // Printed decimals, in whatever unit the field is shown.
    int decimals = 6;
    // The field's key in JSON, its unit named in it ("p_MPa"); values in
    // JSON are always in `unit`.
    std::string_view jsonKey = {};
    // The name before the value in the command line's plain output ("p").
    std::string_view symbol = {};
    // Either fields of one group (1, 2, ...) take turns being the given one.
    int group = 0;
    // Command-line option names besides --id, separated by '|'.
    std::string_view options = {};
    // Enumerated results (a phase): the value is an index into these.
    std::span<const Entry> entries = {};
    unsigned faces = kEveryFace;
    // The command line's primary input: "-" reads it from standard input.
    bool primary = false;
    // The command line takes `start` when the option is left out (the
    // ambient pressure, Z, the low-flow cut-off). Otherwise an input with a
    // start text must be given there; one without is left out of the request.
    bool startIfLeftOut = false;
    // Where the field's unit comes from instead: the field whose unit list it
    // shares (the flows of one tool), a text field that names it (a
    // transmitter's engineering unit), or the list whose entry gives it (a
    // signal in mA or V).
    std::string_view unitFrom = {};
    // The label of the field's unit list: its caption where a face shows the
    // list on a row of its own, and the name it is read out by.
    std::string_view unitLabelTextId = {};
    // The faces that offer the unit list; the others show the start unit.
    unsigned unitFaces = kEveryFace;
    // The field this one goes with: it is used whenever that one is (the
    // ambient pressure a gauge pressure lies over).
    std::string_view follows = {};
    // The text that says why a value outside `range` is refused.
    std::string_view rangeTextId = {};
    // The compute function refuses a value outside `range` itself, for the
    // results that need it only (the wet state's quality beside the saturated
    // pair); Read passes it on.
    bool rangeCheckedByTool = false;
    // The command line may leave out an input that has a start text: the
    // compute function then sees it not given (the gas flow's line pressure
    // and temperature, without which the flows at normal and standard
    // conditions are still restated).
    bool commandLineOptional = false;
    // A result the command line writes in JSON only: its plain output shows
    // it already in another unit (the mass flow in kg/h beside qm).
    bool jsonOnly = false;
    // JSON leaves the key out, rather than null, where the result has no
    // value (the saturation temperature above the critical pressure).
    bool jsonOmitsNone = false;
    // The list entry the field is used with, as "list=entry" or
    // "list=entry|entry": it is used only while one of them is chosen (a
    // flow's cut-off with the square root).
    std::string_view usedWith = {};
    // The command line writes the field's units with this prefix, which
    // tells the field from the others of its group ("N" for Nm3/h: a volume
    // flow at normal conditions); it may be typed without.
    std::string_view unitPrefix = {};
};

struct Choice {
    std::string_view id = {}; // the command line's option, the request's key
    std::string_view labelTextId = {};
    std::span<const Entry> entries = {};
    // Chosen first in the windows and the page, and on the command line.
    std::size_t start = 0;
    std::size_t commandLineStart = 0;
    // Each entry is also a command-line flag of its id, as in --gauge; the
    // option --id ENTRY works always.
    bool entriesAsFlags = false;
    // The field this list qualifies (a pressure's gauge or absolute): it is
    // used whenever that field is.
    std::string_view follows = {};
    unsigned faces = kEveryFace;
    // As Field::usedWith: the list is used only with another list's entry (an
    // orifice plate's tappings).
    std::string_view usedWith = {};
    // The command line must be given it: no entry goes without saying (a
    // thermocouple's type, a flowmeter's device and fluid).
    bool commandLineRequired = false;
};

// An input mode: which fields are typed; the others that it lists as
// optional may be typed too. A field that no mode names is typed in every
// mode. A tool without modes is given by typing: the
// field of each Either group typed last is the given one.
struct Mode {
    Entry entry = {};
    unsigned faces = kEveryFace;
    std::span<const std::string_view> given = {};
    std::span<const std::string_view> optional = {};
    // The command-line flag that asks for this mode when its fields alone
    // leave a choice (--saturation).
    std::string_view flag = {};
    // The result columns this mode fills, by id (one column when empty).
    std::span<const std::string_view> columns = {};
    // Either groups whose field typed last is given in this mode; the
    // group's other fields, and every Either field the mode does not list,
    // are computed.
    std::span<const int> groups = {};
};

// A command-line option for a group of Either fields, as in --flow Q UNIT:
// the unit picks the field (kg/h a mass flow, m3/h a volume flow, Nm3/h one
// at normal conditions).
struct GroupOption {
    std::string_view option = {};
    int group = 0;
};

// The command line's spelling of several fields in one option, as in
// --range LRV URV [UNIT]: the fields in order, the last ones optional; a
// "<field>:unit" is that field's unit, which its group's fields share
// (--dp-range LO HI [UNIT]).
struct OptionGroup {
    std::string_view option = {};
    std::span<const std::string_view> fields = {};
    std::size_t required = 0;
    // The list the group stands beside under the same option: one value
    // names an entry (--signal-range 4-20mA); numbers that are an entry's
    // `values` choose that entry, and a last text field names the unit of
    // the entry chosen (--signal-range 0 10 V).
    std::string_view choice = {};
};

// Why a tool gave no result, with the exit status class the command line
// gives it. An empty text id means no fault.
enum class Severity {
    Refused,    // the input makes no sense: status 2
    OutOfRange, // the input lies outside what the formulas hold: status 3
    Advice,     // a result is shown all the same; status 0
};

struct Fault {
    std::string_view textId = {};
    Severity severity = Severity::Refused;

    constexpr explicit operator bool() const { return !textId.empty(); }
};

// The most fields a tool has, the most result columns and verdicts.
inline constexpr std::size_t kMaxFields = 48;
inline constexpr std::size_t kMaxChoices = 8;
inline constexpr std::size_t kMaxColumns = 3;
inline constexpr std::size_t kMaxNotes = 8;

// What the compute function is asked: numbers in each field's compute unit,
// by the field's position; which of them were typed; the chosen entry of
// each list; the mode.
struct Request {
    std::size_t mode = 0;
    std::array<double, kMaxFields> values{};
    std::array<bool, kMaxFields> given{};
    std::array<std::size_t, kMaxChoices> chosen{};
};

// One column of results: every field the tool computed, by position, in its
// compute unit; a column can be out of range on its own (the wet state of a
// saturation whose quality is refused).
struct Column {
    std::array<std::optional<double>, kMaxFields> values{};
    Fault fault;
};

struct Result {
    std::array<Column, kMaxColumns> columns{};
    // The column ids this result fills, in order; the tool's only column when
    // empty.
    std::span<const std::string_view> columnIds = {};
    // The verdict under the results. Columns still hold what could be
    // computed: a column's own fault says which did not.
    Fault fault;
    // Verdicts shown beside the results: a signal outside its range, a
    // limit of a standard broken.
    std::array<Fault, kMaxNotes> notes{};
    std::size_t noteCount = 0;

    void Note(Fault note) {
        if (noteCount < notes.size()) {
            notes[noteCount++] = note;
        }
    }
};

struct Tool;
using Compute = Result (*)(const Tool& tool, const Request& request);

struct Tool {
    // The command line's subcommand, the page's panel key: "steam".
    std::string_view id = {};
    std::string_view titleTextId = {};
    std::span<const Field> fields = {};
    std::span<const Choice> choices = {};
    std::span<const Mode> modes = {};
    // Result columns with their headings ("liquid", "vapour").
    std::span<const Entry> columns = {};
    Compute compute = nullptr;
    std::span<const OptionGroup> optionGroups = {};
    std::span<const GroupOption> groupOptions = {};
    // The order the windows and the page lay out and tab through the inputs,
    // by id: fields, lists, and a field's unit list as "<field>:unit". When
    // empty: the mode list, then each field with its unit list and the lists
    // that follow it, then the other lists.
    std::span<const std::string_view> order = {};
    // The label of the mode list, and the caption over the result columns,
    // where a face shows them.
    std::string_view modeLabelTextId = {};
    std::string_view resultsTextId = {};
    // What a result column shows for a value its state does not have (the
    // heat capacities of wet steam); empty: nothing.
    std::string_view noValueTextId = {};
    // The command line's JSON keys of the advice notes (a flowmeter's broken
    // limits: "limits", always a list) and of a flag that is true when there
    // is none ("within_limits"); without them, "notes" holds any advice.
    std::string_view adviceJsonKey = {};
    std::string_view noAdviceJsonKey = {};
};

// A field or choice by its id, or nullopt.
std::optional<std::size_t> FieldIndex(const Tool& tool, std::string_view id);
std::optional<std::size_t> ChoiceIndex(const Tool& tool, std::string_view id);

// The heading's text id of the result column `id`, or "" for a column the
// tool does not have.
std::string_view ColumnTextId(const Tool& tool, std::string_view id);

// The field whose unit list "<field>:unit" names (in Tool::order or an
// option group), or "" for any other id.
std::string_view UnitListField(std::string_view id);

// The position of `id`, which the tool's own code names and which must
// exist (the tool catalogue's test holds every id a compute function names).
std::size_t FieldAt(const Tool& tool, std::string_view id);
std::size_t ChoiceAt(const Tool& tool, std::string_view id);

} // namespace velmaro::tools
