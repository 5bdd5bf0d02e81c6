// The water and steam window: it opens on the worked example, and typing into
// its fields or choosing in its lists recomputes the results on every
// keystroke, in the chosen units and mode, with the verdict under them.

#include "tool_window_typing.h"

#include "res/language.h"
#include "res/steam_dialog_template.h"
#include "tooldlgs/steam_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <vector>

using namespace velmaro;
using namespace velmaro::res;

namespace {

// What result column `column` shows in the row of the output field `field`.
struct Shown {
    int column;
    const char* field;
    const char* text;
};

struct Case {
    const char* name;
    std::vector<Typing> typed;
    std::vector<Shown> shown;
    const char* verdict = "";
};

const char* const kSaturationByPressure = "饱和状态（按压力）";

// clang-format off
const Case kCases[] = {
    {"the worked example: 1 MPa, 300 °C",
     {}, {{0, "region", "2"}, {0, "phase", "过热蒸汽"}, {0, "h", "3051.703"}, {0, "x", "—"}}},
    {"3 MPa, 26.85 °C (300 K), typed key by key",
     {{IDC_STEAM_PRESSURE, "3"}, {IDC_STEAM_TEMPERATURE, "26.85"}},
     {{0, "region", "1"}, {0, "phase", "过冷水"}, {0, "h", "115.331"}}},
    {"the same state in bar and kelvins",
     {{IDC_STEAM_PRESSURE_UNIT, "bar"}, {IDC_STEAM_TEMPERATURE_UNIT, "K"},
      {IDC_STEAM_PRESSURE, "30"}, {IDC_STEAM_TEMPERATURE, "300"}},
     {{0, "h", "115.331"}, {0, "t", "26.850"}, {0, "p", "3.000000"}}},
    {"gauge pressure over the ambient",
     {{IDC_STEAM_PRESSURE_KIND, "表压"}, {IDC_STEAM_PRESSURE, "0.898675"}},
     {{0, "p", "1.000000"}, {0, "h", "3051.703"}}},
    {"outside the formulation",
     {{IDC_STEAM_PRESSURE, "101"}},
     {{0, "region", "超出范围"}, {0, "h", ""}}, "超出范围"},
    {"saturation by pressure with the wet steam between",
     {{IDC_STEAM_MODE, kSaturationByPressure}},
     {{0, "h", "762.683"}, {1, "h", "2777.120"}, {2, "phase", "湿蒸汽"}, {2, "cp", "—"},
      {2, "x", "0.50000"}}},
    {"a quality outside 0 … 1 refuses the wet steam alone",
     {{IDC_STEAM_MODE, kSaturationByPressure}, {IDC_STEAM_QUALITY, "1.2"}},
     {{0, "h", "762.683"}, {2, "region", "干度 x 须在 0 ～ 1 之间"}, {2, "h", ""}},
     "干度 x 须在 0 ～ 1 之间"},
    {"saturation by temperature above the critical point",
     {{IDC_STEAM_MODE, "饱和状态（按温度）"}, {IDC_STEAM_TEMPERATURE, "400"}},
     {{0, "region", "超出范围"}, {1, "region", "超出范围"}, {2, "region", "超出范围"}}, "超出范围"},
    {"pressure and enthalpy: back to 300 °C",
     {{IDC_STEAM_MODE, "压力和比焓"}, {IDC_STEAM_ENTHALPY, "3051.703"}},
     {{0, "t", "300.000"}}},
    {"pressure and entropy: back to 300 °C",
     {{IDC_STEAM_MODE, "压力和比熵"}, {IDC_STEAM_ENTROPY, "7.124714"}},
     {{0, "t", "300.000"}}},
};
// clang-format on

} // namespace

class SteamDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseLanguage(texts::Language::Chinese); }

    void typingRecomputesTheResults() {
        for (const Case& c : kCases) {
            CSteamDialog dialog;
            dialog.Create();
            for (const Typing& typing : c.typed) {
                Apply(dialog, typing);
            }
            for (const Shown& shown : c.shown) {
                QVERIFY2(dialog.ResultText(static_cast<std::size_t>(shown.column), shown.field) ==
                             QString::fromUtf8(shown.text),
                         qPrintable(QStringLiteral("%1: %2 %3 shows \"%4\"")
                                        .arg(c.name, shown.field)
                                        .arg(shown.column)
                                        .arg(dialog.ResultText(
                                            static_cast<std::size_t>(shown.column), shown.field))));
            }
            QCOMPARE(dialog.DlgItem<QLabel>(IDC_STEAM_STATUS)->text(),
                     QString::fromUtf8(c.verdict));
        }
    }

    // The fields a mode does not read are grey; the first one it reads has
    // the focus; every field is named by its label.
    void theModeGreysWhatItDoesNotRead() {
        CSteamDialog dialog;
        dialog.Create();
        const auto enabled = [&](int id) { return dialog.GetDlgItem(id)->isEnabled(); };
        QCOMPARE(dialog.focusWidget(), dialog.GetDlgItem(IDC_STEAM_PRESSURE));
        QCOMPARE(dialog.GetDlgItem(IDC_STEAM_PRESSURE)->accessibleName(), QStringLiteral("压力"));
        QCOMPARE(dialog.GetDlgItem(IDC_STEAM_AMBIENT)->accessibleName(),
                 QStringLiteral("大气压 (kPa)"));
        QCOMPARE(dialog.GetDlgItem(IDC_STEAM_PRESSURE_UNIT)->accessibleName(),
                 QStringLiteral("压力单位"));
        QVERIFY(enabled(IDC_STEAM_TEMPERATURE) && !enabled(IDC_STEAM_QUALITY));
        Apply(dialog, {IDC_STEAM_MODE, "饱和状态（按温度）"});
        QVERIFY(!enabled(IDC_STEAM_PRESSURE) && !enabled(IDC_STEAM_PRESSURE_KIND) &&
                !enabled(IDC_STEAM_AMBIENT) && enabled(IDC_STEAM_TEMPERATURE_UNIT) &&
                enabled(IDC_STEAM_QUALITY));
    }
};

QTEST_MAIN(SteamDialogTest)
#include "steam_dialog_test.moc"
