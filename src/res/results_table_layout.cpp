// The results-table style of a tool window: a row per input field, its
// caption on the left, its unit list and the lists and fields that go with it
// to its right; under them a framed table with a row per output field, named
// on the left, and a column of values per result column; the verdict line and
// the close button at the bottom. Dialog units.

#include "res/tool_window_layout.h"

#include <algorithm>

namespace velmaro::res {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::kNoId;
using fw::kStyleTabStop;

// The input rows.
constexpr int kLeft = 7;
constexpr int kCaptionWidth = 58;
constexpr int kFieldX = 66;
constexpr int kFieldWidth = 70;
constexpr int kWideListWidth = 124; // the mode list, or a list on a row of its own
constexpr int kUnitListWidth = 54;
constexpr int kNarrowListWidth = 40; // a list beside its field (gauge or absolute)
constexpr int kBesideCaptionWidth = 52;
constexpr int kBesideFieldX = 54; // from its caption
constexpr int kBesideFieldWidth = 46;
constexpr int kGap = 4;
constexpr int kFirstRow = 6;
constexpr int kRow = 16;
constexpr int kListHeight = 100; // with the opened list
// The inputs may come this close to the window's right edge.
constexpr int kRightMargin = 3;

// The results.
constexpr int kResultLine = 11;
constexpr int kNameX = 14;
constexpr int kNameWidth = 100;
constexpr int kValueX = 118;
constexpr int kValueWidth = 72;
constexpr int kVerdictWidth = 120;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

constexpr int RowY(int row) {
    return kFirstRow + row * kRow;
}

class Builder {
public:
    Builder(const tools::Tool& tool, const ResultsTableWindow& window)
        : m_tool(tool), m_window(window), m_nextId(window.firstControlId) {
        m_layout.tools = {&tool};
    }

    ToolWindowLayout Build() {
        LayOutInputs();
        LayOutResults();
        m_layout.dialogTemplate = {m_window.templateId,
                                   fw::TextId(m_tool.titleTextId),
                                   m_width,
                                   m_height,
                                   fw::TextId("font.dialog"),
                                   9,
                                   fw::kDialogNone,
                                   m_layout.controls};
        return std::move(m_layout);
    }

private:
    void Add(const ControlTemplate& control) { m_layout.controls.push_back(control); }
    void Add(const ControlTemplate& control, ToolPart part, std::size_t index,
             std::size_t column = 0) {
        Add(control);
        m_layout.parts.push_back(
            {control.id, part, 0, index, column, NameTextId(m_tool, part, index)});
    }

    void Caption(std::string_view textId, int x, int width) {
        Add({kNoId, ControlKind::Label, fw::TextId(textId), {x, RowY(m_row) + 2, width, 10}});
    }
    void Edit(std::size_t field, int x, int width) {
        Add({m_nextId++, ControlKind::Edit, "", {x, RowY(m_row), width, 12}, kStyleTabStop},
            ToolPart::Field, field);
        m_right = std::max(m_right, x + width);
    }
    void List(ToolPart part, std::size_t index, int x, int width) {
        Add({m_nextId++,
             ControlKind::DropDownList,
             "",
             {x, RowY(m_row), width, kListHeight},
             kStyleTabStop},
            part, index);
        m_right = std::max(m_right, x + width);
    }
    // The next item of the current row goes here.
    void Advance(int width) { m_x += width + kGap; }

    void NewRow(std::string_view leader) {
        ++m_row;
        m_rowField = leader;
        m_x = kFieldX + kFieldWidth + kGap;
    }

    // A list on a row of its own, captioned like a field.
    void OwnRow(const ToolItem& item, std::string_view nameId) {
        NewRow({});
        Caption(nameId, kLeft, kCaptionWidth);
        List(item.part, item.index, kFieldX, kWideListWidth);
    }

