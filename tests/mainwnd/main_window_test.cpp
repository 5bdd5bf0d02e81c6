#include "main_window_fixture.h"

#include "convert/change_cycle.h"
#include "mainwnd/converter_ids.h"
#include "res/texts/texts.h"
#include "res/unit_controls.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <vector>

using velmaro::res::UnitControls;
using velmaro::test::MainWindowUnderTest;

Q_DECLARE_METATYPE(const UnitControls*)

namespace {

const UnitControls* const kMainWindowGroups[] = {
    &velmaro::res::kPressureFields, &velmaro::res::kMassFlowFields,
    &velmaro::res::kVolumeFlowFields, &velmaro::res::kTemperatureFields};

std::vector<int> AllUnitFieldIds() {
    std::vector<int> ids;
    for (const UnitControls* group : kMainWindowGroups) {
        ids.insert(ids.end(), group->controlIds.begin(), group->controlIds.end());
    }
    for (int id :
         {velmaro::IDC_SENSOR_OUTPUT, velmaro::IDC_SENSOR_CELSIUS, velmaro::IDC_SENSOR_FAHRENHEIT,
          velmaro::IDC_SENSOR_KELVIN, velmaro::IDC_SENSOR_RANKINE}) {
        ids.push_back(id);
    }
    return ids;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void stateRightAfterStart() {
        MainWindowUnderTest t;
        for (int id : AllUnitFieldIds()) {
            QVERIFY2(t.field(id) != nullptr, qPrintable(QString::number(id)));
            QCOMPARE(t.text(id), QString());
        }
        QCOMPARE(AllUnitFieldIds().size(), std::size_t{41});
        auto* thermocouple = t.window->DlgItem<QPushButton>(velmaro::IDC_THERMOCOUPLE_KIND);
        QVERIFY(thermocouple->isChecked());
        QVERIFY(!t.window->DlgItem<QPushButton>(velmaro::IDC_RTD_KIND)->isChecked());
        auto* types = t.window->DlgItem<QComboBox>(velmaro::IDC_SENSOR_TYPE);
        QCOMPARE(types->count(), 8);
        QCOMPARE(types->currentIndex(), 0);
        QCOMPARE(types->currentText(), QStringLiteral("(S型)铂铑10-铂热电偶"));
        QCOMPARE(t.window->windowTitle(),
                 QStringLiteral("TharnixV2.0 ---精工诚信 Oskelta 实用为本 细节成质"));
        QTRY_COMPARE(QApplication::focusWidget(), t.field(1064));
        QVERIFY(t.handlerRuns.empty());
    }

    void unitFieldsAreNamedAfterTheirLabels() {
        MainWindowUnderTest t;
        for (const UnitControls* group : kMainWindowGroups) {
            for (std::size_t i = 0; i < group->controlIds.size(); ++i) {
                const int id = group->controlIds[i];
                const std::string_view label = velmaro::texts::UnitLabel(*group->group, i);
                QCOMPARE(t.field(id)->accessibleName(),
                         QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
                QCOMPARE(t.field(id)->objectName(), QString::number(id));
            }
        }
    }

    void aKeystrokeRewritesExactlyTheOtherFieldsOfItsGroup_data() {
        QTest::addColumn<const UnitControls*>("group");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        for (const UnitControls* group : kMainWindowGroups) {
            for (int id : group->controlIds) {
                const auto& name = group->group->name;
                const QByteArray row =
                    QByteArray(name.data(), static_cast<qsizetype>(name.size())) + " " +
                    QByteArray::number(id);
                QTest::newRow(row.constData()) << group << id << QStringLiteral("-12.5e1");
            }
        }
    }

    void aKeystrokeRewritesExactlyTheOtherFieldsOfItsGroup() {
        QFETCH(const UnitControls*, group);
        QFETCH(int, source);
        QFETCH(QString, typed);
        MainWindowUnderTest t;
        QLineEdit* edit = t.field(source);
        edit->setFocus();
        QTest::keyClicks(edit, typed);

        QCOMPARE(edit->text(), typed);
        QCOMPARE(edit->cursorPosition(), typed.size());
        QCOMPARE(t.handlerRuns[source], typed.size());  // once per keystroke
        QCOMPARE(t.handlerRuns.size(), std::size_t{1}); // no rewritten field ran its handler
        const auto& ids = group->controlIds;
        const auto sourceIndex =
            static_cast<std::size_t>(std::find(ids.begin(), ids.end(), source) - ids.begin());
        for (const auto& target :
             velmaro::Convert(*group->group, sourceIndex, typed.toStdString())) {
            QCOMPARE(t.text(ids[target.unitIndex]), QString::fromStdString(target.text));
        }
        for (int id : AllUnitFieldIds()) {
            if (std::find(ids.begin(), ids.end(), id) == ids.end()) {
                QCOMPARE(t.text(id), QString()); // other groups untouched
            }
        }
    }

    void pressureFiguresForOneAtmosphere() {
        MainWindowUnderTest t;
        QTest::keyClicks(t.field(1016), QStringLiteral("1"));
        const std::pair<int, const char*> expected[] = {
            {1066, "101325.000000"}, {1068, "760.000000"}, {1019, "760.000000"},
            {1018, "1.013250"},      {1020, "14.695900"},  {1017, "1013.250000"},
            {1064, "0.101325"},      {1065, "101.325000"}, {1022, "10332.000000"},
            {1021, "29.921300"},     {1023, "406.782500"}, {1069, "2116.216700"},
            {1067, "1.033200"}};
        for (const auto& [id, text] : expected) {
            QCOMPARE(t.text(id), QString::fromLatin1(text));
        }
        QCOMPARE(t.text(1016), QStringLiteral("1"));
    }

    void editingAnotherFieldStartsFromItsShownText() {
        MainWindowUnderTest t;
        QTest::keyClicks(t.field(1034), QStringLiteral("1")); // t/h
        QCOMPARE(t.text(1033), QStringLiteral("0.277780"));
        t.field(1033)->selectAll();
        QTest::keyClicks(t.field(1033), QStringLiteral("2"));
        QCOMPARE(t.text(1032), QStringLiteral("7200.000000"));
        QCOMPARE(t.text(1034), QStringLiteral("7.200000"));
    }

    void oddTextConvertsWithoutComplaint_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("inPascal");
        QTest::newRow("letters") << "abc"
                                 << "0.000000";
        QTest::newRow("lone minus") << "-"
                                    << "0.000000";
        QTest::newRow("lone point") << "."
                                    << "0.000000";
        QTest::newRow("blank then number") << " 12abc"
                                           << "1215900.000000";
        QTest::newRow("exponent") << "1e3"
                                  << "101325000.000000";
        QTest::newRow("overflow") << "1e999"
                                  << "inf";
        QTest::newRow("negative overflow") << "-1e999"
                                           << "-inf";
    }

    void oddTextConvertsWithoutComplaint() {
        QFETCH(QString, typed);
        QFETCH(QString, inPascal);
        MainWindowUnderTest t;
        QTest::keyClicks(t.field(1016), typed);
        QCOMPARE(t.text(1016), typed);
        QCOMPARE(t.text(1066), inPascal);
    }

    void emptyingAFieldShowsZeros() {
        MainWindowUnderTest t;
        QTest::keyClicks(t.field(1070), QStringLiteral("5"));
        QTest::keyClick(t.field(1070), Qt::Key_Backspace);
        QCOMPARE(t.text(1071), QStringLiteral("32.000000"));
        QCOMPARE(t.text(1072), QStringLiteral("273.150000"));
        QCOMPARE(t.text(1073), QStringLiteral("491.669990"));
    }

    void aHugeResultIsShownComplete() {
        MainWindowUnderTest t;
        QTest::keyClicks(t.field(1064), QStringLiteral("1e300")); // MPa
        const QString pascal = t.text(1066);
        QCOMPARE(pascal.size(), 307 + 7);
        QVERIFY(pascal.endsWith(QStringLiteral(".000000")));
    }

    void aTextLongerThanTheCompareLimitIsWrittenBackIntoItsOwnField() {
        MainWindowUnderTest t;
        QLineEdit* edit = t.field(1064);
        const QString longText = QStringLiteral("1") + QString(255, QLatin1Char('0'));
        edit->setText(longText.left(255));
        QCOMPARE(edit->cursorPosition(), 255); // short texts are never rewritten
        edit->setCursorPosition(255);
        QTest::keyClick(edit, Qt::Key_0);
        QCOMPARE(edit->text(), longText);
        QCOMPARE(edit->cursorPosition(), 0); // rewritten with the same text
        QCOMPARE(t.handlerRuns[1064], 2);
    }

    void enterChangesNothingAndEscapeCloses() {
        MainWindowUnderTest t;
        QTest::keyClicks(t.field(1065), QStringLiteral("3"));
        const QString before = t.text(1066);
        QTest::keyClick(t.field(1065), Qt::Key_Return);
        QTest::keyClick(t.field(1065), Qt::Key_Enter);
        QVERIFY(t.window->isVisible());
        QCOMPARE(t.text(1066), before);
        QVERIFY(t.window->GetDlgItem(velmaro::IDC_DEFAULT_BUTTON)->isHidden());
        QTest::keyClick(t.field(1065), Qt::Key_Escape);
        QVERIFY(!t.window->isVisible());
        QCOMPARE(t.window->result(), int(QDialog::Rejected));
    }

    void tabVisitsTheTabStopsInTemplateOrder() {
        MainWindowUnderTest t;
        const int expected[] = {1064, 1065, 1066, 1067, 1068, 1016, 1017, 1018, 1019, 1022,
                                1021, 1023, 1020, 1069, 1070, 1071, 1072, 1073, 1076, 1028,
                                1030, 1029, 1031, 1077, 1032, 1033, 1034, 1035, 1036, 1037,
                                1038, 1039, 1045, 1046, 1047, 1048, 1049, 1040, 1041, 1043,
                                1044, 1042, 1100, 1053, 1054, 1055, 1056, 1057, 1092, 1098,
                                1101, 1102, 1096, 1091, 1093, 1094, 1095, 1097, 1099, 1064};
        QWidget* current = t.field(1064);
        QTRY_COMPARE(QApplication::focusWidget(), current);
        for (int id : expected) {
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::number(id));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
