#include "tooldlgs/instrument_dialog.h"

#include "res/control_colours.h"
#include "res/instrument_dialog_template.h"

namespace velmaro {

CInstrumentDialog::CInstrumentDialog(QWidget* parent)
    : CToolWindow(res::InstrumentWindowLayout(), parent) {}

CInstrumentDialog::~CInstrumentDialog() = default;

std::optional<fw::CtlColor> CInstrumentDialog::OnCtlColor(fw::CtlColorKind kind) {
    if (kind == fw::CtlColorKind::Edit) {
        return res::FieldColours();
    }
    return CToolWindow::OnCtlColor(kind);
}

void AddInstrumentKey(QWidget& window) {
    AddToolWindowKey(window, Qt::CTRL | Qt::Key_I, RunInstrumentDialog);
}

void RunInstrumentDialog(QWidget* parent) {
    CInstrumentDialog dialog;
    if (parent != nullptr) {
        // Owned by the window it was opened from, so that it comes up on top.
        dialog.setParent(parent, dialog.windowFlags());
    }
    dialog.DoModal();
}

} // namespace velmaro
