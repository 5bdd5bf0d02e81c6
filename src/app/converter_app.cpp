#include "app/converter_app.h"

#include "app/command_line.h"
#include "mainwnd/converter_dlg.h"
#include "shell/splash_window.h"

#include <utility>

namespace velmaro {

CConverterApp::CConverterApp(QStringList arguments) : m_arguments(std::move(arguments)) {}

bool CConverterApp::InitInstance() {
    // Only an embedded or automation start goes without the splash.
    CCommandLineInfo cmdInfo;
    ParseCommandLine(m_arguments, cmdInfo);
    CSplashWindow::EnableSplash(cmdInfo.m_bShowSplash);

    // Constructing the main window puts the splash on the screen.
    CConverterDlg dlg;
    m_pMainWnd = &dlg;
    SetDialogBkColor(QColor(236, 233, 216), QColor(80, 0, 0));
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

} // namespace velmaro
