#pragma once

// Tool windows laid out from the tool model (tools/tool.h): the template of
// the window, made at run time from a tool's fields, lists and result
// columns, and the map that says which part of which tool each control
// shows. Two styles: a results table (the water and steam window: rows of
// inputs over a table of results) and tool columns (the instrument window:
// one framed column per tool).

#include "framework/dialog_template.h"
#include "tools/tool.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace velmaro::res {

// The text of `id` as the tool windows show it, in the language in use: in
// their lists, verdicts, results and the names a screen reader reads. Their
// templates name their texts by id (fw::TextId), which the framework looks
// up the same way when it makes a window: the layouts hold no text, and a
// window opened after the language was switched speaks the new one.
std::string_view ToolWindowText(std::string_view id);

// The text of a list entry: its text, or what it shows as it is (a unit, a
// signal range).
std::string_view EntryText(const tools::Entry& entry);

// The parts of a tool a window control shows.
enum class ToolPart {
    Field,      // a field's text, in an edit
    UnitList,   // the units of the field `index`
    ChoiceList, // the tool's list `index`
    ModeList,   // the input modes a window offers (WindowModes)
    Verdict,    // verdict line `column`: why there is no result, or what to mind
    Heading,    // the heading of result column `column`
    Result,     // the output field `index` in result column `column`
};

struct ToolControl {
    int id = fw::kNoId;
    ToolPart part = ToolPart::Field;
    std::size_t tool = 0; // the window's tool, by position
    std::size_t index = 0;
    std::size_t column = 0;
    // What a screen reader names the control by: its label's text id.
    std::string_view nameTextId = {};
};

// A window's template with the map of its controls. Made once and kept while
// windows of it exist: the template points into its own control list.
struct ToolWindowLayout {
    ToolWindowLayout() = default;
    ToolWindowLayout(const ToolWindowLayout&) = delete;
    ToolWindowLayout& operator=(const ToolWindowLayout&) = delete;
    ToolWindowLayout(ToolWindowLayout&&) = default;
    ToolWindowLayout& operator=(ToolWindowLayout&&) = default;
    ~ToolWindowLayout() = default;

    std::vector<const tools::Tool*> tools;
    std::vector<fw::ControlTemplate> controls;
    std::vector<ToolControl> parts;
    fw::DialogTemplate dialogTemplate;
    int closeId = fw::kNoId;
};

// The modes a window offers, by their position in the tool's modes.
std::vector<std::size_t> WindowModes(const tools::Tool& tool);

// The results-table style. Controls are numbered in tab order from
// `firstControlId` (the mode list, each field with its lists, the close
// button, the verdict lines); result cells are `firstResultId` + column *
// `resultStride` + row, row 0 the column's heading and row r the r-th output.
// The input rows fill `inputColumns` columns from the top, the first ones
// taking a row more; a table of one result column stands in as many bands.
// The verdict lines say why there is no result, or each note beside it.
// With `fitCaptions`, a column of captions is as wide as its widest in either
// language; else each is the style's fixed width (the water and steam
// window's, which its captions were written for).
struct ResultsTableWindow {
    int templateId = fw::kNoId;
    std::string_view closeTextId;
    int firstControlId = 0;
    int firstResultId = 0;
    int resultStride = 0;
    int inputColumns = 1;
    int verdictLines = 1;
    bool fitCaptions = false;
};
ToolWindowLayout ResultsTableLayout(const tools::Tool& tool, const ResultsTableWindow& window);

// The tool-columns style: one column per tool, its inputs in the tool's
// order numbered from `firstControlId`, its verdict line after them.
struct ToolColumn {
    const tools::Tool* tool = nullptr;
    int firstControlId = 0;
};
struct ToolColumnsWindow {
    int templateId = fw::kNoId;
    std::string_view titleTextId;
    std::string_view closeTextId;
    int closeId = fw::kNoId;
    std::span<const ToolColumn> columns;
};
ToolWindowLayout ToolColumnsLayout(const ToolColumnsWindow& window);

// What a window lays out of a tool, in its tab order: a field, a field's unit
// list, or a list, as tools::Layout has them for the windows (the mode list
// aside, which the window lays out itself).
struct ToolItem {
    ToolPart part = ToolPart::Field; // Field, UnitList or ChoiceList
    std::size_t index = 0;
};
std::vector<ToolItem> WindowItems(const tools::Tool& tool);

// The text id of the name a control of `part` is read out by: its label's.
std::string_view NameTextId(const tools::Tool& tool, ToolPart part, std::size_t index);

} // namespace velmaro::res
