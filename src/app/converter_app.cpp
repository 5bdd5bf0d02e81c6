#include "app/converter_app.h"

#include "app/command_line.h"
#include "mainwnd/converter_dlg.h"
#include "res/language.h"
#include "shell/splash_window.h"

#include <optional>
#include <utility>

namespace velmaro {

CConverterApp::CConverterApp(QStringList arguments) : m_arguments(std::move(arguments)) {}

bool CConverterApp::InitInstance() {
    // Only an embedded or automation start goes without the splash. The
    // language is the command line's, the one chosen before, or the desktop's.
    CCommandLineInfo cmdInfo;
    ParseCommandLine(m_arguments, cmdInfo);
    for (const QString& problem : cmdInfo.m_problems) {
        qWarning("%s", qPrintable(problem));
    }
    res::UseLanguage(res::StartLanguage(cmdInfo.m_language));
    CSplashWindow::EnableSplash(cmdInfo.m_bShowSplash);

    // A language switched from the window menu closes the window; it opens
    // again at once in that language, as it stood, without the start-up
    // picture or pause.
    std::optional<CConverterDlg::WindowState> state;
    while (true) {
        // Constructing the main window puts the splash on the screen.
        CConverterDlg dlg;
        m_pMainWnd = &dlg;
        SetDialogBkColor(QColor(236, 233, 216), QColor(80, 0, 0));
        if (state) {
            dlg.ResumeFrom(std::move(*state));
        }
        const int result = dlg.DoModal();
        m_pMainWnd = nullptr;
        if (result != CConverterDlg::kLanguageSwitched) {
            break;
        }
        state = dlg.State();
        CSplashWindow::EnableSplash(false);
        CConverterDlg::SetStartupPause(0);
    }
    return false;
}

} // namespace velmaro
