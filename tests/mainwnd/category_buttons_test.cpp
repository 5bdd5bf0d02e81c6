// The category buttons of the main window: each opens its own category
// dialog as a real modal run over the main window, fresh and empty on every
// click. A watchdog closes any modal left open, so no test can hang.

#include "main_window_fixture.h"

#include "../categories/category_dialog_kinds.h"
#include "mainwnd/converter_ids.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>

using velmaro::CCategoryDialog;
using velmaro::test::CategoryDialogKind;
using velmaro::test::FindDialogKind;
using velmaro::test::MainWindowUnderTest;
using velmaro::test::Utf8;

namespace {

// The watchdog's way out: closes whatever modal windows are up.
void CloseEveryModal() {
    for (int i = 0; i < 8; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        modal->close();
    }
}

// Clicks `button` and runs `whileOpen` on the modal window it opens, then
// closes that window. Returns false if the watchdog had to close a modal
// (nothing opened, or the modal run did not end).
bool ClickAndInspect(QAbstractButton* button, const std::function<void(QWidget*)>& whileOpen) {
    QObject scope;
    bool inspected = false;
    QTimer::singleShot(0, &scope, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        inspected = true;
        whileOpen(modal);
        modal->close();
    });
    bool watchdogFired = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &scope, [&] {
        watchdogFired = true;
        CloseEveryModal();
    });
    watchdog.start(5000);
    QTest::mouseClick(button, Qt::LeftButton);
    // The click has returned: a modal run has ended, or none was started.
    QCoreApplication::processEvents();
    return inspected && !watchdogFired && QApplication::activeModalWidget() == nullptr;
}

struct ButtonRoute {
    int buttonId;
    const char* caption;
    const char* dialogClass;
};

// The buttons in their left-to-right order and the dialog each opens.
const ButtonRoute kButtonRoutes[] = {
    {1100, "力", "CForceDlg"},
    {1053, "面积", "CAreaDlg"},
    {1054, "容积", "CCapacityDlg"},
    {1055, "体积", "CVolumeDlg"},
    {1056, "密度", "CDensityDlg"},
    {1057, "长度", "CLengthDlg"},
    {1092, "质量", "CMassDlg"},
    {1098, "速度", "CSpeedDlg"},
    {1101, "能量", "CEnergyDlg"},
    {1102, "功率", "CPowerDlg"},
    {1096, "传热系数", "CHeatTransferCoefDlg"},
    {1091, "导热系数", "CThermalConductivityDlg"},
    {1093, "动力粘度", "CDynamicViscosityDlg"},
    {1094, "运动粘度", "CKinematicViscosityDlg"},
    {1095, "传热速度", "CHeatFluxDlg"},
    {1097, "扩散系数", "CDiffusionCoefDlg"},
    {1099, "表面张力", "CSurfaceTensionDlg"},
};

} // namespace

class CategoryButtonsTest : public QObject {
    Q_OBJECT

private slots:
    // The windows speak Chinese here, whatever the machine's desktop speaks.
    void initTestCase() { velmaro::res::UseLanguage(velmaro::texts::Language::Chinese); }

    void eachButtonOpensItsDialogModally_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("dialogClass");
        for (const ButtonRoute& route : kButtonRoutes) {
            QTest::newRow(route.dialogClass) << route.buttonId << QString::fromUtf8(route.caption)
                                             << QString::fromLatin1(route.dialogClass);
        }
    }

    void eachButtonOpensItsDialogModally() {
        QFETCH(int, button);
        QFETCH(QString, caption);
        QFETCH(QString, dialogClass);
        const CategoryDialogKind* kind = FindDialogKind(dialogClass);
        QVERIFY(kind != nullptr);
        MainWindowUnderTest t;
        auto* pushButton = t.window->DlgItem<QAbstractButton>(button);
        QVERIFY(pushButton != nullptr);
        QCOMPARE(pushButton->text(), caption);

        bool rightClass = false;
        bool modalOverMain = false;
        bool empty = true;
        QString title;
        QString focused;
        QPointer<QWidget> opened;
        const bool ran = ClickAndInspect(pushButton, [&](QWidget* modal) {
            opened = modal;
            rightClass = kind->isInstance(modal);
            title = modal->windowTitle();
            modalOverMain =
                modal->isModal() && modal->parentWidget() == t.window.get() && modal->isVisible();
            // The field that has the focus within the dialog (the window
            // itself may not be active yet on every platform).
            if (QWidget* focus = modal->focusWidget()) {
                focused = focus->objectName();
            }
            for (const auto& place : kind->layout->fields) {
                const auto* dialog = static_cast<CCategoryDialog*>(modal);
                empty = empty && dialog->GetDlgItemText(place.controlId).isEmpty();
            }
        });
        QVERIFY(ran);
        QVERIFY(rightClass);
        QCOMPARE(title, Utf8(velmaro::texts::Lookup(kind->layout->titleTextId)));
        QVERIFY(modalOverMain);
        QVERIFY(empty);
        int firstField = 0;
        for (const auto& place : kind->layout->fields) {
            if (place.tabPosition == 1) {
                firstField = place.controlId;
            }
        }
        QCOMPARE(focused, QString::number(firstField));
        // The dialog was destroyed when its run ended.
        QVERIFY(opened.isNull());
        // Nothing of the main window changed meanwhile.
        QVERIFY(t.window->isVisible());
        QCOMPARE(t.text(1064), QString());
    }

    void reopeningADialogStartsEmpty() {
        MainWindowUnderTest t;
        auto* button = t.window->DlgItem<QAbstractButton>(1057 /* 长度 */);
        QString typedAndConverted;
        QVERIFY(ClickAndInspect(button, [&](QWidget* modal) {
            auto* dialog = static_cast<CCategoryDialog*>(modal);
            QTest::keyClicks(modal->focusWidget(), QStringLiteral("1")); // in
            typedAndConverted = dialog->GetDlgItemText(1018);            // mm
        }));
        QCOMPARE(typedAndConverted, QStringLiteral("25.40000000"));

        QStringList texts;
        QVERIFY(ClickAndInspect(button, [&](QWidget* modal) {
            auto* dialog = static_cast<CCategoryDialog*>(modal);
            for (const int id : dialog->fields().controlIds) {
                texts << dialog->GetDlgItemText(id);
            }
        }));
        QCOMPARE(texts.size(), 12);
        for (const QString& text : texts) {
            QCOMPARE(text, QString());
        }
    }

    void escapeEndsTheModalRunAndTheMainWindowStaysOpen() {
        MainWindowUnderTest t;
        auto* button = t.window->DlgItem<QAbstractButton>(1099 /* 表面张力 */);
        bool closedByEscape = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
                const bool stillOpenAfterEnter = modal->isVisible();
                QTest::keyClick(modal->focusWidget(), Qt::Key_Escape);
                closedByEscape = stillOpenAfterEnter && !modal->isVisible();
            }
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &scope, CloseEveryModal);
        watchdog.start(5000);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(closedByEscape);
        QVERIFY(t.window->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(CategoryButtonsTest)
#include "category_buttons_test.moc"
