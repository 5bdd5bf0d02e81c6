#include "tooldlgs/flow_meter_dialog.h"

#include "res/flow_meter_dialog_template.h"

namespace velmaro {

CFlowMeterDialog::CFlowMeterDialog(QWidget* parent)
    : CResultsTableWindow(res::FlowMeterWindowLayout(), parent) {}

CFlowMeterDialog::~CFlowMeterDialog() = default;

void RunFlowMeterDialog(QWidget* parent) {
    CFlowMeterDialog dialog(parent);
    dialog.DoModal();
}

void AddFlowMeterKey(QWidget& window) {
    AddToolWindowKey(window, Qt::CTRL | Qt::Key_L, RunFlowMeterDialog);
}

} // namespace velmaro
