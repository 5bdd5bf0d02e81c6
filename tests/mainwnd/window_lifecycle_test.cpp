// Windows opened and closed again and again leave nothing behind: every
// widget they made is gone once they close. A leaked dialog stays reachable
// through its parent, so LeakSanitizer alone would never see it; the count of
// live widgets does. The sanitized build runs the same test and adds
// LeakSanitizer's verdict on memory that no widget holds.

#include "main_window_fixture.h"
#include "modal_watcher.h"

#include "mainwnd/converter_ids.h"
#include "res/main_window_template.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

using velmaro::test::MainWindowUnderTest;
using velmaro::test::ModalWatcher;

namespace {

constexpr int kRounds = 3;

// Every widget that exists: a window that leaks one leaves it in this list.
qsizetype LiveWidgets() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return QApplication::allWidgets().size();
}

// Types a number into every field of whatever modal window is up, then
// closes it: the change cycle of that window runs before it goes.
void TypeIntoModalThenClose() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return;
    }
    for (QLineEdit* field : modal->findChildren<QLineEdit*>()) {
        if (field->isVisible() && !field->isReadOnly()) {
            QTest::keyClicks(field, QStringLiteral("12.5"));
        }
    }
    modal->close();
}

} // namespace

class WindowLifecycleTest : public QObject {
    Q_OBJECT

private slots:
    // The windows speak Chinese here, whatever the machine's desktop speaks.
    void initTestCase() { velmaro::res::UseLanguage(velmaro::texts::Language::Chinese); }

    void theMainWindowLeavesNoWidgetBehind() {
        { MainWindowUnderTest warmUp; } // Qt makes its own helpers on first use
        const qsizetype before = LiveWidgets();
        for (int round = 0; round < kRounds; ++round) {
            MainWindowUnderTest t;
            QTest::keyClicks(t.field(1066), QStringLiteral("2.5"));
            QVERIFY(LiveWidgets() > before);
        }
        QCOMPARE(LiveWidgets(), before);
    }

    // Whatever window a push button of the main window opens (the category
    // buttons open their dialogs), it is gone again once it closes.
    void everyButtonsWindowLeavesNoWidgetBehind_data() {
        QTest::addColumn<int>("buttonId");
        for (const velmaro::fw::ControlTemplate& control :
             velmaro::res::MainWindowTemplate().controls) {
            if (control.kind == velmaro::fw::ControlKind::PushButton) {
                QTest::addRow("%d", control.id) << control.id;
            }
        }
    }

    void everyButtonsWindowLeavesNoWidgetBehind() {
        QFETCH(int, buttonId);
        MainWindowUnderTest t;
        auto* button = t.window->DlgItem<QAbstractButton>(buttonId);
        QVERIFY(button != nullptr);
        ModalWatcher watchdog; // closes whatever the typing left open
        const qsizetype before = LiveWidgets();
        for (int round = 0; round < kRounds; ++round) {
            QTimer::singleShot(0, &TypeIntoModalThenClose);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(LiveWidgets(), before);
        }
    }

    void theAboutBoxLeavesNoWidgetBehind() {
        MainWindowUnderTest t;
        ModalWatcher closer;
        const qsizetype before = LiveWidgets();
        for (int round = 0; round < kRounds; ++round) {
            t.window->OnSysCommand(velmaro::ID_SYSCMD_ABOUT);
            QCOMPARE(LiveWidgets(), before);
        }
        QCOMPARE(closer.count(), kRounds);
    }
};

QTEST_MAIN(WindowLifecycleTest)
#include "window_lifecycle_test.moc"
