// The flowmeter window: it opens on the worked example, each mode solves for
// its own unknown on every keystroke, what the mode computes is read-only,
// what the mode or fluid does not use is grey, and each broken limit of use
// has a verdict line of its own.

#include "tool_window_typing.h"

#include "res/flow_meter_dialog_template.h"
#include "tooldlgs/flow_meter_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <vector>

using namespace velmaro;
using namespace velmaro::res;

namespace {

// What a result row (by field id) or a field (by control id) shows.
struct Shown {
    const char* result;
    int field;
    const char* text;
};

struct Case {
    const char* name;
    std::vector<Typing> typed;
    std::vector<Shown> shown;
    std::vector<const char*> verdicts;
};

QString ShownText(const CFlowMeterDialog& dialog, const Shown& shown) {
    return shown.result != nullptr ? dialog.ResultText(0, shown.result)
                                   : dialog.DlgItem<QLineEdit>(shown.field)->text();
}

// clang-format off
const Case kCases[] = {
    {"the worked example: water through an orifice plate at 50 kPa",
     {}, {{nullptr, IDC_FLOWMETER_MASS_FLOW, "264425.8422"}, {"C", 0, "0.606330"},
          {"beta", 0, "0.600000"}, {"full-scale", 0, "—"}}, {}},
    {"Δp from the mass flow",
     {{IDC_FLOWMETER_MODE, "由流量求差压"}, {IDC_FLOWMETER_MASS_FLOW, "20000"}},
     {{nullptr, IDC_FLOWMETER_DP, "0.2779"}, {"C", 0, "0.615125"}}, {}},
    {"a bore for a gas: too wide for the standard",
     {{IDC_FLOWMETER_MODE, "由流量和差压求孔径"}, {IDC_FLOWMETER_FLUID, "气体"}},
     {{nullptr, IDC_FLOWMETER_BORE, "196.1514"}, {"beta", 0, "0.980757"}},
     {"直径比 β 高于标准适用上限"}},
    {"a small pipe breaks three limits and still has its flow",
     {{IDC_FLOWMETER_PIPE, "20"}, {IDC_FLOWMETER_BORE, "2"}},
     {{"Re_D", 0, "1241"}},
     {"管道内径低于标准适用下限", "孔径低于标准适用下限", "雷诺数低于标准适用下限"}},
    {"a Venturi tube read through its transmitter, with its full scale",
     {{IDC_FLOWMETER_MODE, "由变送器信号求流量"}, {IDC_FLOWMETER_DEVICE, "经典文丘里管"}},
     {{nullptr, IDC_FLOWMETER_DP, "50.0000"}, {"full-scale", 0, "613667.2479"},
      {"pressure-loss", 0, "—"}}, {}},
    {"a bore as wide as the pipe has no answer",
     {{IDC_FLOWMETER_BORE, "200"}},
     {{nullptr, IDC_FLOWMETER_MASS_FLOW, ""}, {"beta", 0, "节流孔径须小于管道内径"}, {"C", 0, ""}},
     {"节流孔径须小于管道内径"}},
};
// clang-format on

} // namespace

class FlowMeterDialogTest : public QObject {
    Q_OBJECT

private slots:
    void eachModeSolvesOnEveryKeystroke() {
        for (const Case& c : kCases) {
            CFlowMeterDialog dialog;
            dialog.Create();
            for (const Typing& typing : c.typed) {
                Apply(dialog, typing);
            }
            for (const Shown& shown : c.shown) {
                QVERIFY2(ShownText(dialog, shown) == QString::fromUtf8(shown.text),
                         qPrintable(QStringLiteral("%1: %2 shows \"%3\"")
                                        .arg(c.name, shown.result != nullptr
                                                         ? QString(shown.result)
                                                         : QString::number(shown.field))
                                        .arg(ShownText(dialog, shown))));
            }
            for (int line = 0; line < kFlowMeterVerdictLines; ++line) {
                const auto at = static_cast<std::size_t>(line);
                QCOMPARE(dialog.DlgItem<QLabel>(IDC_FLOWMETER_STATUS + line)->text(),
                         at < c.verdicts.size() ? QString::fromUtf8(c.verdicts[at]) : QString());
            }
        }
    }

    // The mode's unknown is read-only, a group it gives is typed; the fluid
    // greys what it does not use.
    void theModeAndFluidSayWhatIsTyped() {
        CFlowMeterDialog dialog;
        dialog.Create();
        const auto typed = [&](int id) {
            const auto* field = dialog.DlgItem<QLineEdit>(id);
            return field->isEnabled() && !field->isReadOnly();
        };
        QCOMPARE(dialog.focusWidget(), dialog.GetDlgItem(IDC_FLOWMETER_PIPE));
        QCOMPARE(dialog.GetDlgItem(IDC_FLOWMETER_DP_RANGE_UNIT)->accessibleName(),
                 QStringLiteral("差压量程单位"));
        QVERIFY(typed(IDC_FLOWMETER_BORE) && typed(IDC_FLOWMETER_DP) &&
                !typed(IDC_FLOWMETER_MASS_FLOW) && !typed(IDC_FLOWMETER_Z) &&
                !typed(IDC_FLOWMETER_SIGNAL) && dialog.GetDlgItem(IDC_FLOWMETER_TAPS)->isEnabled());
        Apply(dialog, {IDC_FLOWMETER_MODE, "由流量和差压求孔径"});
        Apply(dialog, {IDC_FLOWMETER_FLUID, "气体"});
        QVERIFY(!typed(IDC_FLOWMETER_BORE) && typed(IDC_FLOWMETER_MASS_FLOW) &&
                typed(IDC_FLOWMETER_NORMAL_FLOW) && typed(IDC_FLOWMETER_Z) &&
                typed(IDC_FLOWMETER_DENSITY) && dialog.GetDlgItem(IDC_FLOWMETER_BORE)->isEnabled());
        Apply(dialog, {IDC_FLOWMETER_DEVICE, "长径喷嘴"});
        QVERIFY(!dialog.GetDlgItem(IDC_FLOWMETER_TAPS)->isEnabled());
    }
};

QTEST_MAIN(FlowMeterDialogTest)
#include "flow_meter_dialog_test.moc"
