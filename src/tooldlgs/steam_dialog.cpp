#include "tooldlgs/steam_dialog.h"

#include "res/steam_dialog_template.h"

namespace velmaro {

CSteamDialog::CSteamDialog(QWidget* parent)
    : CResultsTableWindow(res::SteamWindowLayout(), parent) {}

CSteamDialog::~CSteamDialog() = default;

void RunSteamDialog(QWidget* parent) {
    CSteamDialog dialog(parent);
    dialog.DoModal();
}

void AddSteamKey(QWidget& window) {
    AddToolWindowKey(window, Qt::CTRL | Qt::Key_H, RunSteamDialog);
}

} // namespace velmaro
