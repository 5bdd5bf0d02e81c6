#include "main_window_fixture.h"
#include "mainwnd/converter_ids.h"
#include "modal_watcher.h"
#include "pixel_checks.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace velmaro;
using velmaro::test::MainWindowUnderTest;
using velmaro::test::ModalWatcher;

namespace {

// Chooses a family with a real click and a type the way a user picks it
// from the list (the selection-change notification runs).
void ChooseSensor(MainWindowUnderTest& t, int familyButton, int typeIndex) {
    QTest::mouseClick(t.window->GetDlgItem(familyButton), Qt::LeftButton);
    auto* types = t.window->DlgItem<QComboBox>(IDC_SENSOR_TYPE);
    if (typeIndex != types->currentIndex()) {
        types->setCurrentIndex(typeIndex);
        emit types->activated(typeIndex);
    }
}

void TypeInto(MainWindowUnderTest& t, int id, const QString& text) {
    t.field(id)->clear();
    QTest::keyClicks(t.field(id), text);
}

} // namespace

class SensorPanelTest : public QObject {
    Q_OBJECT

private slots:
    void temperatureToOutput_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("celsius");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("messages");
        QTest::newRow("K 100") << IDC_THERMOCOUPLE_KIND << 3 << "100"
                               << "4.096230" << 0;
        QTest::newRow("K 1372, the top") << IDC_THERMOCOUPLE_KIND << 3 << "1372"
                                         << "54.886364" << 0;
        QTest::newRow("T 300") << IDC_THERMOCOUPLE_KIND << 7 << "300"
                               << "14.861928" << 0;
        QTest::newRow("S 1768.1") << IDC_THERMOCOUPLE_KIND << 0 << "1768.1"
                                  << "18.693541" << 0;
        QTest::newRow("1e3 reads as 1000") << IDC_THERMOCOUPLE_KIND << 3 << "1e3"
                                           << "41.275606" << 0;
        QTest::newRow("Pt100 100") << IDC_RTD_KIND << 0 << "100"
                                   << "138.505500" << 0;
        QTest::newRow("Pt100 -10") << IDC_RTD_KIND << 0 << "-10"
                                   << "96.085879" << 0;
        QTest::newRow("Cu50 100") << IDC_RTD_KIND << 3 << "100"
                                  << "71.400000" << 0;
        // "1", "12", "120" are fine; "1200" leaves the range at the last key.
        QTest::newRow("Cu100 1200") << IDC_RTD_KIND << 2 << "1200"
                                    << "0.000000" << 1;
    }

    void temperatureToOutput() {
        QFETCH(int, family);
        QFETCH(int, type);
        QFETCH(QString, celsius);
        QFETCH(QString, output);
        QFETCH(int, messages);
        MainWindowUnderTest t;
        ChooseSensor(t, family, type);
        ModalWatcher watcher(t.window.get());
        TypeInto(t, IDC_SENSOR_CELSIUS, celsius);
        QCOMPARE(t.text(IDC_SENSOR_OUTPUT), output);
        QCOMPARE(t.text(IDC_SENSOR_CELSIUS), celsius);
        QCOMPARE(watcher.count(), messages);
    }

    void typeKAt100AndBack() {
        MainWindowUnderTest t;
        ChooseSensor(t, IDC_THERMOCOUPLE_KIND, 3);
        TypeInto(t, IDC_SENSOR_CELSIUS, QStringLiteral("100"));
        QCOMPARE(t.text(IDC_SENSOR_OUTPUT), QStringLiteral("4.096230"));
        QCOMPARE(t.text(IDC_SENSOR_FAHRENHEIT), QStringLiteral("212.000000"));
        QCOMPARE(t.text(IDC_SENSOR_KELVIN), QStringLiteral("373.150000"));
        QCOMPARE(t.text(IDC_SENSOR_RANKINE), QStringLiteral("671.669990"));
        TypeInto(t, IDC_SENSOR_OUTPUT, QStringLiteral("4.096230"));
        QCOMPARE(t.text(IDC_SENSOR_CELSIUS), QStringLiteral("99.97"));
        QCOMPARE(t.text(IDC_SENSOR_FAHRENHEIT), QStringLiteral("211.94393"));
        QCOMPARE(t.text(IDC_SENSOR_KELVIN), QStringLiteral("373.11885"));
        QCOMPARE(t.text(IDC_SENSOR_RANKINE), QStringLiteral("671.61392"));
        QCOMPARE(t.text(IDC_SENSOR_OUTPUT), QStringLiteral("4.096230"));
    }

    void pt100TypedKeyByKeyWarnsForEachPrefixBelowTheRange() {
        MainWindowUnderTest t;
        ChooseSensor(t, IDC_RTD_KIND, 0);
        ModalWatcher watcher(t.window.get());
        t.field(IDC_SENSOR_OUTPUT)->clear(); // 0 Ω: out of range as well
        QCOMPARE(watcher.count(), 1);
        watcher.clear();
        QTest::keyClicks(t.field(IDC_SENSOR_OUTPUT), QStringLiteral("138.5"));
        // "1" and "13" lie below 18.52 Ω; "138", "138." and "138.5" convert.
        QCOMPARE(watcher.count(), 2);
        for (const auto& message : watcher.closed()) {
            QCOMPARE(message.title, QStringLiteral("ERRO"));
            QCOMPARE(message.text, QStringLiteral("超出范围"));
            QCOMPARE(message.icon, QMessageBox::Critical);
            QVERIFY(message.ownedByExpected);
        }
        QCOMPARE(t.text(IDC_SENSOR_CELSIUS), QStringLiteral("99.99"));
        QCOMPARE(t.text(IDC_SENSOR_OUTPUT), QStringLiteral("138.5"));
    }

    void outOfRangeOutputShowsZeroDegrees() {
        MainWindowUnderTest t;
        ChooseSensor(t, IDC_THERMOCOUPLE_KIND, 3);
        ModalWatcher watcher(t.window.get());
        TypeInto(t, IDC_SENSOR_OUTPUT, QStringLiteral("54.886364"));
        QCOMPARE(watcher.count(), 3); // 54.8863, 54.88636 and 54.886364 leave the range
        QCOMPARE(t.text(IDC_SENSOR_CELSIUS), QStringLiteral("0.00"));
        QCOMPARE(t.text(IDC_SENSOR_FAHRENHEIT), QStringLiteral("32.00000"));
        QCOMPARE(t.text(IDC_SENSOR_KELVIN), QStringLiteral("273.15000"));
        QCOMPARE(t.text(IDC_SENSOR_RANKINE), QStringLiteral("491.66999"));
    }

    void outOfRangeTemperatureStillConvertsTheScales() {
        MainWindowUnderTest t;
        ChooseSensor(t, IDC_THERMOCOUPLE_KIND, 3);
        ModalWatcher watcher(t.window.get());
        TypeInto(t, IDC_SENSOR_CELSIUS, QStringLiteral("2000"));
        QCOMPARE(watcher.count(), 1);
        QCOMPARE(t.text(IDC_SENSOR_OUTPUT), QStringLiteral("0.000000"));
        QCOMPARE(t.text(IDC_SENSOR_FAHRENHEIT), QStringLiteral("3632.000000"));
        QCOMPARE(t.text(IDC_SENSOR_KELVIN), QStringLiteral("2273.150000"));
        QCOMPARE(t.text(IDC_SENSOR_RANKINE), QStringLiteral("4091.669990"));
    }

    void emptyOutputWarnsForEveryResistanceThermometerAndTypeB_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("type");
        for (int type = 0; type < 4; ++type) {
            QTest::addRow("rtd %d", type) << IDC_RTD_KIND << type;
        }
        QTest::newRow("type B") << IDC_THERMOCOUPLE_KIND << 2;
    }

    void emptyOutputWarnsForEveryResistanceThermometerAndTypeB() {
        QFETCH(int, family);
        QFETCH(int, type);
        MainWindowUnderTest t;
        ChooseSensor(t, family, type);
        ModalWatcher watcher(t.window.get());
        t.field(IDC_SENSOR_OUTPUT)->selectAll();
        QTest::keyClicks(t.field(IDC_SENSOR_OUTPUT), QStringLiteral("5"));
        watcher.clear();
        QTest::keyClick(t.field(IDC_SENSOR_OUTPUT), Qt::Key_Backspace);
        QCOMPARE(watcher.count(), 1);
        QCOMPARE(t.text(IDC_SENSOR_CELSIUS), QStringLiteral("0.00"));
    }

    void familyButtonsRebuildTheListAndConvertZero_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("output");
        QTest::newRow("thermocouple") << IDC_THERMOCOUPLE_KIND << 8 << "(S型)铂铑10-铂热电偶"
                                      << "电势"
                                      << " mV (毫伏)"
                                      << "0.000000";
        QTest::newRow("resistance") << IDC_RTD_KIND << 6 << "Pt100铂热电阻"
                                    << "电阻"
                                    << " Ω(欧姆)"
                                    << "100.000000";
    }

    void familyButtonsRebuildTheListAndConvertZero() {
        QFETCH(int, family);
        QFETCH(int, entries);
        QFETCH(QString, first);
        QFETCH(QString, caption);
        QFETCH(QString, unit);
        QFETCH(QString, output);
        MainWindowUnderTest t;
        QCOMPARE(t.window->GetDlgItemText(IDC_SENSOR_OUTPUT_CAPTION), QStringLiteral("电压"));
        // Twice: clicking the family already checked rebuilds it again.
        for (int click = 0; click < 2; ++click) {
            TypeInto(t, IDC_SENSOR_CELSIUS, QStringLiteral("55"));
            QTest::mouseClick(t.window->GetDlgItem(family), Qt::LeftButton);
            auto* types = t.window->DlgItem<QComboBox>(IDC_SENSOR_TYPE);
            QCOMPARE(types->count(), entries);
            QCOMPARE(types->currentIndex(), 0);
            QCOMPARE(types->itemText(0), first);
            QCOMPARE(t.window->GetDlgItemText(IDC_SENSOR_OUTPUT_CAPTION), caption);
            QCOMPARE(t.window->GetDlgItemText(IDC_SENSOR_OUTPUT_UNIT), unit);
            QCOMPARE(t.field(IDC_SENSOR_OUTPUT)->accessibleName(), unit);
            QCOMPARE(t.text(IDC_SENSOR_CELSIUS), QStringLiteral("0"));
            QCOMPARE(t.text(IDC_SENSOR_OUTPUT), output);
            QCOMPARE(t.text(IDC_SENSOR_FAHRENHEIT), QStringLiteral("32.000000"));
            QCOMPARE(t.text(IDC_SENSOR_KELVIN), QStringLiteral("273.150000"));
            QCOMPARE(t.text(IDC_SENSOR_RANKINE), QStringLiteral("491.669990"));
        }
    }

    void aTypeChangeResetsTheFields_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("output");
        QTest::newRow("Pt10") << 1 << "10.000000";
        QTest::newRow("Cu100") << 2 << "100.000000";
        QTest::newRow("Cu50") << 3 << "50.000000";
        QTest::newRow("back to Pt100") << 0 << "100.000000";
    }

    void aTypeChangeResetsTheFields() {
        QFETCH(int, type);
        QFETCH(QString, output);
        MainWindowUnderTest t;
        ChooseSensor(t, IDC_RTD_KIND, 0);
        TypeInto(t, IDC_SENSOR_CELSIUS, QStringLiteral("42"));
        auto* types = t.window->DlgItem<QComboBox>(IDC_SENSOR_TYPE);
        types->setCurrentIndex(type);
        emit types->activated(type);
        QCOMPARE(t.text(IDC_SENSOR_CELSIUS), QStringLiteral("0"));
        QCOMPARE(t.text(IDC_SENSOR_OUTPUT), output);
    }

    void aKeystrokeInTheScaleFieldsIsUndone() {
        MainWindowUnderTest t;
        ChooseSensor(t, IDC_THERMOCOUPLE_KIND, 3);
        TypeInto(t, IDC_SENSOR_CELSIUS, QStringLiteral("100"));
        for (int id : {IDC_SENSOR_FAHRENHEIT, IDC_SENSOR_KELVIN, IDC_SENSOR_RANKINE}) {
            const QString before = t.text(id);
            t.field(id)->setFocus();
            QTest::keyClick(t.field(id), Qt::Key_7);
            QCOMPARE(t.text(id), before);
            QTest::keyClick(t.field(id), Qt::Key_Backspace);
            QCOMPARE(t.text(id), before);
        }
        QCOMPARE(t.text(IDC_SENSOR_OUTPUT), QStringLiteral("4.096230"));
    }

    void oddTextReadsAsItsLeadingNumber_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fahrenheit");
        QTest::newRow("12abc") << "12abc"
                               << "53.600000";
        QTest::newRow("lone minus") << "-"
                                    << "32.000000";
    }

    void oddTextReadsAsItsLeadingNumber() {
        QFETCH(QString, typed);
        QFETCH(QString, fahrenheit);
        MainWindowUnderTest t;
        ChooseSensor(t, IDC_THERMOCOUPLE_KIND, 3);
        TypeInto(t, IDC_SENSOR_CELSIUS, typed);
        QCOMPARE(t.text(IDC_SENSOR_FAHRENHEIT), fahrenheit);
    }

    // What the user sees when the type list opens: black text on the list colour
    // in every row but the highlighted one, whatever the style draws for menus.
    void theOpenedTypeListIsBlackOnItsOwnColor() {
        const QColor listColor(233, 233, 220);
        MainWindowUnderTest t;
        auto* types = t.window->DlgItem<QComboBox>(IDC_SENSOR_TYPE);
        types->showPopup();
        QAbstractItemView* view = types->view();
        QWidget* popup = view->window();
        QTRY_VERIFY(popup->isVisible());
        const QImage image = test::Grab(popup);
        const QPoint origin = view->viewport()->mapTo(popup, QPoint(0, 0));
        int rowsSeen = 0;
        for (int row = 0; row < types->count(); ++row) {
            const QModelIndex index = types->model()->index(row, 0);
            if (index == view->currentIndex()) {
                continue; // drawn in the highlight colour
            }
            const QRect rect = view->visualRect(index).translated(origin) & image.rect();
            QVERIFY2(!rect.isEmpty(), qPrintable(QString::number(row)));
            // Mostly background, some ink, and every pixel one of the two or a blend.
            QVERIFY2(test::CountRgb(image, listColor, rect) > rect.width() * rect.height() / 2,
                     qPrintable(QString::number(row)));
            QVERIFY(!test::InkBox(image, listColor, rect).isNull());
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    QVERIFY2(test::IsBlendOf(test::At(image, x, y), listColor, Qt::black),
                             qPrintable(QStringLiteral("row %1 at %2,%3: %4")
                                            .arg(row)
                                            .arg(x)
                                            .arg(y)
                                            .arg(test::At(image, x, y).name())));
                }
            }
            ++rowsSeen;
        }
        QCOMPARE(rowsSeen, types->count() - 1);
        types->hidePopup();
    }

    void sensorEditsLeaveTheOtherPanelsAlone() {
        MainWindowUnderTest t;
        ChooseSensor(t, IDC_THERMOCOUPLE_KIND, 3);
        TypeInto(t, IDC_SENSOR_CELSIUS, QStringLiteral("250"));
        TypeInto(t, IDC_SENSOR_OUTPUT, QStringLiteral("3"));
        for (int id : {1070, 1071, 1072, 1073, 1064, 1032, 1045}) {
            QCOMPARE(t.text(id), QString());
        }
    }
};

QTEST_MAIN(SensorPanelTest)
#include "sensor_panel_test.moc"
