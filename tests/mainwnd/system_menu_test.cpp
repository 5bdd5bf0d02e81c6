// The main window's window menu: its entries in each language, how it opens,
// and the commands it appends: About, the tool windows and the language.

#include "main_window_fixture.h"
#include "modal_watcher.h"

#include "mainwnd/converter_ids.h"
#include "mainwnd/system_menu.h"
#include "shell/about_box.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <map>

using velmaro::CAboutBox;
using velmaro::CSystemMenu;
using velmaro::test::MainWindowUnderTest;
using velmaro::test::ModalWatcher;

namespace {

// Records which popup menus open and closes each, so that a menu that runs
// its own loop cannot hang the test.
class PopupWatcher : public QObject {
public:
    PopupWatcher() {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
        m_timer.start();
    }

    QList<QWidget*> popups;

private:
    void Tick() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            if (!popups.contains(popup)) {
                popups << popup;
            }
            popup->close();
        }
    }

    QTimer m_timer;
};

QStringList CommandTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

// Everything of the main window the user could see change.
struct WindowState {
    std::map<QString, QString> fieldTexts;
    QString title;
    QRect geometry;
    bool visible;
    int sensorType;

    bool operator==(const WindowState&) const = default;
};

WindowState StateOf(const velmaro::CConverterDlg& window) {
    WindowState state{{},
                      window.windowTitle(),
                      window.geometry(),
                      window.isVisible(),
                      window.DlgItem<QComboBox>(velmaro::IDC_SENSOR_TYPE)->currentIndex()};
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        state.fieldTexts[edit->objectName()] = edit->text();
    }
    return state;
}

