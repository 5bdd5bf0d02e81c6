#include "control_test_window.h"
#include "controls/shell_services.h"
#include "pixel_checks.h"

#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace velmaro;
using namespace velmaro::test;

namespace {

const QColor kDialogFace(236, 233, 216);
const QColor kDarkRed(80, 0, 0);
const QColor kSystemFace(212, 208, 200);
const QColor kSystemText(0, 0, 0);
const QColor kHighlight3D(255, 255, 255);
const QColor kButtonShadow(128, 128, 128);

QPointF Centre(const QWidget& widget) {
    return QRectF(widget.rect()).center();
}

void SendEnter(QWidget& widget) {
    QEnterEvent enter(Centre(widget), Centre(widget), widget.mapToGlobal(Centre(widget)));
    QApplication::sendEvent(&widget, &enter);
}

void SendMove(QWidget& widget, QPointF point, Qt::MouseButtons buttons) {
    QMouseEvent move(QEvent::MouseMove, point, widget.mapToGlobal(point), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

void SendMouse(QWidget& widget, QEvent::Type type) {
    QMouseEvent event(type, Centre(widget), widget.mapToGlobal(Centre(widget)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// The category look: resting face in the dialog colour, dark-red caption,
// rounded highlight.
void GiveCategoryLook(CRoundImageButton& button) {
    button.SetFaceColor(kDialogFace);
    button.SetRoundedHighlight(true);
    button.SetStateColor(kNormalText, kDarkRed);
}

} // namespace

class ImageButtonTest : public QObject {
    Q_OBJECT

    TestApp m_app;
    std::unique_ptr<ControlTestWindow> m_window;
    QStringList m_opened;

    CRoundImageButton& button() { return m_window->m_button; }
    QImage GrabButton(QWidget& widget) { return Grab(m_window.get(), widget.geometry()); }

private slots:
    void initTestCase() {
        UseProgramColors(m_app);
        SetShellOpenHook([this](const QString& address) {
            m_opened << address;
            return true;
        });
    }

    void init() {
        m_opened.clear();
        m_window = std::make_unique<ControlTestWindow>();
        m_window->Create();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void shiftStateColorMovesAllChannelsAlike_data() {
        QTest::addColumn<QColor>("start");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QColor>("expected");
        QTest::addColumn<int>("result");
        QTest::newRow("red headroom 19 limits all")
            << QColor(236, 233, 216) << 0 << 30 << QColor(255, 252, 235) << kButtonDone;
        QTest::newRow("room for the whole offset")
            << QColor(212, 208, 200) << 0 << 30 << QColor(242, 238, 230) << kButtonDone;
        QTest::newRow("darkening stops red at 0")
            << QColor(20, 100, 200) << 3 << -30 << QColor(0, 80, 180) << kButtonDone;
        QTest::newRow("white cannot brighten")
            << QColor(255, 255, 255) << 5 << 30 << QColor(255, 255, 255) << kButtonDone;
        QTest::newRow("offset 255 on black")
            << QColor(0, 0, 0) << 1 << 255 << QColor(255, 255, 255) << kButtonDone;
        QTest::newRow("offset -255 accepted")
            << QColor(10, 20, 30) << 2 << -255 << QColor(0, 10, 20) << kButtonDone;
        QTest::newRow("offset 256 rejected")
            << QColor(20, 100, 200) << 0 << 256 << QColor(20, 100, 200) << kBadColorOffset;
        QTest::newRow("offset -256 rejected")
            << QColor(20, 100, 200) << 0 << -256 << QColor(20, 100, 200) << kBadColorOffset;
    }

    void shiftStateColorMovesAllChannelsAlike() {
        QFETCH(QColor, start);
        QFETCH(int, index);
        QFETCH(int, offset);
        QFETCH(QColor, expected);
        QFETCH(int, result);
        CRoundImageButton fresh;
        QCOMPARE(fresh.SetStateColor(static_cast<std::uint8_t>(index), start, false), kButtonDone);
        QCOMPARE(fresh.ShiftStateColor(static_cast<std::uint8_t>(index),
                                       static_cast<std::int16_t>(offset), false),
                 result);
        QCOMPARE(fresh.StateColor(static_cast<std::uint8_t>(index)).rgb(), expected.rgb());
    }

    void rejectedArgumentsChangeNothing() {
        CRoundImageButton fresh;
        fresh.SetPressOffsetStyle(1);
        const QColor hover = fresh.StateColor(kHoverBackground);
        QCOMPARE(fresh.SetStateColor(6, QColor(1, 2, 3)), kBadColorIndex);
        QCOMPARE(fresh.ShiftStateColor(255, -10), kBadColorIndex);
        QCOMPARE(fresh.ShiftStateColor(kHoverBackground, 256), kBadColorOffset);
        QCOMPARE(fresh.ShiftStateColor(kHoverBackground, -256), kBadColorOffset);
        QCOMPARE(fresh.SetPressOffsetStyle(2), kBadPressOffsetStyle);
        QCOMPARE(fresh.StateColor(kHoverBackground), hover);
        QCOMPARE(fresh.PressOffset(), QPoint(0, 2));
    }

    void templateKindsReachTheButtons() {
        QVERIFY(m_window->m_defaultButton.IsDefault());
        QVERIFY(!button().IsDefault());
        QVERIFY(!button().IsCheckBox());
        // Drawn by the program, the radio button no longer toggles by itself.
        QVERIFY(!m_window->m_radioButton.isCheckable());
        QCOMPARE(m_window->GetDlgItem(kButtonId), &button());
    }

    void checkStateBelongsToCheckBoxMode() {
        button().SetCheckState(1);
        QCOMPARE(button().GetCheckState(), 0);
        button().ApplyButtonStyle(0x03);
        button().SetCheckState(7);
        QCOMPARE(button().GetCheckState(), 1);
        button().click();
        QCOMPARE(button().GetCheckState(), 0);
        button().click();
        QCOMPARE(button().GetCheckState(), 1);
    }

    void hoveredButtonShowsTheOutlinedPanel_data() {
        QTest::addColumn<bool>("rounded");
        QTest::addColumn<QColor>("corner");
        QTest::newRow("rounded: the window shows at the corner") << true << kDialogFace;
        QTest::newRow("square: the outline fills the corner") << false << QColor(0, 0, 0);
    }

    void hoveredButtonShowsTheOutlinedPanel() {
        QFETCH(bool, rounded);
        QFETCH(QColor, corner);
        GiveCategoryLook(button());
        UseBoldCaption(button());
        button().SetRoundedHighlight(rounded);
        button().ShiftStateColor(kHoverBackground, 30);
        SendEnter(button());
        QVERIFY(button().IsHovered());

        const QImage image = GrabButton(button());
        const int w = image.width();
        const int h = image.height();
        const QColor black(0, 0, 0);
        for (QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
            QCOMPARE(At(image, p.x(), p.y()).rgb(), corner.rgb());
        }
        for (QPoint p :
             {QPoint(w / 2, 0), QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, h - 1)}) {
            QCOMPARE(At(image, p.x(), p.y()).rgb(), black.rgb());
        }
        const QColor brightened(242, 238, 230);
        QCOMPARE(At(image, 1, 1 + (rounded ? 2 : 0)).rgb(), brightened.rgb());
        // Inside the outline: the panel and the caption in the hover text
        // colour, nothing of the resting look.
        const QRect inside = image.rect().adjusted(1, 1, -2, -2);
        QVERIFY(CountRgb(image, kDarkRed, inside) == 0);
        QVERIFY(CountRgb(image, kSystemText, inside) > 0);
        QVERIFY(CountRgb(image, kDialogFace, inside) == 0);
    }

    void pressedCaptionShiftsUnlessCheckBox_data() {
        QTest::addColumn<int>("pressStyle");
        QTest::addColumn<bool>("checkBox");
        QTest::addColumn<QPoint>("shift");
        QTest::newRow("style 0") << 0 << false << QPoint(1, 1);
        QTest::newRow("style 1") << 1 << false << QPoint(0, 2);
        QTest::newRow("check box") << 0 << true << QPoint(0, 0);
    }

    void pressedCaptionShiftsUnlessCheckBox() {
        QFETCH(int, pressStyle);
        QFETCH(bool, checkBox);
        QFETCH(QPoint, shift);
        GiveCategoryLook(button());
        button().SetRoundedHighlight(false); // the outline keeps to the edge pixels
        button().SetPressOffsetStyle(static_cast<std::uint8_t>(pressStyle));
        if (checkBox) {
            button().ApplyButtonStyle(0x03);
        }
        SendEnter(button()); // the panel shows in both pictures
        const QColor fill = button().StateColor(kHoverBackground);
        const QRect inside = button().rect().adjusted(1, 1, -2, -2);
        const QRect resting = InkBox(GrabButton(button()), fill, inside);
        button().setDown(true);
        const QRect pressed = InkBox(GrabButton(button()), fill, inside);
        button().setDown(false);
        QVERIFY(!resting.isNull());
        QCOMPARE(pressed.topLeft() - resting.topLeft(), shift);
        QCOMPARE(pressed.size(), resting.size());
    }

    void disabledCaptionIsEmbossed() {
        GiveCategoryLook(button());
        UseBoldCaption(button());
        button().setEnabled(false);
        const QImage image = GrabButton(button());
        QCOMPARE(CountRgb(image, kDarkRed), 0);
        QVERIFY(CountRgb(image, kHighlight3D) > 0);
        QVERIFY(CountRgb(image, kButtonShadow) > 0);
        // The light copy lies one pixel below and right of the shadow.
        QCOMPARE(BoxOf(image, kHighlight3D).bottomRight(),
                 BoxOf(image, kButtonShadow).bottomRight() + QPoint(1, 1));
    }

    void wrappedCaptionStaysCentred() {
        CRoundImageButton& wrap = m_window->m_wrapButton;
        wrap.SetFaceColor(kDialogFace);
        const QImage image = GrabButton(wrap);
        const QRect ink = InkBox(image, kDialogFace);
        QVERIFY(ink.height() > wrap.fontMetrics().height()); // two lines
        const QPointF offCentre = QRectF(ink).center() - QRectF(image.rect()).center();
        QVERIFY(qAbs(offCentre.x()) <= 1.5 && qAbs(offCentre.y()) <= 2.5);
    }

    void hoverIsCancelled_data() {
        QTest::addColumn<int>("cause");
        QTest::newRow("mouse leaves") << 0;
        QTest::newRow("move onto another window") << 1;
        QTest::newRow("focus lost") << 2;
        QTest::newRow("disabled") << 3;
        QTest::newRow("modal window") << 4;
        QTest::newRow("window deactivated") << 5;
    }

    void hoverIsCancelled() {
        QFETCH(int, cause);
        button().setFocus();
        QTRY_VERIFY(button().hasFocus());
        SendEnter(button());
        QVERIFY(button().IsHovered());
        QWidget other;
        switch (cause) {
        case 0: {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(&button(), &leave);
            break;
        }
        case 1:
            SendMove(button(), QPointF(-5, 3), Qt::NoButton);
            break;
        case 2:
            m_window->GetDlgItem(kFieldId)->setFocus();
            break;
        case 3:
            button().setEnabled(false);
            break;
        case 4: {
            QEvent blocked(QEvent::WindowBlocked);
            QApplication::sendEvent(&button(), &blocked);
            break;
        }
        default:
            other.show();
            other.activateWindow();
            QTRY_VERIFY(!m_window->isActiveWindow());
            break;
        }
        QTRY_VERIFY(!button().IsHovered());
    }

    void mouseMovesLightTheButtonUnlessDragging_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("hovered");
        QTest::newRow("no button held") << int(Qt::NoButton) << true;
        QTest::newRow("dragged in with the left button") << int(Qt::LeftButton) << false;
        QTest::newRow("right button held") << int(Qt::RightButton) << true;
    }

    void mouseMovesLightTheButtonUnlessDragging() {
        QFETCH(int, buttons);
        QFETCH(bool, hovered);
        SendMove(button(), Centre(button()), Qt::MouseButtons(buttons));
        QCOMPARE(button().IsHovered(), hovered);
    }

    void aClickFocusesTheButtonBeforeTheWindowHearsIt() {
        QWidget* focusWhenHeard = nullptr;
        int heard = 0;
        m_window->SetNotificationObserver([&](int id, fw::Notify code) {
            if (id == kButtonId && code == fw::Notify::ButtonClicked) {
                ++heard;
                focusWhenHeard = m_window->focusWidget();
            }
        });
        m_window->GetDlgItem(kFieldId)->setFocus();
        button().click(); // a click that did not start with a press on the button
        QCOMPARE(heard, 1);
        QCOMPARE(focusWhenHeard, &button());
        QVERIFY(button().hasFocus());
    }

    void aDoubleClickActsAsTwoClicks() {
        QSignalSpy clicks(&button(), &QAbstractButton::clicked);
        SendMouse(button(), QEvent::MouseButtonPress);
        SendMouse(button(), QEvent::MouseButtonRelease);
        SendMouse(button(), QEvent::MouseButtonDblClick);
        SendMouse(button(), QEvent::MouseButtonRelease);
        QCOMPARE(clicks.count(), 2);
    }

    void keysPressTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }

    void keysPressTheFocusedButton() {
        QFETCH(int, key);
        int heard = 0;
        m_window->SetNotificationObserver([&](int id, fw::Notify) { heard += id == kButtonId; });
        button().setFocus();
        QTRY_VERIFY(button().hasFocus());
        QTest::keyClick(&button(), Qt::Key(key));
        QCOMPARE(heard, 1);
        QVERIFY(m_window->isVisible()); // Enter pressed the button, not the default one
    }

    void linkTargetOpensOnClickUnlessCheckBox() {
        button().SetLinkTarget(QStringLiteral("https://www.example.org/heat"));
        button().click();
        QCOMPARE(m_opened, QStringList{QStringLiteral("https://www.example.org/heat")});
        button().ApplyButtonStyle(0x03); // check-box mode: a click toggles instead
        button().click();
        QCOMPARE(button().GetCheckState(), 1);
        QCOMPARE(m_opened.size(), 1);
    }

    void disablingPassesTheFocusOnOnlyFromTheButton_data() {
        QTest::addColumn<int>("focusedBefore");
        QTest::addColumn<int>("focusedAfter");
        QTest::newRow("button had the focus") << kButtonId << kNextButtonId;
        QTest::newRow("field had the focus") << kFieldId << kFieldId;
    }

    void disablingPassesTheFocusOnOnlyFromTheButton() {
        QFETCH(int, focusedBefore);
        QFETCH(int, focusedAfter);
        m_window->GetDlgItem(focusedBefore)->setFocus();
        QTRY_VERIFY(m_window->GetDlgItem(focusedBefore)->hasFocus());
        button().setEnabled(false);
        QTRY_COMPARE(QApplication::focusWidget(), m_window->GetDlgItem(focusedAfter));
    }

    void systemColorChangeResetsStateColors() {
        GiveCategoryLook(button());
        button().ShiftStateColor(kHoverBackground, 30);
        const QPalette before = QApplication::palette();
        QPalette changed = before;
        changed.setColor(QPalette::Button, QColor(200, 200, 190));
        changed.setColor(QPalette::ButtonText, QColor(10, 10, 60));
        QApplication::setPalette(changed);
        const QColor face = button().StateColor(kHoverBackground);
        const QColor text = button().StateColor(kNormalText);
        QApplication::setPalette(before);
        QCOMPARE(face.rgb(), QColor(200, 200, 190).rgb());
        QCOMPARE(text.rgb(), QColor(10, 10, 60).rgb());
        QCOMPARE(button().FaceColor().rgb(), kDialogFace.rgb());
        QVERIFY(button().IsRoundedHighlight());
    }
};

QTEST_MAIN(ImageButtonTest)
#include "image_button_test.moc"
