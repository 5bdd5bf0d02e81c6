// The data exchange contract every window relies on, checked on a small
// window of its own: every exchange covers every bound control, the window's
// own notifications are ignored while it runs, unchanged texts are not
// written, text set directly raises the change notification, and a read-only
// edit takes no typing.

#include "framework/data_exchange.h"
#include "framework/dialog.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <array>
#include <vector>

using namespace velmaro::fw;

namespace {

constexpr ControlTemplate kControls[] = {
    {10, ControlKind::Edit, "", {4, 4, 60, 12}, kStyleTabStop},
    {11, ControlKind::Label, "first", {68, 6, 40, 9}, kStyleGroup},
    {20, ControlKind::Edit, "", {4, 20, 60, 12}, kStyleTabStop},
    {21, ControlKind::Label, "second", {68, 22, 40, 9}, kStyleGroup},
    {30, ControlKind::PushLikeRadio, "a", {4, 40, 30, 14}, kStyleGroup},
    {31, ControlKind::PushLikeRadio, "b", {34, 40, 30, 14}},
    {40, ControlKind::DefPushButton, "", {4, 60, 20, 14}, kStyleTabStop | kStyleHidden},
    {50, ControlKind::Edit, "", {68, 40, 40, 12}, kStyleTabStop | kStyleReadOnly},
};
constexpr DialogTemplate kTemplate{1, "exchange", 120, 80, "SimSun", 9, kDialogNone, kControls};

class ExchangeWindow : public CDialog {
public:
    ExchangeWindow() : CDialog(kTemplate) {}

    std::array<QString, 2> texts;
    int radio = 1;
    std::vector<int> handled; // ids whose change reached the window

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Radio(dx, 30, radio);
        DDX_Text(dx, 10, texts[0]);
        DDX_Text(dx, 20, texts[1]);
    }
    void OnNotify(int id, Notify) override { handled.push_back(id); }
};

} // namespace

class DataExchangeTest : public QObject {
    Q_OBJECT

private slots:
    void readingAndWritingCoverEveryBoundControl() {
        ExchangeWindow w;
        w.Create();
        QVERIFY(w.DlgItem<QPushButton>(31)->isChecked()); // the first write
        w.DlgItem<QLineEdit>(10)->setText("x");
        w.DlgItem<QLineEdit>(20)->setText("y");
        w.DlgItem<QPushButton>(30)->setChecked(true);
        w.UpdateData(true);
        QCOMPARE(w.texts[0], QStringLiteral("x"));
        QCOMPARE(w.texts[1], QStringLiteral("y"));
        QCOMPARE(w.radio, 0);
    }

    void notificationsDuringAnExchangeStartNoHandler() {
        ExchangeWindow w;
        w.Create();
        w.handled.clear();
        w.texts = {QStringLiteral("1"), QStringLiteral("2")};
        w.UpdateData(false);
        QVERIFY(w.handled.empty());
        QCOMPARE(w.DlgItem<QLineEdit>(20)->text(), QStringLiteral("2"));
    }

    void anUnchangedTextIsNotWrittenSoTheCaretStays() {
        ExchangeWindow w;
        w.Create();
        auto* edit = w.DlgItem<QLineEdit>(10);
        edit->setText(QStringLiteral("12345"));
        edit->setCursorPosition(2);
        w.UpdateData(true);
        w.UpdateData(false);
        QCOMPARE(edit->cursorPosition(), 2);
    }

    void aTextLongerThanTheLimitIsAlwaysWritten() {
        ExchangeWindow w;
        w.Create();
        auto* edit = w.DlgItem<QLineEdit>(10);
        edit->setText(QString(kExchangeCompareLimit + 1, QLatin1Char('7')));
        edit->setCursorPosition(100);
        w.UpdateData(true);
        w.UpdateData(false);
        QCOMPARE(edit->cursorPosition(), 0);
        QCOMPARE(edit->text().size(), kExchangeCompareLimit + 1);
    }

    void aDifferentTextThatSharesTheFirst255CharactersIsWritten() {
        // Comparing only a prefix would leave a stale tail in the field.
        ExchangeWindow w;
        w.Create();
        auto* edit = w.DlgItem<QLineEdit>(10);
        const QString prefix(kExchangeCompareLimit, QLatin1Char('5'));
        edit->setText(prefix + QStringLiteral("99"));
        w.texts[0] = prefix;
        w.UpdateData(false);
        QCOMPARE(edit->text(), prefix);
    }

    void textSetDirectlyRaisesTheNotificationEvenWhenUnchanged() {
        ExchangeWindow w;
        w.Create();
        w.handled.clear();
        w.SetDlgItemText(20, QStringLiteral("0"));
        w.SetDlgItemText(20, QStringLiteral("0"));
        QCOMPARE(w.handled, (std::vector<int>{20, 20}));
    }

    void aReadOnlyEditTakesNoTypingAndIsReadOutAsReadOnly() {
        ExchangeWindow w;
        w.Create();
        auto* edit = w.DlgItem<QLineEdit>(50);
        QVERIFY(edit->isReadOnly() && edit->isEnabled());
        QVERIFY(!w.DlgItem<QLineEdit>(10)->isReadOnly());
        QTest::keyClicks(edit, "1");
        QCOMPARE(edit->text(), QString());
        const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(edit);
        QVERIFY(read != nullptr && read->state().readOnly);
    }

    void editsAreNamedAfterTheLabelOnTheirRight() {
        ExchangeWindow w;
        w.Create();
        QCOMPARE(w.GetDlgItem(10)->accessibleName(), QStringLiteral("first"));
        QCOMPARE(w.GetDlgItem(20)->accessibleName(), QStringLiteral("second"));
        QCOMPARE(w.GetDlgItem(20)->objectName(), QStringLiteral("20"));
    }
};

QTEST_MAIN(DataExchangeTest)
#include "data_exchange_test.moc"
