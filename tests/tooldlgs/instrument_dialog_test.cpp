// The instrument window: each tool recomputes on every keystroke, shows its
// verdict instead of a number, and every field and list carries its label as
// its accessible name; the window opens from the window menu, its key and the
// help window.

#include "main_window_fixture.h"
#include "modal_watcher.h"

#include "mainwnd/converter_ids.h"
#include "mainwnd/system_menu.h"
#include "res/help_window_template.h"
#include "res/instrument_ids.h"
#include "shell/help_window.h"
#include "tooldlgs/instrument_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using velmaro::CInstrumentDialog;
namespace res = velmaro::res;

namespace {

QLineEdit* Field(CInstrumentDialog& dialog, int id) {
    return dialog.DlgItem<QLineEdit>(id);
}

// Clears the field and types `text` key by key, as a user does.
void Type(CInstrumentDialog& dialog, int id, const QString& text) {
    QLineEdit* field = Field(dialog, id);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

QString Shown(CInstrumentDialog& dialog, int id) {
    return dialog.GetDlgItemText(id);
}

void Choose(CInstrumentDialog& dialog, int id, int entry) {
    auto* list = dialog.DlgItem<QComboBox>(id);
    list->setCurrentIndex(entry);
    emit list->activated(entry);
}

} // namespace

class InstrumentDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Type K: 15.2 mV at a 25 °C terminal block is E(T) = 16.2 mV; 400 °C
    // hot and 25 °C cold read 16.397 - 1.000 mV (NIST).
    void coldJunction() {
        CInstrumentDialog dialog;
        dialog.Create();
        QCOMPARE(dialog.DlgItem<QComboBox>(res::IDC_CJ_TYPE)->currentText(),
                 QStringLiteral("(K型)镍铬-镍硅热电偶"));
        QVERIFY(std::abs(Shown(dialog, res::IDC_CJ_EMF).toDouble() - 15.397) < 0.001);
        Type(dialog, res::IDC_CJ_EMF, QStringLiteral("15.2"));
        QVERIFY(std::abs(Shown(dialog, res::IDC_CJ_HOT).toDouble() - 395.4) < 0.1);
        Type(dialog, res::IDC_CJ_COLD, QStringLiteral("1400"));
        QCOMPARE(Shown(dialog, res::IDC_CJ_HOT), QString());
        QCOMPARE(Shown(dialog, res::IDC_CJ_STATUS), QStringLiteral("超出范围"));
        Type(dialog, res::IDC_CJ_COLD, QStringLiteral("0"));
        QCOMPARE(Shown(dialog, res::IDC_CJ_STATUS), QString());
    }

    void transmitter() {
        CInstrumentDialog dialog;
        dialog.Create();
        Type(dialog, res::IDC_TX_SIGNAL, QStringLiteral("12.4"));
        QCOMPARE(Shown(dialog, res::IDC_TX_VALUE), QStringLiteral("0.840000"));
        QCOMPARE(Shown(dialog, res::IDC_TX_PERCENT), QStringLiteral("52.50"));
        Type(dialog, res::IDC_TX_PERCENT, QStringLiteral("25"));
        QCOMPARE(Shown(dialog, res::IDC_TX_SIGNAL), QStringLiteral("8.000"));
        // Square root: a quarter of the signal span is half the flow.
        Choose(dialog, res::IDC_TX_CHARACTERISTIC, 1);
        QCOMPARE(Shown(dialog, res::IDC_TX_SIGNAL), QStringLiteral("5.000"));
        Type(dialog, res::IDC_TX_SIGNAL, QStringLiteral("21"));
        QCOMPARE(Shown(dialog, res::IDC_TX_STATUS), QStringLiteral("信号超出信号范围"));
        QVERIFY(!Shown(dialog, res::IDC_TX_VALUE).isEmpty());
        Type(dialog, res::IDC_TX_URV, QStringLiteral("0"));
        QCOMPARE(Shown(dialog, res::IDC_TX_STATUS), QStringLiteral("量程上限不能等于下限"));
        QCOMPARE(Shown(dialog, res::IDC_TX_VALUE), QString());
    }

    // 1200 m³/h at 0.6 MPa gauge and 40 °C:
    // 1200 * 701325 / 101325 * 273.15 / 313.15 Nm³/h, times 1.293 kg/Nm³.
    void gasFlow() {
        CInstrumentDialog dialog;
        dialog.Create();
        QCOMPARE(Shown(dialog, res::IDC_GAS_NORMAL_FLOW), QStringLiteral("7244.905797"));
        QCOMPARE(Shown(dialog, res::IDC_GAS_MASS_FLOW), QStringLiteral("9367.663195"));
        Type(dialog, res::IDC_GAS_NORMAL_FLOW, QStringLiteral("7244.905797"));
        QCOMPARE(Shown(dialog, res::IDC_GAS_LINE_FLOW), QStringLiteral("1200.000000"));
        Type(dialog, res::IDC_GAS_Z, QStringLiteral("0"));
        QCOMPARE(Shown(dialog, res::IDC_GAS_STATUS), QStringLiteral("压缩因子 Z 须大于零"));
        QCOMPARE(Shown(dialog, res::IDC_GAS_LINE_FLOW), QString());
        QCOMPARE(Shown(dialog, res::IDC_GAS_MASS_FLOW), QString());
    }

    void everyFieldAndListIsNamedByItsLabel() {
        CInstrumentDialog dialog;
        dialog.Create();
        int controls = 0;
        for (const QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<const QLineEdit*>(control) != nullptr ||
                qobject_cast<const QComboBox*>(control) != nullptr) {
                ++controls;
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
            }
        }
        QCOMPARE(controls, 27);
        QCOMPARE(Field(dialog, res::IDC_CJ_COLD)->accessibleName(), QStringLiteral("冷端温度 °C"));
    }

    void opensFromTheWindowMenuItsKeyAndTheHelpWindow() {
        velmaro::test::MainWindowUnderTest t;
        t.window->show();
        t.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
        {
            velmaro::test::ModalWatcher watcher(t.window.get());
            QTest::keyClick(t.field(1064), Qt::Key_I, Qt::ControlModifier);
            t.window->GetSystemMenu()->FindCommand(velmaro::ID_SYSCMD_INSTRUMENTS)->trigger();
            QCOMPARE(watcher.count(), 2);
            for (const auto& closed : watcher.closed()) {
                QCOMPARE(closed.title, QStringLiteral("仪表计算"));
                QVERIFY(closed.ownedByExpected);
            }
        }
        velmaro::CHelpWindow help;
        help.Create();
        velmaro::test::ModalWatcher watcher(&help);
        QTest::mouseClick(help.GetDlgItem(res::IDC_HELP_INSTRUMENTS), Qt::LeftButton);
        QCOMPARE(watcher.count(), 1);
        QCOMPARE(watcher.closed()[0].title, QStringLiteral("仪表计算"));
    }
};

QTEST_MAIN(InstrumentDialogTest)
#include "instrument_dialog_test.moc"
