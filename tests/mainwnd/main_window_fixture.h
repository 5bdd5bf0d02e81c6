#pragma once

// A main window opened the way the program opens it, without the start-up
// pause, for window tests.

#include "framework/app.h"
#include "mainwnd/converter_dlg.h"

#include <QLineEdit>
#include <QString>

#include <map>
#include <memory>

namespace velmaro::test {

class TestApp : public fw::CWinApp {
public:
    bool InitInstance() override { return false; }
};

struct MainWindowUnderTest {
    MainWindowUnderTest() {
        CConverterDlg::SetStartupPause(0);
        app.SetDialogBkColor(QColor(236, 233, 216), QColor(80, 0, 0));
        window = std::make_unique<CConverterDlg>();
        app.m_pMainWnd = window.get();
        window->SetNotificationObserver([this](int id, fw::Notify) { ++handlerRuns[id]; });
        window->Create();
    }

    QLineEdit* field(int id) const { return window->DlgItem<QLineEdit>(id); }
    QString text(int id) const { return field(id)->text(); }

    TestApp app;
    std::unique_ptr<CConverterDlg> window;
    std::map<int, int> handlerRuns;
};

} // namespace velmaro::test
