// The results-table style of a tool window: a row per input field, its
// caption on the left, its unit list and the lists and fields that go with it
// to its right, the rows in one column or several; under them a framed table
// with a row per output field, named on the left, and a column of values per
// result column; the verdict lines and the close button at the bottom. Dialog
// units.

#include "res/tool_window_layout.h"

#include "res/text_lines.h"
#include "res/texts/texts.h"
#include "tools/layout.h"

#include <algorithm>
#include <string_view>
#include <vector>

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
constexpr int kColumnGap = 10; // between columns of inputs
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
constexpr int kVerdictLine = 10;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

constexpr int RowY(int row) {
    return kFirstRow + row * kRow;
}

// About how wide `text` runs in dialog units: a CJK or full-width character
// twice an ASCII one, other letters (μ, ³) between. The labels grow to their
// text anyway; this keeps a column of captions clear of its fields.
int TextWidth(std::string_view text) {
    constexpr int kAscii = 4;
    constexpr int kWide = 8;
    constexpr int kOther = 6;
    int width = 2;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = NextCharacter(text, i);
        // From U+2E80 on: CJK and the full-width forms.
        width += c < 0x80 ? kAscii : c >= 0x2E80 ? kWide : kOther;
    }
    return width;
}

// One control of an input row, placed from its column's left edge.
struct Cell {
    ControlKind kind = ControlKind::Label;
    ToolPart part = ToolPart::Field; // an edit's or list's
    std::size_t index = 0;
    int x = 0;
    int width = 0;
    std::string_view text = {}; // a caption's text id
};
using InputRow = std::vector<Cell>;

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

    // The rows of inputs, each control placed within its column.
    void Caption(std::string_view textId, int x, int width) {
        m_rows.back().push_back({ControlKind::Label, ToolPart::Field, 0, x, width, textId});
    }
    void Edit(std::size_t field, int x, int width) {
        m_rows.back().push_back({ControlKind::Edit, ToolPart::Field, field, x, width});
    }
    void List(ToolPart part, std::size_t index, int x, int width) {
        m_rows.back().push_back({ControlKind::DropDownList, part, index, x, width});
    }
    // The next item of the current row goes here.
    void Advance(int width) { m_x += width + kGap; }

    void NewRow(std::string_view leader) {
        m_rows.emplace_back();
        m_rowField = leader;
        m_x = kFieldX + kFieldWidth + kGap;
    }

    // A list on a row of its own, captioned like a field.
    void OwnRow(const ToolItem& item, std::string_view nameId) {
        NewRow({});
        Caption(nameId, kLeft, kCaptionWidth);
        List(item.part, item.index, kFieldX, kWideListWidth);
    }

    void RowOf(const ToolItem& item) {
        const std::string_view name = NameTextId(m_tool, item.part, item.index);
        switch (item.part) {
        case ToolPart::Field: {
            const tools::Field& field = m_tool.fields[item.index];
            if (field.role == tools::Role::Output) {
                break; // a row of the results
            }
            if (!m_rows.empty() && !field.follows.empty() && field.follows == m_rowField) {
                Caption(name, m_x, kBesideCaptionWidth);
                Edit(item.index, m_x + kBesideFieldX, kBesideFieldWidth);
                Advance(kBesideFieldX + kBesideFieldWidth);
                break;
            }
            NewRow(field.id);
            Caption(name, kLeft, kCaptionWidth);
            Edit(item.index, kFieldX, kFieldWidth);
            break;
        }
        case ToolPart::UnitList:
            if (!m_rows.empty() && m_tool.fields[item.index].id == m_rowField) {
                List(item.part, item.index, m_x, kUnitListWidth);
                Advance(kUnitListWidth);
                break;
            }
            OwnRow(item, name);
            break;
        default: {
            const tools::Choice& choice = m_tool.choices[item.index];
            if (!m_rows.empty() && !choice.follows.empty() && choice.follows == m_rowField) {
                List(item.part, item.index, m_x, kNarrowListWidth);
                Advance(kNarrowListWidth);
                break;
            }
            OwnRow(item, name);
            break;
        }
        }
    }

    // How much wider each column's captions are than the style's width: where
    // the window asks for it, as wide as its widest in either language; what
    // stands right of them moves along.
    std::vector<int> CaptionWidening(int columns) const {
        std::vector<int> widen(static_cast<std::size_t>(columns), 0);
        const int rows = static_cast<int>(m_rows.size());
        for (int r = 0; m_window.fitCaptions && r < rows; ++r) {
            const InputRow& row = m_rows[static_cast<std::size_t>(r)];
            int& extra = widen[static_cast<std::size_t>(r / m_rowsPerColumn)];
            for (const texts::Language language : texts::kLanguages) {
                const int width = TextWidth(texts::Lookup(row.front().text, language));
                extra = std::max(extra, width - kCaptionWidth);
            }
        }
        return widen;
    }

    // The rows from the top of each column, column after column: tab order.
    void LayOutInputs() {
        if (!WindowModes(m_tool).empty()) {
            NewRow({});
            Caption(NameTextId(m_tool, ToolPart::ModeList, 0), kLeft, kCaptionWidth);
            List(ToolPart::ModeList, 0, kFieldX, kWideListWidth);
        }
        for (const ToolItem& item : WindowItems(m_tool)) {
            RowOf(item);
        }
        const int columns = std::max(1, m_window.inputColumns);
        const int rows = static_cast<int>(m_rows.size());
        m_rowsPerColumn = (rows + columns - 1) / columns;
        const std::vector<int> widen = CaptionWidening(columns);
        std::vector<int> lefts(1, 0);
        for (int c = 0; c < columns; ++c) {
            int width = 0;
            for (int r = c * m_rowsPerColumn; r < std::min(rows, (c + 1) * m_rowsPerColumn); ++r) {
                for (const Cell& cell : m_rows[static_cast<std::size_t>(r)]) {
                    width = std::max(width, cell.x + cell.width);
                }
            }
            lefts.push_back(lefts.back() + width + widen[static_cast<std::size_t>(c)] + kColumnGap);
        }
        for (int r = 0; r < rows; ++r) {
            const auto column = static_cast<std::size_t>(r / m_rowsPerColumn);
            const int y = RowY(r % m_rowsPerColumn);
            for (const Cell& cell : m_rows[static_cast<std::size_t>(r)]) {
                const bool caption = cell.x == kLeft;
                const int x = lefts[column] + cell.x + (caption ? 0 : widen[column]);
                const int width = cell.width + (caption ? widen[column] : 0);
                m_right = std::max(m_right, x + width);
                if (cell.kind == ControlKind::Label) {
                    Add({kNoId, ControlKind::Label, fw::TextId(cell.text), {x, y + 2, width, 10}});
                } else if (cell.kind == ControlKind::Edit) {
                    Add({m_nextId++, ControlKind::Edit, "", {x, y, cell.width, 12}, kStyleTabStop},
                        cell.part, cell.index);
                } else {
                    Add({m_nextId++,
                         ControlKind::DropDownList,
                         "",
                         {x, y, cell.width, kListHeight},
                         kStyleTabStop},
                        cell.part, cell.index);
                }
            }
        }
    }

    // The most result columns a mode of the window fills.
    int Columns() const {
        return static_cast<int>(
            std::min(tools::ColumnCount(m_tool, tools::kWindow), tools::kMaxColumns));
    }

    int ResultId(int column, int row) const {
        return m_window.firstResultId + column * m_window.resultStride + row;
    }

    // A table of results under the inputs: a row per output and a column of
    // values per result column, under headings where the tool has them. One
    // column of values stands in as many bands side by side as the inputs
    // have columns.
    void LayOutResults() {
        std::vector<std::size_t> outputs;
        for (std::size_t i = 0; i < m_tool.fields.size(); ++i) {
            const tools::Field& field = m_tool.fields[i];
            if (field.role == tools::Role::Output && tools::OnFace(field.faces, tools::kWindow)) {
                outputs.push_back(i);
            }
        }
        const int columns = Columns();
        const bool headings = !m_tool.columns.empty();
        const int bands = columns == 1 ? std::max(1, m_window.inputColumns) : 1;
        const int rows = static_cast<int>(outputs.size());
        const int rowsPerBand = (rows + bands - 1) / bands;
        const int top = RowY(m_rowsPerColumn) + 4;
        const int firstLine = headings ? 1 : 0;
        const auto lineY = [top](int line) { return top + 12 + line * kResultLine; };
        const int bandWidth = kValueX + columns * kValueWidth + kGap;
        m_width = std::max(bands * bandWidth + kLeft, m_right + kRightMargin);
        const int height = 14 + (rowsPerBand + firstLine) * kResultLine;
        const int bottom = top + height + 4;
        const int verdictLines = std::max(1, m_window.verdictLines);
        m_height = bottom + std::max(kButtonHeight, verdictLines * kVerdictLine) + 6;
        const int closeId = m_nextId++;

        Add({kNoId,
             ControlKind::GroupBox,
             fw::TextId(m_tool.resultsTextId),
             {kLeft, top, m_width - 2 * kLeft, height}});
        for (int c = 0; headings && c < columns; ++c) {
            Add({ResultId(c, 0),
                 ControlKind::Label,
                 "",
                 {kValueX + c * kValueWidth, lineY(0), kValueWidth - 2, 10}},
                ToolPart::Heading, 0, static_cast<std::size_t>(c));
        }
        const int verdictWidth = m_width - 2 * kLeft - kButtonWidth - kGap;
        for (int line = 0; line < verdictLines; ++line) {
            Add({m_nextId++,
                 ControlKind::Label,
                 "",
                 {kLeft, bottom + 2 + line * kVerdictLine, verdictWidth, 10}},
                ToolPart::Verdict, 0, static_cast<std::size_t>(line));
        }
        Add({closeId,
             ControlKind::PushButton,
             fw::TextId(m_window.closeTextId),
             {m_width - kLeft - kButtonWidth, bottom, kButtonWidth, kButtonHeight},
             kStyleTabStop});
        m_layout.closeId = closeId;
        // The names and values after everything else: the frame and the
        // headings lie over them.
        const auto bandX = [bandWidth, rowsPerBand](int r) { return r / rowsPerBand * bandWidth; };
        const auto lineOf = [&](int r) { return lineY(firstLine + r % rowsPerBand); };
        for (int r = 0; r < rows; ++r) {
            Add({kNoId,
                 ControlKind::Label,
                 fw::TextId(
                     NameTextId(m_tool, ToolPart::Result, outputs[static_cast<std::size_t>(r)])),
                 {bandX(r) + kNameX, lineOf(r), kNameWidth, 10}});
        }
        for (int c = 0; c < columns; ++c) {
            for (int r = 0; r < rows; ++r) {
                Add({ResultId(c, r + 1),
                     ControlKind::Label,
                     "",
                     {bandX(r) + kValueX + c * kValueWidth, lineOf(r), kValueWidth - 2, 10}},
                    ToolPart::Result, outputs[static_cast<std::size_t>(r)],
                    static_cast<std::size_t>(c));
            }
        }
    }

    const tools::Tool& m_tool;
    const ResultsTableWindow& m_window;
    ToolWindowLayout m_layout;
    int m_nextId;
    std::vector<InputRow> m_rows;
    int m_rowsPerColumn = 0;
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
