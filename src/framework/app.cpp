#include "framework/app.h"

namespace velmaro::fw {
namespace {

CWinApp* g_app = nullptr;
// Until an application sets its own, dialogs use the system's grey and black.
DialogColors g_dialogColors{QColor(240, 240, 240), QColor(0, 0, 0)};

} // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

// A member, as the application object's other settings are, though the
// colours it sets are the process's.
// NOLINTNEXTLINE(readability-convert-member-functions-to-static)
void CWinApp::SetDialogBkColor(QColor background, QColor text) {
    g_dialogColors = {background, text};
}

CWinApp* AfxGetApp() {
    return g_app;
}

QWidget* AfxGetMainWnd() {
    return g_app != nullptr ? g_app->m_pMainWnd : nullptr;
}

DialogColors AfxDialogColors() {
    return g_dialogColors;
}

} // namespace velmaro::fw
