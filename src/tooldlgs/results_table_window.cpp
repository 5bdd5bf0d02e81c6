#include "tooldlgs/results_table_window.h"

#include "res/control_colours.h"

namespace velmaro {

CResultsTableWindow::CResultsTableWindow(const res::ToolWindowLayout& layout, QWidget* parent)
    : CToolWindow(layout, parent) {}

CResultsTableWindow::~CResultsTableWindow() = default;

bool CResultsTableWindow::OnInitDialog() {
    CToolWindow::OnInitDialog();
    FocusFirstField();
    return false;
}

std::optional<fw::CtlColor> CResultsTableWindow::OnCtlColor(fw::CtlColorKind kind) {
    switch (kind) {
    case fw::CtlColorKind::Edit:
        return res::FieldColours();
    case fw::CtlColorKind::ListBox:
        return res::ListColours();
    default:
        return CToolWindow::OnCtlColor(kind);
    }
}

} // namespace velmaro
