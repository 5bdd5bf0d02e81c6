// The help window: every text whole and apart on one screen, how it closes,
// its button to the About box, and F1 opening it over the main window and
// over a category dialog.

#include "main_window_fixture.h"
#include "modal_watcher.h"
#include "wine.h"

#include "categories/category_dialogs.h"
#include "framework/group_box.h"
#include "res/help_window_template.h"
#include "res/language.h"
#include "shell/help_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using velmaro::CHelpWindow;
using velmaro::test::MainWindowUnderTest;
using velmaro::test::ModalWatcher;

namespace {

using CloseAction = std::function<void(QDialog&)>;

// Presses F1 in `window` once it is the active window; the help window's modal
// run closes through `watcher`, which records it.
void PressF1In(QWidget* window, QWidget* focus) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(focus, Qt::Key_F1);
}

} // namespace

Q_DECLARE_METATYPE(CloseAction)

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The windows speak Chinese here, whatever the machine's desktop speaks.
    void initTestCase() { velmaro::res::UseLanguage(velmaro::texts::Language::Chinese); }

    void everyTextIsWholeAndApartOnOneScreen() {
        if (velmaro::test::RunningUnderWine()) {
            // Wine's metrics of the stand-in faces make some texts a few
            // pixels wider than the window allows (not yet seen on Windows).
            QSKIP("under Wine some texts overrun the help window by a few pixels");
        }
        CHelpWindow help;
        help.Create();
        QCOMPARE(help.windowTitle(), QStringLiteral("Velmaro 帮助"));
        // Room to spare on a 1024 x 768 screen, title bar and task bar included.
        QVERIFY(help.width() <= 1024 && help.height() <= 680);

        QList<QWidget*> boxes; // no meta-object of its own: found by its type
        for (QWidget* child : help.findChildren<QWidget*>()) {
            if (dynamic_cast<velmaro::fw::CGroupBox*>(child) != nullptr) {
                boxes << child;
            }
        }
        const auto buttons = help.findChildren<QPushButton*>();
        const auto texts = help.findChildren<QLabel*>();
        QCOMPARE(boxes.size(), 4);
        QCOMPARE(texts.size(), 4);
        for (const QLabel* text : texts) {
            const QRect place = text->geometry();
            QVERIFY(help.rect().contains(place));
            int frames = 0;
            for (const QWidget* box : boxes) {
                frames += box->geometry().contains(place) ? 1 : 0;
            }
            QCOMPARE(frames, 1);
            for (const QWidget* other : texts) {
                QVERIFY(other == text || !other->geometry().intersects(place));
            }
            for (const QWidget* button : buttons) {
                QVERIFY(!button->geometry().intersects(place));
            }
        }

        const auto* about = help.DlgItem<QPushButton>(velmaro::res::IDC_HELP_ABOUT);
        QVERIFY(about != nullptr);
        QCOMPARE(about->text(), QStringLiteral("关于 Velmaro(&A)..."));
        QVERIFY(help.rect().contains(about->geometry()));
        QCOMPARE(help.focusWidget(), help.GetDlgItem(velmaro::res::IDC_HELP_CLOSE));
    }

    void closes_data() {
        QTest::addColumn<CloseAction>("close");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << CloseAction([](QDialog& help) {
            QTest::keyClick(&help, Qt::Key_Return);
        }) << int(QDialog::Accepted);
        QTest::newRow("keypad Enter") << CloseAction([](QDialog& help) {
            QTest::keyClick(&help, Qt::Key_Enter, Qt::KeypadModifier);
        }) << int(QDialog::Accepted);
        QTest::newRow("close button") << CloseAction([](QDialog& help) {
            QTest::mouseClick(help.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
        }) << int(QDialog::Accepted);
        QTest::newRow("Escape") << CloseAction([](QDialog& help) {
            QTest::keyClick(&help, Qt::Key_Escape);
        }) << int(QDialog::Rejected);
        QTest::newRow("close box")
            << CloseAction([](QDialog& help) { help.close(); }) << int(QDialog::Rejected);
    }

    void closes() {
        QFETCH(CloseAction, close);
        QFETCH(int, result);
        CHelpWindow help;
        QTimer::singleShot(10, &help, [&] { close(help); });
        // Should the way under test fail to close it, the test fails instead
        // of waiting for ever.
        QTimer::singleShot(5000, &help, [&help] { help.done(-1); });
        QCOMPARE(help.DoModal(), result);
    }

    void theAboutButtonOpensTheAboutBoxOverIt() {
        CHelpWindow help;
        help.Create();
        ModalWatcher watcher(&help);
        QTest::mouseClick(help.GetDlgItem(velmaro::res::IDC_HELP_ABOUT), Qt::LeftButton);
        QCOMPARE(watcher.count(), 1);
        QCOMPARE(watcher.closed()[0].title, QStringLiteral("关于 TharnixV1.0"));
        QVERIFY(watcher.closed()[0].ownedByExpected);
    }

    void f1OpensItOverTheMainWindowAndOverACategoryDialog() {
        MainWindowUnderTest t;
        {
            ModalWatcher watcher(t.window.get());
            PressF1In(t.window.get(), t.field(1064));
            QCOMPARE(watcher.count(), 1);
            QCOMPARE(watcher.closed()[0].title, QStringLiteral("Velmaro 帮助"));
            QVERIFY(watcher.closed()[0].ownedByExpected);
        }
        velmaro::CLengthDlg length;
        length.Create();
        ModalWatcher watcher(&length);
        PressF1In(&length, length.findChild<QLineEdit*>());
        QCOMPARE(watcher.count(), 1);
        QCOMPARE(watcher.closed()[0].title, QStringLiteral("Velmaro 帮助"));
        QVERIFY(watcher.closed()[0].ownedByExpected);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
