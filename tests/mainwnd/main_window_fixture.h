#pragma once

// A main window opened the way the program opens it, without the start-up
// pause, for window tests. It speaks Chinese, whatever the machine's desktop
// speaks, unless a test asks for another language.

#include "framework/app.h"
#include "mainwnd/converter_dlg.h"
#include "res/language.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QtTest>

#include <map>
#include <memory>

namespace velmaro::test {

class TestApp : public fw::CWinApp {
public:
    bool InitInstance() override { return false; }
};

struct MainWindowUnderTest {
    explicit MainWindowUnderTest(texts::Language language = texts::Language::Chinese) {
        res::UseLanguage(language);
        CConverterDlg::SetStartupPause(0);
        app.SetDialogBkColor(QColor(236, 233, 216), QColor(80, 0, 0));
        window = std::make_unique<CConverterDlg>();
        app.m_pMainWnd = window.get();
        window->SetNotificationObserver([this](int id, fw::Notify) { ++handlerRuns[id]; });
        window->Create();
        // A last resort against a modal window nobody expected: a test that
        // closes its own modals does so within milliseconds, so one still up
        // after two seconds is closed here and the test fails instead of
        // hanging.
        QObject::connect(&strandedModalGuard, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal != lastModal) {
                lastModal = modal;
                return;
            }
            qWarning("closing a modal window left open: %s", qPrintable(modal->windowTitle()));
            strandedModals = true;
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else {
                modal->close();
            }
        });
        strandedModalGuard.start(2000);
    }

    ~MainWindowUnderTest() {
        if (strandedModals) {
            QTest::qFail("a modal window was left open", __FILE__, __LINE__);
        }
    }
    MainWindowUnderTest(const MainWindowUnderTest&) = delete;
    MainWindowUnderTest& operator=(const MainWindowUnderTest&) = delete;

    QLineEdit* field(int id) const { return window->DlgItem<QLineEdit>(id); }
    QString text(int id) const { return field(id)->text(); }

    TestApp app;
    std::unique_ptr<CConverterDlg> window;
    std::map<int, int> handlerRuns;
    QTimer strandedModalGuard;
    QPointer<QWidget> lastModal;
    bool strandedModals = false;
};

} // namespace velmaro::test

Q_DECLARE_METATYPE(velmaro::texts::Language)
