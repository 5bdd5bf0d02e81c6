#include "tooldlgs/tool_window.h"

#include "framework/data_exchange.h"
#include "framework/utf8_text.h"
#include "tools/field_units.h"
#include "tools/tool.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

#include <algorithm>
#include <array>
#include <span>

namespace velmaro {
namespace {

using res::ToolPart;

// What a computed value shows: its number, or the text of an enumerated
// result (a phase).
QString TextOf(const tools::Shown& shown) {
    return shown.textId.empty() ? QString::fromStdString(shown.text)
                                : fw::Utf8(res::ToolWindowText(shown.textId));
}

QString TextOf(const tools::Fault& fault) {
    return fault ? fw::Utf8(res::ToolWindowText(fault.textId)) : QString();
}

const res::ToolControl* Find(const res::ToolWindowLayout& layout, int controlId) {
    const auto found = std::ranges::find(layout.parts, controlId, &res::ToolControl::id);
    return found == layout.parts.end() ? nullptr : &*found;
}

bool IsField(const void* layout, int controlId) {
    const res::ToolControl* part =
        Find(*static_cast<const res::ToolWindowLayout*>(layout), controlId);
    return part != nullptr && part->part == ToolPart::Field;
}

bool IsList(const void* layout, int controlId) {
    const res::ToolControl* part =
        Find(*static_cast<const res::ToolWindowLayout*>(layout), controlId);
    return part != nullptr &&
           (part->part == ToolPart::UnitList || part->part == ToolPart::ChoiceList ||
            part->part == ToolPart::ModeList);
}

// Verdict line `line`: why there is no result, else each thing to mind.
QString VerdictOf(const tools::Answer& answer, std::size_t line) {
    if (answer.fault) {
        return line == 0 ? TextOf(answer.fault) : QString();
    }
    return line < answer.noteCount ? TextOf(answer.notes.at(line)) : QString();
}

// What a result cell shows: its value; the tool's text for a value its state
// does not have where its column holds values but not this one; in a column that holds none, why,
// in its first row.
QString CellText(const tools::Tool& tool, const tools::Answer& answer, const res::ToolControl& cell,
                 bool filled, bool& toldWhy) {
    const std::size_t c = cell.column;
    if (c >= answer.columnCount) {
        return {};
    }
    if (answer.computed[c][cell.index]) {
        return TextOf(answer.shown[c][cell.index]);
    }
    if (filled) {
        return fw::Utf8(res::ToolWindowText(tool.noValueTextId));
    }
    if (toldWhy) {
        return {};
    }
    toldWhy = true;
    return TextOf(answer.columnFaults[c] ? answer.columnFaults[c] : answer.fault);
}

// The heading of the result column `id`.
std::string_view HeadingOf(const tools::Tool& tool, std::string_view id) {
    const std::string_view textId = tools::ColumnTextId(tool, id);
    return textId.empty() ? std::string_view() : res::ToolWindowText(textId);
}

} // namespace

void AddToolWindowKey(QWidget& window, QKeyCombination key, void (*open)(QWidget*)) {
    auto* shortcut = new QShortcut(QKeySequence(key), &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window, open] { open(&window); });
}

CToolWindow::CToolWindow(const res::ToolWindowLayout& layout, QWidget* parent)
    : fw::CDialog(layout.dialogTemplate, parent), m_layout(layout), m_texts(layout.parts.size()) {
    for (const tools::Tool* tool : layout.tools) {
        m_states.push_back(tools::StartState(*tool, tools::kWindow));
    }
}

CToolWindow::~CToolWindow() = default;

const res::ToolControl* CToolWindow::PartOf(int controlId) const {
    return Find(m_layout, controlId);
}

const tools::Tool& CToolWindow::ToolOf(const res::ToolControl& control) const {
    return *m_layout.tools[control.tool];
}

bool CToolWindow::OnInitDialog() {
    for (std::size_t i = 0; i < m_layout.parts.size(); ++i) {
        const res::ToolControl& part = m_layout.parts[i];
        if (part.part == ToolPart::Field) {
            m_texts[i] = QString::fromStdString(m_states[part.tool].texts[part.index]);
        }
    }
    fw::CDialog::OnInitDialog();
    // A field the mode or the lists' entries do not use looks it: grey on the
    // window's colour, as an unused list does, whatever colours the window
    // gives its fields.
    for (const res::ToolControl& part : m_layout.parts) {
        if (auto* edit = DlgItem<QLineEdit>(part.id); edit != nullptr) {
            QPalette colours = edit->palette();
            colours.setColor(QPalette::Disabled, QPalette::Base,
                             palette().color(QPalette::Disabled, QPalette::Window));
            colours.setColor(QPalette::Disabled, QPalette::Text,
                             palette().color(QPalette::Disabled, QPalette::WindowText));
            edit->setPalette(colours);
        }
    }
    FillLists();
    for (const res::ToolControl& part : m_layout.parts) {
        if (!part.nameTextId.empty()) {
            GetDlgItem(part.id)->setAccessibleName(fw::Utf8(res::ToolWindowText(part.nameTextId)));
        }
    }
    for (std::size_t tool = 0; tool < m_layout.tools.size(); ++tool) {
        Recompute(tool);
    }
    return true;
}

