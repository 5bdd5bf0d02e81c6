#include "tooldlgs/flow_meter_dialog.h"

#include "res/flow_meter_dialog_template.h"

namespace velmaro {

CFlowMeterDialog::CFlowMeterDialog(QWidget* parent)
    : CToolWindow(res::FlowMeterWindowLayout(), parent) {}

CFlowMeterDialog::~CFlowMeterDialog() = default;

bool CFlowMeterDialog::OnInitDialog() {
    CToolWindow::OnInitDialog();
    FocusFirstField();
    return false;
}

std::optional<fw::CtlColor> CFlowMeterDialog::OnCtlColor(fw::CtlColorKind kind) {
    switch (kind) {
    case fw::CtlColorKind::Edit:
        return fw::CtlColor{QColor(0, 0, 0), QColor(156, 205, 166)};
    case fw::CtlColorKind::ListBox:
        return fw::CtlColor{QColor(0, 0, 0), QColor(233, 233, 220)};
    default:
        return CToolWindow::OnCtlColor(kind);
    }
}

void RunFlowMeterDialog(QWidget* parent) {
    CFlowMeterDialog dialog(parent);
    dialog.DoModal();
}

void AddFlowMeterKey(QWidget& window) {
    AddToolWindowKey(window, Qt::CTRL | Qt::Key_L, RunFlowMeterDialog);
}

} // namespace velmaro
