// The tool-columns style of a tool window: a framed column per tool, its
// caption the tool's title, with a row per field or list in the tool's order
// and the label to the right of each; the verdict line under the rows; the
// close button under the columns. Dialog units.

#include "res/tool_window_layout.h"

#include <algorithm>

namespace velmaro::res {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::kNoId;
using fw::kStyleTabStop;

constexpr int kColumnWidth = 172; // a list's label fits beside it in either language
constexpr int kColumnGap = 5;
constexpr int kTop = 4;
constexpr int kFirstRow = kTop + 13;
constexpr int kRowPitch = 18;
constexpr int kFieldInset = 6;
constexpr int kEditWidth = 62;
constexpr int kListWidth = 110;
constexpr int kListHeight = 120; // with the opened list
constexpr int kLabelGap = 4;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

constexpr int ColumnLeft(int column) {
    return kColumnGap + column * (kColumnWidth + kColumnGap);
}
constexpr int RowTop(int row) {
    return kFirstRow + row * kRowPitch;
}

// The label to the right of a field or list `fieldWidth` wide.
ControlTemplate LabelOf(int column, int row, std::string_view textId, int fieldWidth) {
    const int x = ColumnLeft(column) + kFieldInset + fieldWidth + kLabelGap;
    return {kNoId,
            ControlKind::Label,
            fw::TextId(textId),
            {x, RowTop(row) + 1, ColumnLeft(column) + kColumnWidth - 3 - x, 10}};
}

} // namespace

ToolWindowLayout ToolColumnsLayout(const ToolColumnsWindow& window) {
    ToolWindowLayout layout;
    std::vector<std::vector<ToolItem>> items;
    int rows = 0;
    for (const ToolColumn& column : window.columns) {
        layout.tools.push_back(column.tool);
        items.push_back(WindowItems(*column.tool));
        rows = std::max(rows, static_cast<int>(items.back().size()) + 1); // and its verdict
    }
    const int columns = static_cast<int>(window.columns.size());
    const int columnHeight = kFirstRow - kTop + rows * kRowPitch + 4;
    const int buttonTop = kTop + columnHeight + 6;
    const int width = columns * kColumnWidth + (columns + 1) * kColumnGap;
    const int height = buttonTop + kButtonHeight + 6;

    // Tab order is template order: each column from the top, a field before
    // its label; the frames come last so the fields lie over them.
    for (int c = 0; c < columns; ++c) {
        const auto t = static_cast<std::size_t>(c);
        const tools::Tool& tool = *window.columns[t].tool;
        const auto add = [&](const ControlTemplate& control, ToolPart part, std::size_t index) {
            layout.controls.push_back(control);
            layout.parts.push_back({control.id, part, t, index, 0, NameTextId(tool, part, index)});
        };
        int id = window.columns[t].firstControlId;
        int row = 0;
        const int x = ColumnLeft(c) + kFieldInset;
        for (const ToolItem& item : items[t]) {
            const std::string_view nameId = NameTextId(tool, item.part, item.index);
            if (item.part == ToolPart::Field) {
                const bool readOnly = tool.fields[item.index].role == tools::Role::Output;
                add({id++,
                     ControlKind::Edit,
                     "",
                     {x, RowTop(row), kEditWidth, 12},
                     kStyleTabStop | (readOnly ? fw::kStyleReadOnly : fw::kStyleNone)},
                    item.part, item.index);
                layout.controls.push_back(LabelOf(c, row, nameId, kEditWidth));
            } else {
                add({id++,
                     ControlKind::DropDownList,
                     "",
                     {x, RowTop(row), kListWidth, kListHeight},
                     kStyleTabStop},
                    item.part, item.index);
                layout.controls.push_back(LabelOf(c, row, nameId, kListWidth));
            }
            ++row;
        }
        add({id, ControlKind::Label, "", {x, RowTop(row) + 2, kColumnWidth - 2 * kFieldInset, 10}},
            ToolPart::Verdict, 0);
    }
    layout.controls.push_back(
        {window.closeId,
         ControlKind::PushButton,
         fw::TextId(window.closeTextId),
         {width - kColumnGap - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight},
         kStyleTabStop});
    layout.closeId = window.closeId;
    for (int c = 0; c < columns; ++c) {
        layout.controls.push_back(
            {kNoId,
             ControlKind::GroupBox,
             fw::TextId(window.columns[static_cast<std::size_t>(c)].tool->titleTextId),
             {ColumnLeft(c), kTop, kColumnWidth, columnHeight}});
    }
    layout.dialogTemplate = {window.templateId,
                             fw::TextId(window.titleTextId),
                             width,
                             height,
                             fw::TextId("font.dialog"),
                             9,
                             fw::kDialogNone,
                             layout.controls};
    return layout;
}

} // namespace velmaro::res
