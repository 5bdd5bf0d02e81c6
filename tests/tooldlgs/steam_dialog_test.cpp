// The water and steam window: typing into its fields recomputes the results
// on every keystroke, in the chosen units, and refuses states outside the
// formulation with the out-of-range message.

#include "res/steam_dialog_template.h"
#include "tooldlgs/steam_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace velmaro;
using namespace velmaro::res;

class SteamDialogTest : public QObject {
    Q_OBJECT

private slots:
    void typingRecomputesTheResults() {
        CSteamDialog dialog;
        dialog.Create();
        auto* pressure = dialog.DlgItem<QLineEdit>(IDC_STEAM_PRESSURE);
        auto* temperature = dialog.DlgItem<QLineEdit>(IDC_STEAM_TEMPERATURE);
        QCOMPARE(pressure->accessibleName(), QStringLiteral("压力"));
        const auto status = [&] { return dialog.DlgItem<QLabel>(IDC_STEAM_STATUS)->text(); };
        constexpr int kRegion = 1;
        constexpr int kPhase = 2;
        constexpr int kEnthalpy = 8;
        constexpr int kCp = 11;

        // 3 MPa, 26.85 °C (300 K): region 1, h = 115.331 kJ/kg.
        QTest::keyClicks(pressure, "3");
        QTest::keyClicks(temperature, "26.85");
        QCOMPARE(dialog.ResultText(0, kRegion), QStringLiteral("1"));
        QCOMPARE(dialog.ResultText(0, kPhase), QStringLiteral("过冷水"));
        QCOMPARE(dialog.ResultText(0, kEnthalpy), QStringLiteral("115.331"));
        QCOMPARE(status(), QString());

        // One more keystroke: 26.855 °C is another state.
        QTest::keyClicks(temperature, "5");
        QVERIFY(dialog.ResultText(0, kEnthalpy) != QStringLiteral("115.331"));

        // 30 bar in kelvins is the same state as 3 MPa in °C.
        dialog.DlgItem<QComboBox>(IDC_STEAM_PRESSURE_UNIT)->setCurrentText("bar");
        dialog.DlgItem<QComboBox>(IDC_STEAM_TEMPERATURE_UNIT)->setCurrentIndex(1);
        pressure->setText("30");
        temperature->setText("300");
        QCOMPARE(dialog.ResultText(0, kEnthalpy), QStringLiteral("115.331"));

        // Out of range: 101 MPa.
        dialog.DlgItem<QComboBox>(IDC_STEAM_PRESSURE_UNIT)->setCurrentText("MPa");
        pressure->setText("101");
        QCOMPARE(status(), QStringLiteral("超出范围"));
        QCOMPARE(dialog.ResultText(0, kEnthalpy), QString());

        // Saturation by pressure, 1 MPa, quality 0.5: wet steam has no cp.
        dialog.DlgItem<QComboBox>(IDC_STEAM_MODE)->setCurrentIndex(1);
        pressure->setText("1");
        QTest::keyClicks(dialog.DlgItem<QLineEdit>(IDC_STEAM_QUALITY), "0.5");
        QCOMPARE(dialog.ResultText(0, kEnthalpy), QStringLiteral("762.683"));
        QCOMPARE(dialog.ResultText(1, kEnthalpy), QStringLiteral("2777.120"));
        QCOMPARE(dialog.ResultText(2, kPhase), QStringLiteral("湿蒸汽"));
        QCOMPARE(dialog.ResultText(2, kCp), QStringLiteral("—"));
        QVERIFY(!temperature->isEnabled());
    }
};

QTEST_MAIN(SteamDialogTest)
#include "steam_dialog_test.moc"
