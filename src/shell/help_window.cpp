#include "shell/help_window.h"

#include "framework/utf8_text.h"
#include "res/flow_meter_dialog_template.h"
#include "res/help_window_template.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "res/texts/texts.h"
#include "shell/about_box.h"
#include "tooldlgs/flow_meter_dialog.h"
#include "tooldlgs/instrument_dialog.h"
#include "tooldlgs/steam_dialog.h"

#include <QShortcut>

namespace velmaro {
namespace {

using Entry = fw::MessageMapEntry<CHelpWindow>;

constexpr Entry kMessageMap[] = {
    {fw::Notify::ButtonClicked, res::IDC_HELP_CLOSE, &CHelpWindow::OnClose},
    {fw::Notify::ButtonClicked, res::IDC_HELP_ABOUT, &CHelpWindow::OnAbout},
    {fw::Notify::ButtonClicked, res::IDC_HELP_INSTRUMENTS, &CHelpWindow::OnInstruments},
    {fw::Notify::ButtonClicked, res::IDC_HELP_STEAM, &CHelpWindow::OnSteam},
    {fw::Notify::ButtonClicked, res::IDC_HELP_FLOWMETER, &CHelpWindow::OnFlowMeter},
};

} // namespace

CHelpWindow::CHelpWindow(QWidget* parent) : fw::CDialog(res::HelpWindowTemplate(), parent) {}

CHelpWindow::~CHelpWindow() = default;

bool CHelpWindow::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    SetDlgItemText(res::IDC_HELP_ABOUT, fw::Utf8(res::LoadStringResource(res::IDS_ABOUTBOX)));
    SetDlgItemText(res::IDC_HELP_INSTRUMENTS, fw::Utf8(texts::Lookup("instrument.button")));
    SetDlgItemText(res::IDC_HELP_STEAM, fw::Utf8(texts::Lookup("steam.button")));
    SetDlgItemText(res::IDC_HELP_FLOWMETER, fw::Utf8(texts::Lookup("flowmeter.button")));
    return true;
}

void CHelpWindow::OnNotify(int controlId, fw::Notify code) {
    fw::DispatchMessageMap<CHelpWindow>(kMessageMap, this, code, controlId);
}

void CHelpWindow::OnClose() {
    accept();
}

void CHelpWindow::OnAbout() {
    CAboutBox about;
    // Owned by this window, not the main window, so that it comes up on top.
    about.setParent(this, about.windowFlags());
    about.DoModal();
}

void CHelpWindow::OnInstruments() {
    RunInstrumentDialog(this);
}

void CHelpWindow::OnSteam() {
    RunSteamDialog(this);
}

void CHelpWindow::OnFlowMeter() {
    RunFlowMeterDialog(this);
}

void AddHelpKey(QWidget& window) {
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    QObject::connect(help, &QShortcut::activated, &window, [&window] {
        CHelpWindow helpWindow(&window);
        helpWindow.DoModal();
    });
}

} // namespace velmaro
