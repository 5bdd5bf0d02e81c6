// The main window's Windows system menu: the window system's own menu gets
// the About, tool and language commands, and the commands come back from it. Runs on the windows
// platform (a real window handle), not offscreen.

#include "main_window_fixture.h"
#include "modal_watcher.h"

#include "mainwnd/converter_ids.h"

#include <QContextMenuEvent>
#include <QtTest>

#include <windows.h>

using velmaro::test::MainWindowUnderTest;
using velmaro::test::ModalWatcher;

namespace {

HWND ShownWindow(MainWindowUnderTest& t) {
    t.window->show();
    t.window->activateWindow();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(t.window.get());
    return reinterpret_cast<HWND>(t.window->winId());
}

QString MenuText(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return QString::fromWCharArray(text);
}

} // namespace

class NativeSystemMenuTest : public QObject {
    Q_OBJECT

private slots:
    void theSystemMenuEndsWithASeparatorAndTheAppendedCommands() {
        MainWindowUnderTest t;
        const HWND window = ShownWindow(t);
        const HMENU menu = GetSystemMenu(window, FALSE);
        QVERIFY(menu != nullptr);
        const int count = GetMenuItemCount(menu);
        QVERIFY(count >= 6); // the window system's own entries stay first
        QVERIFY((GetMenuState(menu, static_cast<UINT>(count - 6), MF_BYPOSITION) & MF_SEPARATOR) !=
                0);
        QCOMPARE(GetMenuItemID(menu, count - 5), UINT(velmaro::ID_SYSCMD_ABOUT));
        QCOMPARE(MenuText(menu, count - 5), QStringLiteral("关于 Velmaro(&A)..."));
        QCOMPARE(GetMenuItemID(menu, count - 4), UINT(velmaro::ID_SYSCMD_INSTRUMENTS));
        QCOMPARE(MenuText(menu, count - 4), QStringLiteral("仪表计算(&I)...\tCtrl+I"));
        QCOMPARE(GetMenuItemID(menu, count - 3), UINT(velmaro::ID_SYSCMD_STEAM));
        QCOMPARE(MenuText(menu, count - 3), QStringLiteral("水和水蒸气性质(&W)...\tCtrl+H"));
        QCOMPARE(GetMenuItemID(menu, count - 2), UINT(velmaro::ID_SYSCMD_FLOWMETER));
        QCOMPARE(MenuText(menu, count - 2), QStringLiteral("差压流量计算(&L)...\tCtrl+L"));
        QCOMPARE(GetMenuItemID(menu, count - 1), UINT(velmaro::ID_SYSCMD_LANGUAGE));
        QCOMPARE(MenuText(menu, count - 1), QStringLiteral("Language / 语言"));

        // Hidden and shown again, the window does not add it twice.
        t.window->hide();
        ShownWindow(t);
        QCOMPARE(GetMenuItemCount(menu), count);
    }

    void theAboutCommandArrivesWithItsLowBitsMasked_data() {
        QTest::addColumn<unsigned>("command");
        QTest::newRow("About") << velmaro::ID_SYSCMD_ABOUT;
        QTest::newRow("About with low bits") << (velmaro::ID_SYSCMD_ABOUT | 0x000Fu);
    }

    void theAboutCommandArrivesWithItsLowBitsMasked() {
        QFETCH(unsigned, command);
        MainWindowUnderTest t;
        const HWND window = ShownWindow(t);
        ModalWatcher watcher(t.window.get());
        // A command chosen from the system menu is posted to the window, as
        // the window system's menu loop does, and arrives through the queue.
        PostMessageW(window, WM_SYSCOMMAND, command, 0);
        QTRY_COMPARE(watcher.count(), 1);
        QCOMPARE(watcher.closed().front().title, QStringLiteral("关于 TharnixV1.0"));
        QVERIFY(t.window->isVisible());
    }

    void aRightClickOnTheBackgroundOpensNoMenuOfTheWindowsOwn() {
        MainWindowUnderTest t;
        ShownWindow(t);
        const QPoint at(3, t.window->height() - 3);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, t.window->mapToGlobal(at));
        QApplication::sendEvent(t.window.get(), &click);
        QTest::qWait(100);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
    }
};

QTEST_MAIN(NativeSystemMenuTest)
#include "system_menu_win_test.moc"
