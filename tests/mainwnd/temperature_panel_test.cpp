#include "main_window_fixture.h"

#include <QtTest>

using velmaro::test::MainWindowUnderTest;

// The printed residues depend on the exact order of the double operations and
// on the Rankine anchor 1 °C = 493.46999 R.
class TemperaturePanelTest : public QObject {
    Q_OBJECT

private slots:
    void scalesConvertAsPrinted_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("celsius");
        QTest::addColumn<QString>("fahrenheit");
        QTest::addColumn<QString>("kelvin");
        QTest::addColumn<QString>("rankine");
        // An empty cell is the edited field, which keeps the text typed.
        QTest::newRow("100 C") << 1070 << "100"
                               << ""
                               << "212.000000"
                               << "373.150000"
                               << "671.669990";
        QTest::newRow("37 C") << 1070 << "37"
                              << ""
                              << "98.600000"
                              << "310.150000"
                              << "558.269990";
        QTest::newRow("-40 F") << 1071 << "-40"
                               << "-40.000000"
                               << ""
                               << "233.150000"
                               << "419.669990";
        QTest::newRow("0 F") << 1071 << "0"
                             << "-17.777778"
                             << ""
                             << "255.372222"
                             << "459.669990";
        QTest::newRow("0 K") << 1072 << "0"
                             << "-273.150000"
                             << "-459.670000"
                             << ""
                             << "-0.000010";
        QTest::newRow("0 R") << 1073 << "0"
                             << "-273.149994"
                             << "-459.669990"
                             << "0.000006"
                             << "";
        QTest::newRow("491.66999 R") << 1073 << "491.66999"
                                     << "-0.000000"
                                     << "32.000000"
                                     << "273.150000"
                                     << "";
        QTest::newRow("491.67 R") << 1073 << "491.67"
                                  << "0.000006"
                                  << "32.000010"
                                  << "273.150006"
                                  << "";
        QTest::newRow("12abc K") << 1072 << "12abc"
                                 << "-261.150000"
                                 << "-438.070000"
                                 << ""
                                 << "21.599990";
        QTest::newRow("abc K") << 1072 << "abc"
                               << "-273.150000"
                               << "-459.670000"
                               << ""
                               << "-0.000010";
        QTest::newRow("25 C") << 1070 << "25"
                              << ""
                              << "77.000000"
                              << "298.150000"
                              << "536.669990";
    }

    void scalesConvertAsPrinted() {
        QFETCH(int, source);
        QFETCH(QString, typed);
        QFETCH(QString, celsius);
        QFETCH(QString, fahrenheit);
        QFETCH(QString, kelvin);
        QFETCH(QString, rankine);
        MainWindowUnderTest t;
        QTest::keyClicks(t.field(source), typed);
        const std::pair<int, QString> expected[] = {
            {1070, celsius}, {1071, fahrenheit}, {1072, kelvin}, {1073, rankine}};
        for (const auto& [id, text] : expected) {
            QCOMPARE(t.text(id), id == source ? typed : text);
        }
        QCOMPARE(t.handlerRuns[source], typed.size());
        QCOMPARE(t.handlerRuns.size(), std::size_t{1});
    }

    void emptyingCelsiusShowsTheValuesOfZero() {
        MainWindowUnderTest t;
        QTest::keyClicks(t.field(1070), QStringLiteral("9"));
        QTest::keyClick(t.field(1070), Qt::Key_Backspace);
        QCOMPARE(t.text(1071), QStringLiteral("32.000000"));
        QCOMPARE(t.text(1072), QStringLiteral("273.150000"));
        QCOMPARE(t.text(1073), QStringLiteral("491.669990"));
    }

    void temperatureEditsLeaveTheSensorPanelAlone() {
        MainWindowUnderTest t;
        QTest::keyClicks(t.field(1070), QStringLiteral("100"));
        for (int id : {1028, 1029, 1030, 1031, 1077}) {
            QCOMPARE(t.text(id), QString());
        }
    }
};

QTEST_MAIN(TemperaturePanelTest)
#include "temperature_panel_test.moc"
