// Window tests of the 17 category dialogs: the change cycle through each
// dialog's own members and message map, the opening state, the keyboard, the
// names, colours and legibility of the fields and labels.

#include "category_dialog_fixture.h"
#include "wine.h"

#include "convert/number_text.h"
#include "res/maker_details.h"
#include "res/texts/texts.h"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <vector>

using velmaro::test::CategoryDialogKind;
using velmaro::test::CategoryDialogUnderTest;
using velmaro::test::FindDialogKind;
using velmaro::test::kCategoryDialogKinds;
using velmaro::test::Utf8;

namespace {

struct Shown {
    int controlId;
    const char* text;
};

struct TypingCase {
    const char* name;
    const char* dialog;
    int source;
    const char* typed;
    std::vector<Shown> shown;
};

// What the fields show after typing, figures worked out by hand from the
// factor tables and the group formats.
const TypingCase kTypingCases[] = {
    {"length: 1 in",
     "CLengthDlg",
     1020,
     "1",
     {{1014, "0.00002540"},
      {1015, "0.02540000"},
      {1017, "2.54000000"},
      {1018, "25.40000000"},
      {1019, "25400.00000000"},
      {1021, "0.08330000"},
      {1022, "0.02780000"},
      {1025, "72.00000000"}}},
    {"length: 1 mm", "CLengthDlg", 1018, "1", {{1017, "0.10000000"}, {1015, "0.00100000"}}},
    {"length: 1 lb (1/72 in)",
     "CLengthDlg",
     1025,
     "1",
     {{1019, "352.77800000"}, {1018, "0.35280000"}}},
    {"length: 1e10 km in um",
     "CLengthDlg",
     1014,
     "1e10",
     {{1019, "10000000000000000000.00000000"}, {1015, "10000000000000.00000000"}}},
    {"area: 1 acre",
     "CAreaDlg",
     1035,
     "1",
     {{1026, "0.00400000"}, {1028, "4046.85600000"}, {1033, "43560.00000000"}, {1035, "1"}}},
    {"area: 1 km2",
     "CAreaDlg",
     1026,
     "1",
     {{1037, "1500.00000000"},
      {1035, "247.10540000"},
      {1030, "10000000000.00000000"},
      {1031, "1000000000000.00000000"}}},
    {"area: letters read as zero",
     "CAreaDlg",
     1035,
     "abc",
     {{1026, "0.00000000"}, {1033, "0.00000000"}, {1037, "0.00000000"}}},
    {"area: blank then 12abc",
     "CAreaDlg",
     1035,
     " 12abc",
     {{1033, "522720.00000000"}, {1034, "58080.00000000"}}},
    {"volume: 1 m3",
     "CVolumeDlg",
     1038,
     "1",
     {{1042, "61024.00000000"}, {1043, "35.31470000"}, {1045, "27.00000000"}}},
    {"volume: lone minus", "CVolumeDlg", 1043, "-", {{1038, "0.00000000"}, {1045, "0.00000000"}}},
    {"capacity: 1 gal(US)",
     "CCapacityDlg",
     1049,
     "1",
     {{1047, "3.785400"},
      {1048, "3785.412000"},
      {1042, "231.000000"},
      {1038, "0.003785"},
      {1046, "0.003785"}}},
    {"capacity: 1 in3", "CCapacityDlg", 1042, "1", {{1047, "0.016387"}}},
    {"mass: 1 t",
     "CMassDlg",
     1167,
     "1",
     {{1168, "1.00000000"},
      {1169, "1000.00000000"},
      {1025, "2204.62260000"},
      {1173, "1.10230000"},
      {1174, "0.98421000"},
      {1144, "2000.00000000"}}},
    {"mass: 1 short t", "CMassDlg", 1173, "1", {{1169, "907.18000000"}, {1025, "2000.00000000"}}},
    {"mass: 1e10 t in ug",
     "CMassDlg",
     1167,
     "1e10",
     {{1171, "10000000000000000000000.00000000"}, {1168, "10000000000.00000000"}}},
    {"density: 1 g/ml", "CDensityDlg", 1115, "1", {{1113, "999.970000"}, {1114, "1.000000"}}},
    {"density: 1 kg/m3", "CDensityDlg", 1113, "1", {{1115, "0.001000"}, {1120, "0.062428"}}},
    {"speed: 1 m/s",
     "CSpeedDlg",
     1175,
     "1",
     {{1178, "3.600000"}, {1183, "1.943800"}, {1106, "1.943800"}}},
    {"speed: 1 n mile/h", "CSpeedDlg", 1183, "1", {{1175, "0.511400"}, {1106, "1.000000"}}},
    {"speed: 1 kn", "CSpeedDlg", 1106, "1", {{1175, "0.514400"}}},
    {"speed: 1 mile/h", "CSpeedDlg", 1182, "1", {{1178, "1.609300"}, {1177, "1609.344000"}}},
    {"force: 1 kgf",
     "CForceDlg",
     1104,
     "1",
     {{1105, "1000.00000000"},
      {1107, "9.80670000"},
      {1108, "980670.00000000"},
      {1111, "0.00110000"},
      {1112, "0.00098421"}}},
    {"force: 1 pdl", "CForceDlg", 1110, "1", {{1025, "0.03110000"}}},
    {"force: -2 kN", "CForceDlg", 1106, "-2", {{1107, "-2000.00000000"}, {1104, "-203.94320000"}}},
    {"energy: 1 J",
     "CEnergyDlg",
     1144,
     "1",
     {{1143, "1000.00000000"},
      {1147, "0.00023885"},
      {1149, "0.00000028"},
      {1152, "0.73757000"},
      {1154, "23.73040000"}}},
    {"energy: 1 kWh",
     "CEnergyDlg",
     1149,
     "1",
     {{1144, "3600000.00000000"},
      {1147, "859.84520000"},
      {1148, "3412.14160000"},
      {1150, "1.34100000"}}},
    {"energy: 1 mJ below the last decimal",
     "CEnergyDlg",
     1143,
     "1",
     {{1146, "0.00000000"}, {1149, "0.00000000"}, {1150, "0.00000000"}}},
    {"power: 1 W",
     "CPowerDlg",
     1156,
     "1",
     {{1159, "0.10200000"},
      {1160, "0.85980000"},
      {1166, "0.00130000"},
      {1163, "10000000.00000000"}}},
    {"power: 1 J/s",
     "CPowerDlg",
     1162,
     "1",
     {{1159, "0.10200000"},
      {1160, "0.85980000"},
      {1166, "0.00130000"},
      {1163, "10000000.00000000"}}},
    {"power: 1 HP", "CPowerDlg", 1166, "1", {{1156, "745.69990000"}, {1162, "745.70000000"}}},
    {"heat flux: 1 W/cm2",
     "CHeatFluxDlg",
     1135,
     "1",
     {{1136, "10.000000"}, {1137, "0.238800"}, {1140, "8598.452300"}, {1142, "3169.983300"}}},
    {"heat flux: 1 kcal/(m2.h)",
     "CHeatFluxDlg",
     1140,
     "1",
     {{1135, "0.000116"}, {1136, "0.001163"}, {1138, "0.100000"}, {1142, "0.368700"}}},
    {"heat-transfer coefficient: 1 W/(m2.C)",
     "CHeatTransferCoefDlg",
     1125,
     "1",
     {{1126, "0.000100"}, {1128, "0.859800"}, {1130, "0.176100"}}},
    {"thermal conductivity: 1 W(m.K)",
     "CThermalConductivityDlg",
     1081,
     "1",
     {{1082, "0.010000"}, {1086, "0.859800"}, {1090, "0.577800"}, {1083, "0.000002"}}},
    {"dynamic viscosity: 1 mPa.s",
     "CDynamicViscosityDlg",
     1190,
     "1",
     {{1192, "1.00000000"}, {1191, "0.00100000"}, {1195, "3.60000000"}, {1200, "0.00002089"}}},
    {"dynamic viscosity: 1 P",
     "CDynamicViscosityDlg",
     1193,
     "1",
     {{1198, "1.00000000"}, {1192, "100.00000000"}, {1200, "0.00208850"}}},
    {"dynamic viscosity: 1e10 lb.h/ft2",
     "CDynamicViscosityDlg",
     1201,
     "1e10",
     {{1190, "1723700000000000000.00000000"}, {1197, "4169800000000000000.00000000"}}},
    {"kinematic viscosity: 1 cSt",
     "CKinematicViscosityDlg",
     1202,
     "1",
     {{1204, "1.000000"}, {1203, "0.010000"}, {1206, "0.000001"}, {1207, "0.003600"}}},
    {"kinematic viscosity: lone point",
     "CKinematicViscosityDlg",
     1206,
     ".",
     {{1202, "0.000000"}, {1209, "0.000000"}}},
    {"diffusion: 1 cm2/s",
     "CDiffusionCoefDlg",
     1131,
     "1",
     {{1132, "0.360000"}, {1133, "0.155000"}, {1134, "3.875000"}}},
    {"diffusion: -2 cm2/s",
     "CDiffusionCoefDlg",
     1131,
     "-2",
     {{1132, "-0.720000"}, {1133, "-0.310000"}, {1134, "-7.750000"}}},
    {"surface tension: 1 N/m",
     "CSurfaceTensionDlg",
     1184,
     "1",
     {{1185, "1000.000000"},
      {1188, "1000.000000"},
      {1186, "1.019700"},
      {1187, "0.102000"},
      {1189, "0.068500"}}},
    {"surface tension: 1e3 N/m",
     "CSurfaceTensionDlg",
     1184,
     "1e3",
     {{1185, "1000000.000000"}, {1189, "68.500000"}}},
};

void AddOneRowPerDialog() {
    QTest::addColumn<QString>("dialog");
    for (const CategoryDialogKind& kind : kCategoryDialogKinds) {
        QTest::newRow(kind.className) << QString::fromLatin1(kind.className);
    }
}

const CategoryDialogKind& KindOf(const QString& className) {
    const CategoryDialogKind* kind = FindDialogKind(className);
    Q_ASSERT(kind != nullptr);
    return *kind;
}

std::vector<const velmaro::res::FieldPlace*>
FieldsInTabOrder(const velmaro::res::CategoryLayout& layout) {
    std::vector<const velmaro::res::FieldPlace*> fields;
    for (const velmaro::res::FieldPlace& place : layout.fields) {
        fields.push_back(&place);
    }
    std::sort(fields.begin(), fields.end(),
              [](const auto* a, const auto* b) { return a->tabPosition < b->tabPosition; });
    return fields;
}

std::vector<QLabel*> VisibleTextLabels(const QWidget& dialog) {
    std::vector<QLabel*> labels;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty()) {
            labels.push_back(label);
        }
    }
    return labels;
}

} // namespace

class CategoryDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // The windows speak Chinese here, whatever the machine's desktop speaks.
    void initTestCase() { velmaro::res::UseLanguage(velmaro::texts::Language::Chinese); }

    void typingFillsTheOtherFields_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < std::size(kTypingCases); ++i) {
            QTest::newRow(kTypingCases[i].name) << static_cast<int>(i);
        }
    }

    void typingFillsTheOtherFields() {
        QFETCH(int, index);
        const TypingCase& row = kTypingCases[index];
        const CategoryDialogKind* kind = FindDialogKind(QString::fromLatin1(row.dialog));
        QVERIFY(kind != nullptr);
        CategoryDialogUnderTest t(*kind);
        QTest::keyClicks(t.field(row.source), QString::fromLatin1(row.typed));
        QCOMPARE(t.text(row.source), QString::fromLatin1(row.typed));
        for (const Shown& shown : row.shown) {
            QCOMPARE(t.text(shown.controlId), QString::fromLatin1(shown.text));
        }
    }

    // Each field of each dialog converts by its own row of its table into
    // every other field, once per keystroke, without waking the rewritten
    // fields' handlers and without touching the typed text or its caret.
    void everyFieldWritesItsRowIntoTheOthers_data() { AddOneRowPerDialog(); }

    void everyFieldWritesItsRowIntoTheOthers() {
        QFETCH(QString, dialog);
        const CategoryDialogKind& kind = KindOf(dialog);
        const velmaro::FieldGroup& group = *kind.layout->group;
        const QString typed = QStringLiteral("-2.5");
        for (std::size_t source = 0; source < group.size(); ++source) {
            const int sourceId = kind.layout->fields[source].controlId;
            CategoryDialogUnderTest t(kind);
            t.field(sourceId)->setFocus();
            QTest::keyClicks(t.field(sourceId), typed);
            QCOMPARE(t.text(sourceId), typed);
            QCOMPARE(t.field(sourceId)->cursorPosition(), typed.size());
            QCOMPARE(t.handlerRuns[sourceId], typed.size());
            QCOMPARE(t.handlerRuns.size(), std::size_t{1});
            for (std::size_t target = 0; target < group.size(); ++target) {
                if (target == source) {
                    continue;
                }
                const std::string expected =
                    velmaro::FormatFixed(-2.5 * group.factor(source, target), group.format);
                QCOMPARE(t.text(kind.layout->fields[target].controlId),
                         QString::fromStdString(expected));
            }
        }
    }

    void editingAnotherFieldStartsFromItsShownText() {
        CategoryDialogUnderTest t(KindOf(QStringLiteral("CSurfaceTensionDlg")));
        QTest::keyClicks(t.field(1184), QStringLiteral("1")); // N/m
        QCOMPARE(t.text(1187), QStringLiteral("0.102000"));   // kg/m
        t.field(1187)->selectAll();
        QTest::keyClicks(t.field(1187), QStringLiteral("2"));
        QCOMPARE(t.text(1184), QStringLiteral("19.613200"));
        QCOMPARE(t.text(1185), QStringLiteral("19613.300000"));
    }

    void emptyingAFieldShowsZeros() {
        CategoryDialogUnderTest t(KindOf(QStringLiteral("CLengthDlg")));
        QTest::keyClicks(t.field(1020), QStringLiteral("5"));
        QTest::keyClick(t.field(1020), Qt::Key_Backspace);
        QCOMPARE(t.text(1020), QString());
        QCOMPARE(t.text(1014), QStringLiteral("0.00000000"));
        QCOMPARE(t.text(1025), QStringLiteral("0.00000000"));
    }

    void opensEmptyWithTheFocusInTheFirstField_data() { AddOneRowPerDialog(); }

    void opensEmptyWithTheFocusInTheFirstField() {
        QFETCH(QString, dialog);
        CategoryDialogUnderTest t(KindOf(dialog));
        const velmaro::res::CategoryLayout& layout = *KindOf(dialog).layout;
        const QString title = Utf8(velmaro::texts::Lookup(layout.titleTextId));
        QCOMPARE(t.dialog->windowTitle(), title);
        QCOMPARE(t.dialog->dialogTemplate().id, layout.templateId);
        QCOMPARE(t.dialog->size(), QSize(2 * layout.width, 2 * layout.height));
        for (const velmaro::res::FieldPlace& place : layout.fields) {
            QCOMPARE(t.text(place.controlId), QString());
        }
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t.fieldAtTab(1)));
        QVERIFY(t.handlerRuns.empty());
        if (QFile::exists(QStringLiteral(":/images/icon184_32.png"))) {
            QVERIFY(!t.dialog->windowIcon().isNull());
        }
        const auto labels = VisibleTextLabels(*t.dialog);
        QVERIFY(std::any_of(labels.begin(), labels.end(),
                            [&](const QLabel* label) { return label->text() == title; }));
    }

    void tabVisitsTheFieldsInTheirTabPositions_data() { AddOneRowPerDialog(); }

    void tabVisitsTheFieldsInTheirTabPositions() {
        QFETCH(QString, dialog);
        CategoryDialogUnderTest t(KindOf(dialog));
        const auto fields = FieldsInTabOrder(t.dialog->layout());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t.fieldAtTab(1)));
        for (std::size_t i = 0; i <= fields.size(); ++i) {
            // After the last field Tab comes round to the first again: the
            // hidden default button takes no focus.
            const int expected = fields[i % fields.size()]->controlId;
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::number(expected));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    void enterLeavesItOpenAndEscapeClosesIt_data() { AddOneRowPerDialog(); }

    void enterLeavesItOpenAndEscapeClosesIt() {
        QFETCH(QString, dialog);
        CategoryDialogUnderTest t(KindOf(dialog));
        QLineEdit* first = t.fieldAtTab(1);
        QTest::keyClicks(first, QStringLiteral("7"));
        const QLineEdit* second = t.fieldAtTab(2);
        const QString shown = second->text();
        QTest::keyClick(first, Qt::Key_Return);
        QTest::keyClick(first, Qt::Key_Enter);
        QVERIFY(t.dialog->isVisible());
        QCOMPARE(first->text(), QStringLiteral("7"));
        QCOMPARE(second->text(), shown);

        auto* defaultButton = t.dialog->DlgItem<QPushButton>(1053);
        QVERIFY(defaultButton != nullptr);
        QVERIFY(defaultButton->isDefault());
        QVERIFY(defaultButton->isHidden());
        QCOMPARE(defaultButton->text(), QStringLiteral("Button1"));

        QTest::keyClick(first, Qt::Key_Escape);
        QVERIFY(!t.dialog->isVisible());
        QCOMPARE(t.dialog->result(), int(QDialog::Rejected));
    }

    void theCloseBoxClosesIt() {
        CategoryDialogUnderTest t(KindOf(QStringLiteral("CMassDlg")));
        QTest::keyClicks(t.fieldAtTab(1), QStringLiteral("3"));
        QVERIFY(t.dialog->close());
        QVERIFY(!t.dialog->isVisible());
        QCOMPARE(t.dialog->result(), int(QDialog::Rejected));
    }

    void fieldsAreNamedAfterTheirLabelsAndIds_data() { AddOneRowPerDialog(); }

    void fieldsAreNamedAfterTheirLabelsAndIds() {
        QFETCH(QString, dialog);
        CategoryDialogUnderTest t(KindOf(dialog));
        const auto& fields = t.dialog->layout().fields;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            QLineEdit* edit = t.field(fields[i].controlId);
            QVERIFY2(edit != nullptr, qPrintable(QString::number(fields[i].controlId)));
            QCOMPARE(edit->accessibleName(), Utf8(velmaro::texts::UnitLabel(t.dialog->group(), i)));
            QCOMPARE(edit->objectName(), QString::number(fields[i].controlId));
            QVERIFY(edit->isVisible());
            QCOMPARE(edit->focusPolicy(), Qt::StrongFocus);
        }
    }

    // Every text is whole on the screen: each label is at least as wide as
    // its text, lies inside the dialog and covers no field or other label.
    void everyLabelIsFullyVisible_data() { AddOneRowPerDialog(); }

    void everyLabelIsFullyVisible() {
        if (velmaro::test::RunningUnderWine()) {
            // Wine's metrics of the stand-in faces make some unit labels a
            // few pixels wider than the dialog units allow (not yet seen on
            // Windows itself).
            QSKIP("under Wine some labels overrun their dialog by a few pixels");
        }

        QFETCH(QString, dialog);
        CategoryDialogUnderTest t(KindOf(dialog));
        const QRect client = t.dialog->rect();
        const auto labels = VisibleTextLabels(*t.dialog);
        QVERIFY(labels.size() >= t.dialog->group().size() + 5);
        const QList<QLineEdit*> edits = t.dialog->findChildren<QLineEdit*>();
        for (const QLabel* label : labels) {
            const QString what = label->text();
            const QFontMetricsF metrics(label->font());
            QVERIFY2(label->width() >= metrics.horizontalAdvance(label->text()), qPrintable(what));
            QVERIFY2(label->height() >= metrics.height() - 1, qPrintable(what));
            QVERIFY2(client.contains(label->geometry()), qPrintable(what));
            for (const QLineEdit* edit : edits) {
                QVERIFY2(!label->geometry().intersects(edit->geometry()), qPrintable(what));
            }
            for (const QLabel* other : labels) {
                if (other != label) {
                    QVERIFY2(!label->geometry().intersects(other->geometry()), qPrintable(what));
                }
            }
        }
        for (const QLineEdit* edit : edits) {
            QVERIFY(client.contains(edit->geometry()));
            QVERIFY(edit->height() >= edit->fontMetrics().height());
        }
    }

    void fieldsAreBlackOnGreenAndLabelsKeepTheDialogColors_data() { AddOneRowPerDialog(); }

    void fieldsAreBlackOnGreenAndLabelsKeepTheDialogColors() {
        QFETCH(QString, dialog);
        CategoryDialogUnderTest t(KindOf(dialog));
        for (const velmaro::res::FieldPlace& place : t.dialog->layout().fields) {
            const QPalette palette = t.field(place.controlId)->palette();
            QCOMPARE(palette.color(QPalette::Base), QColor(156, 205, 166));
            QCOMPARE(palette.color(QPalette::Text), QColor(0, 0, 0));
        }
        for (const QLabel* label : VisibleTextLabels(*t.dialog)) {
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(80, 0, 0));
        }
        QCOMPARE(t.dialog->palette().color(QPalette::Window), QColor(236, 233, 216));
        int frames = 0;
        for (const QFrame* frame : t.dialog->findChildren<QFrame*>()) {
            if (frame->frameShape() == QFrame::Box) {
                ++frames;
                QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(0, 0, 0));
            }
        }
        QCOMPARE(frames, 2);
    }

    void theFooterGivesTheMakersNumbers() {
        CategoryDialogUnderTest t(KindOf(QStringLiteral("CDiffusionCoefDlg")));
        QStringList texts;
        for (const QLabel* label : VisibleTextLabels(*t.dialog)) {
            texts << label->text();
        }
        for (const QString& expected :
             {QStringLiteral("联系电话："), QStringLiteral("传真："),
              Utf8(velmaro::res::kMakerPhone), Utf8(velmaro::res::kMakerFax)}) {
            QVERIFY2(texts.contains(expected), qPrintable(expected));
        }
    }
};

QTEST_MAIN(CategoryDialogsTest)
#include "category_dialogs_test.moc"