void CToolWindow::FillLists() {
    for (const res::ToolControl& part : m_layout.parts) {
        auto* list = DlgItem<QComboBox>(part.id);
        if (list == nullptr || part.part == ToolPart::Field) {
            continue;
        }
        const tools::Tool& tool = ToolOf(part);
        const tools::FaceState& state = m_states[part.tool];
        std::size_t current = 0;
        if (part.part == ToolPart::ModeList) {
            const std::vector<std::size_t> modes = res::WindowModes(tool);
            for (std::size_t i = 0; i < modes.size(); ++i) {
                list->addItem(fw::Utf8(res::EntryText(tool.modes[modes[i]].entry)));
                current = modes[i] == state.mode ? i : current;
            }
        } else if (part.part == ToolPart::UnitList) {
            for (const UnitRef& unit : tools::OfferedUnits(tool, tool.fields[part.index])) {
                list->addItem(fw::Utf8(unit.symbol()));
            }
            current = state.units[part.index];
        } else if (part.part == ToolPart::ChoiceList) {
            for (const tools::Entry& entry : tool.choices[part.index].entries) {
                list->addItem(fw::Utf8(res::EntryText(entry)));
            }
            current = state.chosen[part.index];
        }
        list->setCurrentIndex(static_cast<int>(current));
    }
}

void CToolWindow::DoDataExchange(fw::CDataExchange* dx) {
    fw::CDialog::DoDataExchange(dx);
    for (std::size_t i = 0; i < m_layout.parts.size(); ++i) {
        if (m_layout.parts[i].part == ToolPart::Field) {
            fw::DDX_Text(dx, m_layout.parts[i].id, m_texts[i]);
        }
    }
}

QString* CToolWindow::TextMember(int controlId) {
    const res::ToolControl* part = PartOf(controlId);
    if (part == nullptr || part->part != ToolPart::Field) {
        return nullptr;
    }
    return &m_texts[static_cast<std::size_t>(part - m_layout.parts.data())];
}

void CToolWindow::OnNotify(int controlId, fw::Notify code) {
    using Entry = fw::MessageMapEntry<CToolWindow>;
    const Entry map[] = {
        {fw::Notify::EditChange,
         fw::kNoId,
         nullptr,
         &CToolWindow::OnFieldTyped,
         {&m_layout, IsField}},
        {fw::Notify::SelChange,
         fw::kNoId,
         nullptr,
         &CToolWindow::OnListChosen,
         {&m_layout, IsList}},
        {fw::Notify::ButtonClicked, m_layout.closeId, &CToolWindow::OnClose},
    };
    fw::DispatchMessageMap<CToolWindow>(map, this, code, controlId);
}

void CToolWindow::OnFieldTyped(int controlId) {
    const res::ToolControl& part = *PartOf(controlId);
    tools::Typed(ToolOf(part), m_states[part.tool], part.index);
    Recompute(part.tool);
}

void CToolWindow::OnListChosen(int controlId) {
    const res::ToolControl& part = *PartOf(controlId);
    const auto chosen =
        static_cast<std::size_t>(std::max(0, DlgItem<QComboBox>(controlId)->currentIndex()));
    tools::FaceState& state = m_states[part.tool];
    switch (part.part) {
    case ToolPart::ModeList:
        state.mode = res::WindowModes(ToolOf(part)).at(chosen);
        break;
    case ToolPart::UnitList:
        state.units[part.index] = chosen;
        break;
    default:
        state.chosen[part.index] = chosen;
        break;
    }
    Recompute(part.tool);
}

void CToolWindow::OnClose() {
    accept();
}

