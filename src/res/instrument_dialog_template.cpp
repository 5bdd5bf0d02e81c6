#include "res/instrument_dialog_template.h"

#include "res/texts/chinese_tool_texts.h"

#include <iterator>

namespace velmaro::res {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::kNoId;
using fw::kStyleTabStop;

// Three columns, one per tool, each a framed caption over rows of a field
// (or a list) with its label to the right. Dialog units.
constexpr int kColumnWidth = 172; // a list's label, 标准状态 the longest, fits beside it
constexpr int kColumnGap = 5;
constexpr int kTop = 4;
constexpr int kFirstRow = kTop + 13;
constexpr int kRowPitch = 18;
constexpr int kFieldInset = 6;
constexpr int kEditWidth = 62;
constexpr int kListWidth = 110;
constexpr int kLabelGap = 4;
constexpr int kRows = 15; // the gas-flow column: fourteen rows and its message
constexpr int kColumnHeight = kFirstRow - kTop + kRows * kRowPitch + 4;
constexpr int kButtonTop = kTop + kColumnHeight + 6;
constexpr int kButtonHeight = 14;
constexpr int kWindowWidth = 3 * kColumnWidth + 4 * kColumnGap;
constexpr int kWindowHeight = kButtonTop + kButtonHeight + 6;

constexpr int ColumnLeft(int column) {
    return kColumnGap + column * (kColumnWidth + kColumnGap);
}
constexpr int RowTop(int row) {
    return kFirstRow + row * kRowPitch;
}

constexpr ControlTemplate Edit(int id, int column, int row) {
    return {id,
            ControlKind::Edit,
            "",
            {ColumnLeft(column) + kFieldInset, RowTop(row), kEditWidth, 12},
            kStyleTabStop};
}
// The template height of a list includes the opened list.
constexpr ControlTemplate List(int id, int column, int row) {
    return {id,
            ControlKind::DropDownList,
            "",
            {ColumnLeft(column) + kFieldInset, RowTop(row), kListWidth, 120},
            kStyleTabStop};
}
constexpr ControlTemplate LabelOf(int column, int row, std::string_view text, int fieldWidth) {
    const int x = ColumnLeft(column) + kFieldInset + fieldWidth + kLabelGap;
    return {kNoId,
            ControlKind::Label,
            text,
            {x, RowTop(row) + 1, ColumnLeft(column) + kColumnWidth - 3 - x, 10}};
}
constexpr ControlTemplate EditLabel(int column, int row, std::string_view text) {
    return LabelOf(column, row, text, kEditWidth);
}
constexpr ControlTemplate ListLabel(int column, int row, std::string_view text) {
    return LabelOf(column, row, text, kListWidth);
}
// A line for the verdict under a column's fields.
constexpr ControlTemplate Message(int id, int column, int row) {
    return {
        id,
        ControlKind::Label,
        "",
        {ColumnLeft(column) + kFieldInset, RowTop(row) + 2, kColumnWidth - 2 * kFieldInset, 10}};
}
constexpr ControlTemplate Frame(int column, std::string_view caption) {
    return {kNoId,
            ControlKind::GroupBox,
            caption,
            {ColumnLeft(column), kTop, kColumnWidth, kColumnHeight}};
}

// Tab order is template order: each column from the top, a field before its
// label; the frames come last so the fields lie over them.
constexpr ControlTemplate kControls[] = {
    // Cold-junction compensation.
    List(IDC_CJ_TYPE, 0, 0),
    ListLabel(0, 0, texts::ToolText("instrument.cj.type")),
    Edit(IDC_CJ_COLD, 0, 1),
    EditLabel(0, 1, texts::ToolText("instrument.cj.cold")),
    Edit(IDC_CJ_EMF, 0, 2),
    EditLabel(0, 2, texts::ToolText("instrument.cj.emf")),
    Edit(IDC_CJ_HOT, 0, 3),
    EditLabel(0, 3, texts::ToolText("instrument.cj.hot")),
    Message(IDC_CJ_STATUS, 0, 4),
    // Transmitter signals.
    Edit(IDC_TX_LRV, 1, 0),
    EditLabel(1, 0, texts::ToolText("instrument.tx.lrv")),
    Edit(IDC_TX_URV, 1, 1),
    EditLabel(1, 1, texts::ToolText("instrument.tx.urv")),
    Edit(IDC_TX_UNIT, 1, 2),
    EditLabel(1, 2, texts::ToolText("instrument.tx.unit")),
    List(IDC_TX_SIGNAL_RANGE, 1, 3),
    ListLabel(1, 3, texts::ToolText("instrument.tx.signal-range")),
    List(IDC_TX_CHARACTERISTIC, 1, 4),
    ListLabel(1, 4, texts::ToolText("instrument.tx.characteristic")),
    Edit(IDC_TX_CUTOFF, 1, 5),
    EditLabel(1, 5, texts::ToolText("instrument.tx.cut-off")),
    Edit(IDC_TX_SIGNAL, 1, 6),
    EditLabel(1, 6, texts::ToolText("instrument.tx.signal")),
    Edit(IDC_TX_VALUE, 1, 7),
    EditLabel(1, 7, texts::ToolText("instrument.tx.value")),
    Edit(IDC_TX_PERCENT, 1, 8),
    EditLabel(1, 8, texts::ToolText("instrument.tx.percent")),
    Message(IDC_TX_STATUS, 1, 9),
    // Gas flow at reference conditions.
    List(IDC_GAS_FLOW_UNIT, 2, 0),
    ListLabel(2, 0, texts::ToolText("instrument.gas.flow-unit")),
    Edit(IDC_GAS_PRESSURE, 2, 1),
    EditLabel(2, 1, texts::ToolText("instrument.gas.pressure")),
    List(IDC_GAS_PRESSURE_UNIT, 2, 2),
    ListLabel(2, 2, texts::ToolText("instrument.gas.pressure-unit")),
    List(IDC_GAS_PRESSURE_KIND, 2, 3),
    ListLabel(2, 3, texts::ToolText("instrument.gas.pressure-kind")),
    Edit(IDC_GAS_TEMPERATURE, 2, 4),
    EditLabel(2, 4, texts::ToolText("instrument.gas.temperature")),
    Edit(IDC_GAS_Z, 2, 5),
    EditLabel(2, 5, texts::ToolText("instrument.gas.z")),
    Edit(IDC_GAS_Z_REF, 2, 6),
    EditLabel(2, 6, texts::ToolText("instrument.gas.z-ref")),
    List(IDC_GAS_STANDARD, 2, 7),
    ListLabel(2, 7, texts::ToolText("instrument.gas.standard")),
    Edit(IDC_GAS_LINE_FLOW, 2, 8),
    EditLabel(2, 8, texts::ToolText("instrument.gas.line-flow")),
    Edit(IDC_GAS_NORMAL_FLOW, 2, 9),
    EditLabel(2, 9, texts::ToolText("instrument.gas.normal-flow")),
    Edit(IDC_GAS_STANDARD_FLOW, 2, 10),
    EditLabel(2, 10, texts::ToolText("instrument.gas.standard-flow")),
    Edit(IDC_GAS_DENSITY, 2, 11),
    EditLabel(2, 11, texts::ToolText("instrument.gas.density")),
    Edit(IDC_GAS_MOLAR_MASS, 2, 12),
    EditLabel(2, 12, texts::ToolText("instrument.gas.molar-mass")),
    Edit(IDC_GAS_MASS_FLOW, 2, 13),
    EditLabel(2, 13, texts::ToolText("instrument.gas.mass-flow")),
    Message(IDC_GAS_STATUS, 2, 14),
    {IDC_INSTRUMENTS_CLOSE,
     ControlKind::PushButton,
     texts::ToolText("instrument.close"),
     {kWindowWidth - kColumnGap - 50, kButtonTop, 50, kButtonHeight},
     kStyleTabStop},
    Frame(0, texts::ToolText("instrument.cold-junction")),
    Frame(1, texts::ToolText("instrument.transmitter")),
    Frame(2, texts::ToolText("instrument.gas-flow")),
};

static_assert(std::size(kControls) == 61);

} // namespace

// A caption bar with the close box, a fixed frame, no minimise box and no
// task-bar button of its own: it belongs to the window it was opened over.
constexpr fw::DialogTemplate kInstrumentDialogTemplate{
    IDD_INSTRUMENTS, texts::ToolText("instrument.title"),
    kWindowWidth,    kWindowHeight,
    "宋体",          9,
    fw::kDialogNone, kControls,
};

} // namespace velmaro::res
