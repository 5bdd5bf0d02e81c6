// The instrument window: each tool opens on its worked example, recomputes on
// every keystroke (typing into any of the fields a tool computes gives the
// others back), shows its verdict instead of a number, and every field and
// list carries its label as its accessible name. The tool windows open from
// the window menu, their keys and the help window, in the language in use.

#include "main_window_fixture.h"
#include "modal_watcher.h"
#include "tool_window_typing.h"

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

#include <vector>

using velmaro::CInstrumentDialog;
namespace res = velmaro::res;

namespace {

struct Case {
    const char* name;
    std::vector<Typing> typed;
    // What a field, or a verdict line, shows after the typing.
    std::vector<Typing> shown;
};

// clang-format off
const Case kCases[] = {
    // Type K: 400 °C hot and 25 °C cold read 16.397 - 1.000 mV (NIST); 15.2
    // mV at 25 °C is E(T) = 16.2 mV.
    {"cold junction: the worked example", {},
     {{res::IDC_CJ_TYPE, "(K型)镍铬-镍硅热电偶"}, {res::IDC_CJ_EMF, "15.396899"}}},
    {"cold junction: from the EMF", {{res::IDC_CJ_EMF, "15.2"}}, {{res::IDC_CJ_HOT, "395.34"}}},
    {"cold junction: outside the type's range", {{res::IDC_CJ_COLD, "1400"}},
     {{res::IDC_CJ_EMF, ""}, {res::IDC_CJ_STATUS, "超出范围"}}},
    {"transmitter: from the signal", {{res::IDC_TX_SIGNAL, "12.4"}},
     {{res::IDC_TX_VALUE, "0.840000"}, {res::IDC_TX_PERCENT, "52.50"}}},
    {"transmitter: from the value", {{res::IDC_TX_VALUE, "0.4"}},
     {{res::IDC_TX_SIGNAL, "8.000"}, {res::IDC_TX_PERCENT, "25.00"}}},
    // Square root: a quarter of the signal span is half the flow.
    {"transmitter: from the % of span, square root",
     {{res::IDC_TX_CHARACTERISTIC, "开方（差压流量）"}, {res::IDC_TX_PERCENT, "25"}},
     {{res::IDC_TX_SIGNAL, "5.000"}, {res::IDC_TX_VALUE, "0.400000"}}},
    {"transmitter: a signal outside its range is computed and flagged",
     {{res::IDC_TX_SIGNAL, "21"}},
     {{res::IDC_TX_VALUE, "1.700000"}, {res::IDC_TX_STATUS, "信号超出信号范围"}}},
    {"transmitter: an empty range", {{res::IDC_TX_URV, "0"}},
     {{res::IDC_TX_VALUE, ""}, {res::IDC_TX_STATUS, "量程上限不能等于下限"}}},
    // 1200 m³/h at 0.6 MPa gauge and 40 °C:
    // 1200 * 701325 / 101325 * 273.15 / 313.15 Nm³/h, times 1.293 kg/Nm³.
    {"gas flow: the worked example", {},
     {{res::IDC_GAS_NORMAL_FLOW, "7244.905797"}, {res::IDC_GAS_MASS_FLOW, "9367.663195"}}},
    {"gas flow: from the normal flow", {{res::IDC_GAS_NORMAL_FLOW, "7244.905797"}},
     {{res::IDC_GAS_LINE_FLOW, "1200.000000"}}},
    {"gas flow: from the standard flow", {{res::IDC_GAS_STANDARD_FLOW, "7775.376658"}},
     {{res::IDC_GAS_LINE_FLOW, "1200.000000"}}},
    {"gas flow: from the mass flow", {{res::IDC_GAS_MASS_FLOW, "4683.8315975"}},
     {{res::IDC_GAS_LINE_FLOW, "600.000000"}}},
    {"gas flow: the density from the molar mass", {{res::IDC_GAS_MOLAR_MASS, "28.9647"}},
     {{res::IDC_GAS_DENSITY, "1.292261"}}},
    {"gas flow: in l/s and kPa absolute",
     {{res::IDC_GAS_FLOW_UNIT, "l/s"}, {res::IDC_GAS_PRESSURE_UNIT, "kPa"},
      {res::IDC_GAS_PRESSURE_KIND, "绝压"}, {res::IDC_GAS_PRESSURE, "701.325"},
      {res::IDC_GAS_LINE_FLOW, "1"}},
     {{res::IDC_GAS_MASS_FLOW, "28.102990"}}},
    {"gas flow: Z of zero", {{res::IDC_GAS_Z, "0"}},
     {{res::IDC_GAS_STATUS, "压缩因子 Z 须大于零"}, {res::IDC_GAS_NORMAL_FLOW, ""},
      {res::IDC_GAS_MASS_FLOW, ""}}},
};
// clang-format on

} // namespace

class InstrumentDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { res::UseLanguage(velmaro::texts::Language::Chinese); }

    void typingRecomputesTheTool() {
        for (const Case& c : kCases) {
            CInstrumentDialog dialog;
            dialog.Create();
            for (const Typing& typing : c.typed) {
                Apply(dialog, typing);
            }
            for (const Typing& shown : c.shown) {
                const auto* list = dialog.DlgItem<QComboBox>(shown.id);
                const QString text =
                    list != nullptr ? list->currentText() : dialog.GetDlgItemText(shown.id);
                QVERIFY2(
                    text == QString::fromUtf8(shown.text),
                    qPrintable(
                        QStringLiteral("%1: %2 shows \"%3\"").arg(c.name).arg(shown.id).arg(text)));
            }
        }
    }

    // The cut-off is read with the square root only, and greyed without it.
    void theCutOffGoesWithTheSquareRoot() {
        CInstrumentDialog dialog;
        dialog.Create();
        QVERIFY(!dialog.GetDlgItem(res::IDC_TX_CUTOFF)->isEnabled());
        Apply(dialog, {res::IDC_TX_CHARACTERISTIC, "开方（差压流量）"});
        QVERIFY(dialog.GetDlgItem(res::IDC_TX_CUTOFF)->isEnabled());
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
        QCOMPARE(dialog.GetDlgItem(res::IDC_CJ_COLD)->accessibleName(),
                 QStringLiteral("冷端温度 °C"));
        QCOMPARE(dialog.GetDlgItem(res::IDC_GAS_FLOW_UNIT)->accessibleName(),
                 QStringLiteral("流量单位"));
    }

    // The tool windows: each opens from its key and the window menu over the
    // main window, and from its button over the help window, in the language
    // the main window was opened in (the language command opens it anew).
    void openFromTheWindowMenuTheirKeysAndTheHelpWindow_data() {
        QTest::addColumn<velmaro::texts::Language>("language");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("zh") << velmaro::texts::Language::Chinese
                            << QStringList{"仪表计算", "水和水蒸气性质", "差压流量计算"};
        QTest::newRow("en") << velmaro::texts::Language::English
                            << QStringList{"Instrument Calculations", "Water and Steam Properties",
                                           "Differential-Pressure Flowmeter"};
    }

    void openFromTheWindowMenuTheirKeysAndTheHelpWindow() {
        QFETCH(velmaro::texts::Language, language);
        QFETCH(QStringList, titles);
        const struct {
            Qt::Key key;
            int command;
            int helpButton;
            QString title;
        } windows[] = {
            {Qt::Key_I, velmaro::ID_SYSCMD_INSTRUMENTS, res::IDC_HELP_INSTRUMENTS, titles[0]},
            {Qt::Key_H, velmaro::ID_SYSCMD_STEAM, res::IDC_HELP_STEAM, titles[1]},
            {Qt::Key_L, velmaro::ID_SYSCMD_FLOWMETER, res::IDC_HELP_FLOWMETER, titles[2]},
        };
        velmaro::test::MainWindowUnderTest t(language);
        t.window->show();
        for (const auto& window : windows) {
            t.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(t.window.get()));
            velmaro::test::ModalWatcher watcher(t.window.get());
            QTest::keyClick(t.field(1064), window.key, Qt::ControlModifier);
            t.window->GetSystemMenu()->FindCommand(window.command)->trigger();
            QCOMPARE(watcher.count(), 2);
            for (const auto& closed : watcher.closed()) {
                QCOMPARE(closed.title, window.title);
                QVERIFY(closed.ownedByExpected);
            }
        }
        velmaro::CHelpWindow help;
        help.Create();
        for (const auto& window : windows) {
            velmaro::test::ModalWatcher watcher(&help);
            QTest::mouseClick(help.GetDlgItem(window.helpButton), Qt::LeftButton);
            QCOMPARE(watcher.count(), 1);
            QCOMPARE(watcher.closed()[0].title, window.title);
        }
    }
};

QTEST_MAIN(InstrumentDialogTest)
#include "instrument_dialog_test.moc"
