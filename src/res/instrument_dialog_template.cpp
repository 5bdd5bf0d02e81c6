#include "res/instrument_dialog_template.h"

#include <iterator>

namespace velmaro::res {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::kNoId;
using fw::kStyleTabStop;

// Three columns, one per tool, each a framed caption over rows of a field
// (or a list) with its label to the right. Dialog units.
constexpr int kColumnWidth = 160;
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
    ListLabel(0, 0, "分度号"),
    Edit(IDC_CJ_COLD, 0, 1),
    EditLabel(0, 1, "冷端温度 °C"),
    Edit(IDC_CJ_EMF, 0, 2),
    EditLabel(0, 2, "实测电势 mV"),
    Edit(IDC_CJ_HOT, 0, 3),
    EditLabel(0, 3, "热端温度 °C"),
    Message(IDC_CJ_STATUS, 0, 4),
    // Transmitter signals.
    Edit(IDC_TX_LRV, 1, 0),
    EditLabel(1, 0, "量程下限"),
    Edit(IDC_TX_URV, 1, 1),
    EditLabel(1, 1, "量程上限"),
    Edit(IDC_TX_UNIT, 1, 2),
    EditLabel(1, 2, "工程单位"),
    List(IDC_TX_SIGNAL_RANGE, 1, 3),
    ListLabel(1, 3, "信号范围"),
    List(IDC_TX_CHARACTERISTIC, 1, 4),
    ListLabel(1, 4, "输出特性"),
    Edit(IDC_TX_CUTOFF, 1, 5),
    EditLabel(1, 5, "小流量切除 %"),
    Edit(IDC_TX_SIGNAL, 1, 6),
    EditLabel(1, 6, "信号"),
    Edit(IDC_TX_VALUE, 1, 7),
    EditLabel(1, 7, "工程值"),
    Edit(IDC_TX_PERCENT, 1, 8),
    EditLabel(1, 8, "百分比 %"),
    Message(IDC_TX_STATUS, 1, 9),
    // Gas flow at reference conditions.
    List(IDC_GAS_FLOW_UNIT, 2, 0),
    ListLabel(2, 0, "流量单位"),
    Edit(IDC_GAS_PRESSURE, 2, 1),
    EditLabel(2, 1, "工况压力"),
    List(IDC_GAS_PRESSURE_UNIT, 2, 2),
    ListLabel(2, 2, "压力单位"),
    List(IDC_GAS_PRESSURE_KIND, 2, 3),
    ListLabel(2, 3, "压力类型"),
    Edit(IDC_GAS_TEMPERATURE, 2, 4),
    EditLabel(2, 4, "工况温度 °C"),
    Edit(IDC_GAS_Z, 2, 5),
    EditLabel(2, 5, "工况压缩因子 Z"),
    Edit(IDC_GAS_Z_REF, 2, 6),
    EditLabel(2, 6, "标况压缩因子 Z"),
    List(IDC_GAS_STANDARD, 2, 7),
    ListLabel(2, 7, "标准状态"),
    Edit(IDC_GAS_LINE_FLOW, 2, 8),
    EditLabel(2, 8, "工况流量"),
    Edit(IDC_GAS_NORMAL_FLOW, 2, 9),
    EditLabel(2, 9, "标况流量"),
    Edit(IDC_GAS_STANDARD_FLOW, 2, 10),
    EditLabel(2, 10, "标准状态流量"),
    Edit(IDC_GAS_DENSITY, 2, 11),
    EditLabel(2, 11, "标况密度 kg/m³"),
    Edit(IDC_GAS_MOLAR_MASS, 2, 12),
    EditLabel(2, 12, "摩尔质量 g/mol"),
    Edit(IDC_GAS_MASS_FLOW, 2, 13),
    EditLabel(2, 13, "质量流量 kg/h"),
    Message(IDC_GAS_STATUS, 2, 14),
    {IDC_INSTRUMENTS_CLOSE,
     ControlKind::PushButton,
     "关闭",
     {kWindowWidth - kColumnGap - 50, kButtonTop, 50, kButtonHeight},
     kStyleTabStop},
    Frame(0, "热电偶冷端补偿"),
    Frame(1, "变送器信号"),
    Frame(2, "气体流量（工况、标况）"),
};

static_assert(std::size(kControls) == 61);

} // namespace

// A caption bar with the close box, a fixed frame, no minimise box and no
// task-bar button of its own: it belongs to the window it was opened over.
constexpr fw::DialogTemplate kInstrumentDialogTemplate{
    IDD_INSTRUMENTS, "仪表计算", kWindowWidth, kWindowHeight, "宋体", 9, fw::kDialogNone, kControls,
};

} // namespace velmaro::res