void ShowActive(QWidget& window) {
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class SystemMenuTest : public QObject {
    Q_OBJECT

private slots:
    void theAppendedCommandsComeLastAfterASeparator_data() {
        QTest::addColumn<velmaro::texts::Language>("language");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("zh") << velmaro::texts::Language::Chinese
                            << QStringList{"还原(&R)",
                                           "移动(&M)",
                                           "最小化(&N)",
                                           "关闭(&C)\tAlt+F4",
                                           "-",
                                           "关于 Velmaro(&A)...",
                                           "仪表计算(&I)...\tCtrl+I",
                                           "水和水蒸气性质(&W)...\tCtrl+H",
                                           "差压流量计算(&L)...\tCtrl+L",
                                           "Language / 语言"};
        QTest::newRow("en") << velmaro::texts::Language::English
                            << QStringList{"&Restore",
                                           "&Move",
                                           "Mi&nimize",
                                           "&Close\tAlt+F4",
                                           "-",
                                           "&About Velmaro...",
                                           "&Instrument Calculations...\tCtrl+I",
                                           "&Water and Steam...\tCtrl+H",
                                           "&Flowmeter...\tCtrl+L",
                                           "Language / 语言"};
    }

    void theAppendedCommandsComeLastAfterASeparator() {
        QFETCH(velmaro::texts::Language, language);
        QFETCH(QStringList, entries);
        MainWindowUnderTest t(language);
        CSystemMenu* sysMenu = t.window->GetSystemMenu();
        QVERIFY(sysMenu != nullptr);
        QCOMPARE(CommandTexts(sysMenu->Menu()), entries);
        const QList<QAction*> actions = sysMenu->Menu().actions();
        QCOMPARE(sysMenu->FindCommand(velmaro::ID_SYSCMD_ABOUT), actions[actions.size() - 5]);
        QCOMPARE(sysMenu->FindCommand(velmaro::ID_SYSCMD_INSTRUMENTS), actions[actions.size() - 4]);
        QCOMPARE(sysMenu->FindCommand(velmaro::ID_SYSCMD_STEAM), actions[actions.size() - 3]);
        QCOMPARE(sysMenu->FindCommand(velmaro::ID_SYSCMD_FLOWMETER), actions[actions.size() - 2]);
        QCOMPARE(sysMenu->FindCommand(velmaro::ID_SYSCMD_LANGUAGE), actions.back());
    }

    // The language command switches to the other language at once (the
    // window closes for the application to open it again in it) and keeps
    // the choice for later runs.
    void theLanguageCommandSwitchesAndRemembersTheOtherLanguage() {
        QTemporaryDir settings;
        velmaro::res::KeepLanguageIn(settings.filePath(QStringLiteral("settings.ini")));
        for (const auto& [from, to] :
             {std::pair{velmaro::texts::Language::Chinese, velmaro::texts::Language::English},
              std::pair{velmaro::texts::Language::English, velmaro::texts::Language::Chinese}}) {
            MainWindowUnderTest t(from);
            t.window->OnSysCommand(velmaro::ID_SYSCMD_LANGUAGE);
            QCOMPARE(t.window->result(), velmaro::CConverterDlg::kLanguageSwitched);
            QVERIFY(!t.window->isVisible());
            QCOMPARE(velmaro::texts::CurrentLanguage(), to);
            QCOMPARE(velmaro::res::RememberedLanguage(), std::optional{to});
        }
        velmaro::res::KeepLanguageIn(QString());
    }

    void altSpaceOpensTheMenuFromAnyField() {
#ifdef Q_OS_WIN
        QSKIP("Windows opens its own system menu (system_menu_win_tests)");
#endif
        MainWindowUnderTest t;
        ShowActive(*t.window);
        QLineEdit* field = t.field(1016);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Space, Qt::AltModifier);
        QMenu& menu = t.window->GetSystemMenu()->Menu();
        QTRY_COMPARE(QApplication::activePopupWidget(), &menu);
        QVERIFY(t.text(1016).isEmpty()); // the key typed nothing
        menu.close();
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    }

    void aRightClickOpensTheMenuOnlyOnTheBackground_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("opens");
        QTest::newRow("bare window") << "window" << true;
        QTest::newRow("static text") << "label" << true;
        QTest::newRow("group box") << "group" << true;
        QTest::newRow("category button") << "button" << false;
        QTest::newRow("combo box") << "combo" << false;
        QTest::newRow("unit field") << "field" << false;
    }

    void aRightClickOpensTheMenuOnlyOnTheBackground() {
#ifdef Q_OS_WIN
        QSKIP("Windows opens its own system menu (system_menu_win_tests)");
#endif
        QFETCH(QString, where);
        QFETCH(bool, opens);
        MainWindowUnderTest t;
        ShowActive(*t.window);
        const std::map<QString, QPoint> points{
            {"window", QPoint(3, t.window->height() - 3)},
            {"label", t.window->GetDlgItem(velmaro::IDC_FOOTER_PHONE_CAPTION)->geometry().center()},
            {"group", t.window->GetDlgItem(velmaro::IDC_GROUP_TEMPERATURE)->geometry().topLeft() +
                          QPoint(6, 60)},
            {"button", t.window->GetDlgItem(1053 /* 面积 */)->geometry().center()},
            {"combo", t.window->GetDlgItem(velmaro::IDC_SENSOR_TYPE)->geometry().center()},
            {"field", t.field(1064)->geometry().center()},
        };
        const QPoint at = points.at(where);
        QWidget* target = t.window->childAt(at);
        if (target == nullptr) {
            target = t.window.get();
        }
        if (where == "window") {
            QCOMPARE(target, t.window.get());
        } else if (where == "label") {
            QVERIFY(qobject_cast<QLabel*>(target) != nullptr);
        }

        // The window system turns a right click into this event for the
        // widget under the pointer; a widget that does not want it passes it
        // on to its parent.
        QMenu& menu = t.window->GetSystemMenu()->Menu();
        PopupWatcher watcher;
        QContextMenuEvent click(QContextMenuEvent::Mouse, target->mapFrom(t.window.get(), at),
                                t.window->mapToGlobal(at));
        QApplication::sendEvent(target, &click);
        if (opens) {
            QTRY_VERIFY(watcher.popups.contains(&menu));
        } else {
            QTest::qWait(100);
            QVERIFY(!watcher.popups.contains(&menu));
        }
    }

    void theAboutCommandOpensTheAboutBoxModally_data() {
        QTest::addColumn<unsigned>("command");
        QTest::newRow("About") << velmaro::ID_SYSCMD_ABOUT;
        // The window system's low four bits do not change the command.
        QTest::newRow("About with low bits") << (velmaro::ID_SYSCMD_ABOUT | 0x000Fu);
    }

    void theAboutCommandOpensTheAboutBoxModally() {
        QFETCH(unsigned, command);
        MainWindowUnderTest t;
        ShowActive(*t.window);
        QTest::keyClicks(t.field(1016), QStringLiteral("1"));
        const WindowState before = StateOf(*t.window);

        ModalWatcher watcher(t.window.get());
        if (command == velmaro::ID_SYSCMD_ABOUT) {
            t.window->GetSystemMenu()->FindCommand(velmaro::ID_SYSCMD_ABOUT)->trigger();
        } else {
            t.window->OnSysCommand(command);
        }

        QCOMPARE(watcher.count(), 1);
        QCOMPARE(watcher.closed().front().title, QStringLiteral("关于 TharnixV1.0"));
        QVERIFY(watcher.closed().front().ownedByExpected);
        QVERIFY(t.window->findChildren<CAboutBox*>().isEmpty()); // destroyed on closing
        QVERIFY(StateOf(*t.window) == before);
        QCOMPARE(t.text(1066), QStringLiteral("101325.000000"));
    }

    void theOtherCommandsActOnTheWindow() {
        MainWindowUnderTest t;
        ShowActive(*t.window);
        t.window->OnSysCommand(velmaro::SC_MINIMIZE);
        QTRY_VERIFY(t.window->isMinimized());
        t.window->OnSysCommand(velmaro::SC_RESTORE);
        QTRY_VERIFY(!t.window->isMinimized());
        QVERIFY(t.window->isVisible());
        ModalWatcher watcher;
        t.window->OnSysCommand(velmaro::SC_CLOSE);
        QVERIFY(!t.window->isVisible());
        QCOMPARE(t.window->result(), int(QDialog::Rejected));
        QCOMPARE(watcher.count(), 0);
    }
};

QTEST_MAIN(SystemMenuTest)
#include "system_menu_test.moc"
