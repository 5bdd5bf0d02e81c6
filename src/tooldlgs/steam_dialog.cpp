#include "tooldlgs/steam_dialog.h"

#include "res/steam_dialog_template.h"

namespace velmaro {

CSteamDialog::CSteamDialog(QWidget* parent) : CToolWindow(res::SteamWindowLayout(), parent) {}

CSteamDialog::~CSteamDialog() = default;

bool CSteamDialog::OnInitDialog() {
    CToolWindow::OnInitDialog();
    FocusFirstField();
    return false;
}

std::optional<fw::CtlColor> CSteamDialog::OnCtlColor(fw::CtlColorKind kind) {
    switch (kind) {
    case fw::CtlColorKind::Edit:
        return fw::CtlColor{QColor(0, 0, 0), QColor(156, 205, 166)};
    case fw::CtlColorKind::ListBox:
        return fw::CtlColor{QColor(0, 0, 0), QColor(233, 233, 220)};
    default:
        return CToolWindow::OnCtlColor(kind);
    }
}

void RunSteamDialog(QWidget* parent) {
    CSteamDialog dialog(parent);
    dialog.DoModal();
}

void AddSteamKey(QWidget& window) {
    AddToolWindowKey(window, Qt::CTRL | Qt::Key_H, RunSteamDialog);
}

} // namespace velmaro