    void LayOutInputs() {
        if (!WindowModes(m_tool).empty()) {
            NewRow({});
            Caption(NameTextId(m_tool, ToolPart::ModeList, 0), kLeft, kCaptionWidth);
            List(ToolPart::ModeList, 0, kFieldX, kWideListWidth);
        }
        for (const ToolItem& item : WindowItems(m_tool)) {
            const std::string_view nameId = NameTextId(m_tool, item.part, item.index);
            switch (item.part) {
            case ToolPart::Field: {
                const tools::Field& field = m_tool.fields[item.index];
                if (field.role == tools::Role::Output) {
                    break; // a row of the results
                }
                if (m_row >= 0 && !field.follows.empty() && field.follows == m_rowField) {
                    Caption(nameId, m_x, kBesideCaptionWidth);
                    Edit(item.index, m_x + kBesideFieldX, kBesideFieldWidth);
                    Advance(kBesideFieldX + kBesideFieldWidth);
                    break;
                }
                NewRow(field.id);
                Caption(nameId, kLeft, kCaptionWidth);
                Edit(item.index, kFieldX, kFieldWidth);
                break;
            }
            case ToolPart::UnitList:
                if (m_row >= 0 && m_tool.fields[item.index].id == m_rowField) {
                    List(item.part, item.index, m_x, kUnitListWidth);
                    Advance(kUnitListWidth);
                    break;
                }
                OwnRow(item, nameId);
                break;
            default: {
                const tools::Choice& choice = m_tool.choices[item.index];
                if (m_row >= 0 && !choice.follows.empty() && choice.follows == m_rowField) {
                    List(item.part, item.index, m_x, kNarrowListWidth);
                    Advance(kNarrowListWidth);
                    break;
                }
                OwnRow(item, nameId);
                break;
            }
            }
        }
    }

    // The most result columns a mode of the window fills.
    int Columns() const {
        std::size_t columns = 1;
        for (const std::size_t mode : WindowModes(m_tool)) {
            columns = std::max(columns, m_tool.modes[mode].columns.size());
        }
        return static_cast<int>(std::min(columns, tools::kMaxColumns));
    }

    int ResultId(int column, int row) const {
        return m_window.firstResultId + column * m_window.resultStride + row;
    }

    void LayOutResults() {
        std::vector<std::size_t> outputs;
        for (std::size_t i = 0; i < m_tool.fields.size(); ++i) {
            const tools::Field& field = m_tool.fields[i];
            if (field.role == tools::Role::Output && (field.faces & tools::kWindow) != 0U) {
                outputs.push_back(i);
            }
        }
        const int columns = Columns();
        const int rows = static_cast<int>(outputs.size());
        const int top = RowY(m_row + 1) + 4;
        const auto lineY = [top](int row) { return top + 12 + row * kResultLine; };
        m_width = std::max(kValueX + columns * kValueWidth + kGap + kLeft, m_right + kRightMargin);
        const int height = 14 + (rows + 1) * kResultLine;
        const int bottom = top + height + 4;
        m_height = bottom + kButtonHeight + 6;
        const int closeId = m_nextId++;
        const int verdictId = m_nextId++;

        Add({kNoId,
             ControlKind::GroupBox,
             fw::TextId(m_tool.resultsTextId),
             {kLeft, top, m_width - 2 * kLeft, height}});
        for (int c = 0; c < columns; ++c) {
            Add({ResultId(c, 0),
                 ControlKind::Label,
                 "",
                 {kValueX + c * kValueWidth, lineY(0), kValueWidth - 2, 10}},
                ToolPart::Heading, 0, static_cast<std::size_t>(c));
        }
        Add({verdictId, ControlKind::Label, "", {kLeft, bottom + 2, kVerdictWidth, 10}},
            ToolPart::Verdict, 0);
        Add({closeId,
             ControlKind::PushButton,
             fw::TextId(m_window.closeTextId),
             {m_width - kLeft - kButtonWidth, bottom, kButtonWidth, kButtonHeight},
             kStyleTabStop});
        m_layout.closeId = closeId;
        // The names and values after everything else: the frame and the
        // headings lie over them.
        for (int r = 0; r < rows; ++r) {
            Add({kNoId,
                 ControlKind::Label,
                 fw::TextId(
                     NameTextId(m_tool, ToolPart::Result, outputs[static_cast<std::size_t>(r)])),
                 {kNameX, lineY(r + 1), kNameWidth, 10}});
        }
        for (int c = 0; c < columns; ++c) {
            for (int r = 0; r < rows; ++r) {
                Add({ResultId(c, r + 1),
                     ControlKind::Label,
                     "",
                     {kValueX + c * kValueWidth, lineY(r + 1), kValueWidth - 2, 10}},
                    ToolPart::Result, outputs[static_cast<std::size_t>(r)],
                    static_cast<std::size_t>(c));
            }
        }
    }

    const tools::Tool& m_tool;
    const ResultsTableWindow& m_window;
    ToolWindowLayout m_layout;
    int m_nextId;
    int m_row = -1;
    std::string_view m_rowField;
    int m_x = 0;
    int m_right = 0;
    int m_width = 0;
    int m_height = 0;
};

} // namespace

ToolWindowLayout ResultsTableLayout(const tools::Tool& tool, const ResultsTableWindow& window) {
    return Builder(tool, window).Build();
}

} // namespace velmaro::res