void CToolWindow::Recompute(std::size_t tool) {
    UpdateData(true);
    const tools::Tool& model = *m_layout.tools[tool];
    tools::FaceState& state = m_states[tool];
    for (std::size_t i = 0; i < m_layout.parts.size(); ++i) {
        const res::ToolControl& part = m_layout.parts[i];
        if (part.tool == tool && part.part == ToolPart::Field) {
            state.texts[part.index] = m_texts[i].toStdString();
        }
    }
    const tools::Answer answer = tools::Evaluate(model, state);
    // A field the tool computes shows what it computed, or nothing when it
    // could not; what was typed stays as it is.
    for (std::size_t i = 0; i < m_layout.parts.size(); ++i) {
        const res::ToolControl& part = m_layout.parts[i];
        if (part.tool != tool || part.part != ToolPart::Field) {
            continue;
        }
        if (!tools::IsComputed(model, state, part.index)) {
            continue;
        }
        m_texts[i] =
            answer.computed[0][part.index] ? TextOf(answer.shown[0][part.index]) : QString();
    }
    UpdateData(false);
    ShowUsed(tool);
    ShowResults(tool, answer);
}

void CToolWindow::ShowUsed(std::size_t tool) {
    const tools::Tool& model = *m_layout.tools[tool];
    const tools::FaceState& state = m_states[tool];
    for (const res::ToolControl& part : m_layout.parts) {
        if (part.tool != tool) {
            continue;
        }
        if (part.part == ToolPart::Field || part.part == ToolPart::UnitList) {
            GetDlgItem(part.id)->setEnabled(tools::IsUsed(model, state, part.index));
        }
        if (part.part == ToolPart::Field) {
            ShowReadOnly(part.id, !tools::TakesTyping(model, state, part.index));
        } else if (part.part == ToolPart::ChoiceList) {
            GetDlgItem(part.id)->setEnabled(tools::IsChoiceUsed(model, state, part.index));
        }
    }
}

void CToolWindow::ShowReadOnly(int controlId, bool readOnly) {
    // What the mode computes is read-only, as the template's style has it for
    // an output: it can be selected and copied, not typed over, and it stands
    // on the window's colour instead of a field's.
    auto* edit = DlgItem<QLineEdit>(controlId);
    edit->setReadOnly(readOnly);
    const auto typed = OnCtlColor(fw::CtlColorKind::Edit);
    const QColor base = readOnly ? palette().color(QPalette::Window)
                        : typed  ? typed->background
                                 : palette().color(QPalette::Base);
    QPalette colours = edit->palette();
    if (colours.color(QPalette::Active, QPalette::Base) == base) {
        return;
    }
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Base, base);
    }
    edit->setPalette(colours);
}

void CToolWindow::ShowResults(std::size_t tool, const tools::Answer& answer) {
    const tools::Tool& model = *m_layout.tools[tool];
    // The columns the answer fills; before an answer (a refused input), the
    // headings of the mode's columns.
    std::span<const std::string_view> columns = answer.columnIds;
    if (answer.columnCount == 0 && !model.modes.empty()) {
        columns = model.modes[m_states[tool].mode].columns;
    }
    std::array<bool, tools::kMaxColumns> filled{};
    for (std::size_t c = 0; c < answer.columnCount; ++c) {
        filled[c] = std::ranges::find(answer.computed[c], true) != answer.computed[c].end();
    }
    std::array<bool, tools::kMaxColumns> toldWhy{};
    for (const res::ToolControl& part : m_layout.parts) {
        auto* label = DlgItem<QLabel>(part.id);
        if (part.tool != tool || label == nullptr) {
            continue;
        }
        const std::size_t c = part.column;
        QString text;
        switch (part.part) {
        case ToolPart::Verdict:
            text = VerdictOf(answer, c);
            break;
        case ToolPart::Heading:
            text = c < columns.size() ? fw::Utf8(HeadingOf(model, columns[c])) : QString();
            break;
        case ToolPart::Result:
            text = CellText(model, answer, part, filled.at(c), toldWhy.at(c));
            break;
        default:
            continue;
        }
        // Straight into the label, leaving the names alone: the window's text
        // setter names each field after the text to its right.
        label->setText(text);
    }
    FitStaticTexts();
}

void CToolWindow::FocusFirstField() {
    for (const res::ToolControl& part : m_layout.parts) {
        QWidget* field = GetDlgItem(part.id);
        if (part.tool == 0 && part.part == ToolPart::Field && field->isEnabled()) {
            field->setFocus();
            return;
        }
    }
}

QString CToolWindow::ResultText(std::size_t column, std::string_view fieldId,
                                std::size_t tool) const {
    const auto field = tools::FieldIndex(*m_layout.tools.at(tool), fieldId);
    for (const res::ToolControl& part : m_layout.parts) {
        if (field && part.part == ToolPart::Result && part.tool == tool && part.index == *field &&
            part.column == column) {
            return DlgItem<QLabel>(part.id)->text();
        }
    }
    return {};
}

} // namespace velmaro
