#include "app/converter_app.h"

#include "mainwnd/converter_dlg.h"

#include <utility>

namespace velmaro {

CConverterApp::CConverterApp(QStringList arguments) : m_arguments(std::move(arguments)) {}

bool CConverterApp::InitInstance() {
    CConverterDlg dlg;
    m_pMainWnd = &dlg;
    SetDialogBkColor(QColor(236, 233, 216), QColor(80, 0, 0));
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

} // namespace velmaro
