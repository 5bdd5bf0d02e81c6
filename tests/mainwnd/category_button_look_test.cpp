#include "controls/shell_services.h"
#include "main_window_fixture.h"
#include "mainwnd/converter_ids.h"
#include "pixel_checks.h"
#include "res/maker_details.h"
#include "wine.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QtTest>

using namespace velmaro;
using namespace velmaro::test;

namespace {

const QColor kDialogFace(236, 233, 216);
const QColor kDarkRed(80, 0, 0);
const QColor kSystemFace(212, 208, 200);
const QColor kBrightenedFace(242, 238, 230); // the system face brightened by 30
const QColor kSystemText(0, 0, 0);

constexpr int kCategoryButtons[] = {1100, 1053, 1054, 1055, 1056, 1057, 1092, 1098, 1101,
                                    1102, 1096, 1091, 1093, 1094, 1095, 1097, 1099};

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void AddButtonRows() {
    QTest::addColumn<int>("id");
    for (int id : kCategoryButtons) {
        QTest::newRow(qPrintable(QString::number(id))) << id;
    }
}

} // namespace

class CategoryButtonLookTest : public QObject {
    Q_OBJECT

    QStringList m_opened;

private slots:
    void initTestCase() {
        velmaro::res::UseLanguage(velmaro::texts::Language::Chinese);
        // Known system colours, so that every expected colour can be written down.
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, kSystemFace);
        palette.setColor(QPalette::ButtonText, kSystemText);
        QApplication::setPalette(palette);
        SetShellOpenHook([this](const QString& address) {
            m_opened << address;
            return true;
        });
    }

    void atRestEveryButtonBlendsIntoTheWindow_data() { AddButtonRows(); }

    void atRestEveryButtonBlendsIntoTheWindow() {
        QFETCH(int, id);
        MainWindowUnderTest t;
        QWidget* button = t.window->GetDlgItem(id);
        QVERIFY(dynamic_cast<CRoundImageButton*>(button) != nullptr);
        QVERIFY(!button->hasFocus());
        const QImage image = Grab(t.window.get(), button->geometry());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                QVERIFY(IsBlendOf(At(image, x, y), kDialogFace, kDarkRed));
            }
        }
        QVERIFY(CountRgb(image, kDialogFace) > image.width() * image.height() / 2);
        UseBoldCaption(*button);
        QVERIFY(CountRgb(Grab(t.window.get(), button->geometry()), kDarkRed) > 0);
    }

    void underTheMouseTheRoundedPanelShows_data() { AddButtonRows(); }

    void underTheMouseTheRoundedPanelShows() {
        QFETCH(int, id);
        // 面积 keeps the plain system face; every other button brightens it.
        const QColor fill = id == 1053 /* 面积 */ ? kSystemFace : kBrightenedFace;
        const QColor otherFill = id == 1053 /* 面积 */ ? kBrightenedFace : kSystemFace;
        MainWindowUnderTest t;
        QWidget* button = t.window->GetDlgItem(id);
        const QPointF centre = QRectF(button->rect()).center();
        QEnterEvent enter(centre, centre, button->mapToGlobal(centre));
        QApplication::sendEvent(button, &enter);

        const QImage image = Grab(t.window.get(), button->geometry());
        const int w = image.width();
        const int h = image.height();
        QCOMPARE(At(image, 0, 0).rgb(), kDialogFace.rgb()); // outside the rounded corner
        QCOMPARE(At(image, w - 1, h - 1).rgb(), kDialogFace.rgb());
        for (QPoint p :
             {QPoint(w / 2, 0), QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, h - 1)}) {
            QCOMPARE(At(image, p.x(), p.y()).rgb(), QColor(0, 0, 0).rgb());
        }
        QVERIFY(CountRgb(image, fill) > w * h / 3);
        QCOMPARE(CountRgb(image, otherFill), 0);
        // The caption is in the hover text colour (the system button text).
        const QRect inside = image.rect().adjusted(2, 2, -3, -3);
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                QVERIFY(IsBlendOf(At(image, x, y), fill, kSystemText));
            }
        }
    }

    void aFocusedButtonUsesTheFocusTextWithoutAFrame() {
        MainWindowUnderTest t;
        QWidget* button = t.window->GetDlgItem(1100 /* 力 */);
        UseBoldCaption(*button);
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
        const QImage image = Grab(t.window.get(), button->geometry());
        QCOMPARE(CountRgb(image, kDarkRed), 0);
        QVERIFY(CountRgb(image, kSystemText) > 0);
        const QRect focusFrame = image.rect().adjusted(3, 3, -4, -4);
        for (QPoint p : {focusFrame.topLeft(), focusFrame.topRight(), focusFrame.bottomLeft(),
                         focusFrame.bottomRight()}) {
            QCOMPARE(At(image, p.x(), p.y()).rgb(), kDialogFace.rgb());
        }
    }

    void theFooterAddressIsALinkToTheMaker() {
        if (velmaro::test::RunningUnderWine()) {
            // Wine draws the underline of the link font anti-aliased: no run
            // of the pure link colour is as long as the text.
            QSKIP("under Wine the underline has no run of the pure link colour");
        }

        MainWindowUnderTest t;
        QCOMPARE(t.window->GetDlgItem(IDC_FOOTER_LINK), &t.window->m_link);
        QCOMPARE(t.window->m_link.m_target.text(), FromUtf8(res::kMakerWebAddress));
        QCOMPARE(t.window->m_link.text(), FromUtf8(res::kMakerWebAddressText));
        const int textWidth =
            t.window->m_link.fontMetrics().horizontalAdvance(t.window->m_link.text());
        const QImage before = Grab(t.window.get(), t.window->m_link.geometry());
        QVERIFY(LongestRun(before, QColor(0, 0, 255)) >= textWidth - 2); // the underline

        m_opened.clear();
        const QPointF centre = QRectF(t.window->m_link.rect()).center();
        QMouseEvent press(QEvent::MouseButtonPress, centre, t.window->m_link.mapToGlobal(centre),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&t.window->m_link, &press);
        QCOMPARE(m_opened, QStringList{FromUtf8(res::kMakerWebAddress)});
        const QImage after = Grab(t.window.get(), t.window->m_link.geometry());
        QVERIFY(LongestRun(after, QColor(128, 0, 128)) >= textWidth - 2);
    }
};

QTEST_MAIN(CategoryButtonLookTest)
#include "category_button_look_test.moc"
