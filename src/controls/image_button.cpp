#include "controls/image_button.h"

#include "controls/shell_services.h"
#include "framework/dialog_template.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace velmaro {
namespace {

// The system colours are the application palette's.
QColor SystemColor(QPalette::ColorRole role) {
    return QGuiApplication::palette().color(QPalette::Active, role);
}

QColor ButtonFace() {
    return SystemColor(QPalette::Button);
}
QColor ButtonText() {
    return SystemColor(QPalette::ButtonText);
}
QColor Highlight3D() {
    return SystemColor(QPalette::Light);
}
QColor Light3D() {
    return SystemColor(QPalette::Midlight);
}
QColor ButtonShadow() {
    return SystemColor(QPalette::Dark);
}
QColor DarkShadow3D() {
    return SystemColor(QPalette::Shadow);
}

// Caption layout: word-wrapped, each line centred, '&' marks a mnemonic.
constexpr int kCaptionFlags =
    Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic;

// A one-pixel edge: top and left lines in one colour, bottom and right in the
// other (raised: light over dark; sunken: the other way round).
void DrawEdge(QPainter& painter, const QRect& rect, QColor topLeft, QColor bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(rect.left(), rect.bottom(), rect.left(), rect.top());
    painter.drawLine(rect.left(), rect.top(), rect.right(), rect.top());
    painter.setPen(bottomRight);
    painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
    painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
}

// Tells every image button when the system colours change. Qt sends that news
// to the application and its top-level windows only, so one watcher on the
// application passes it on to the buttons.
class SystemColorWatcher : public QObject {
public:
    static void Ensure() {
        static QPointer<SystemColorWatcher> watcher;
        if (watcher == nullptr && qApp != nullptr) {
            watcher = new SystemColorWatcher(qApp);
            qApp->installEventFilter(watcher);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
            for (QWidget* widget : QApplication::allWidgets()) {
                if (auto* button = qobject_cast<CImageButton*>(widget)) {
                    button->ResetStateColors(true);
                }
            }
        }
        return false;
    }

private:
    using QObject::QObject;
};

} // namespace

// The button's tool-tip. No operation of the program adds a tip to it, so it
// stays inactive and never shows; it exists so that every button carries the
// same once-created tool-tip state.
struct CImageButton::ToolTip {
    unsigned style;
    bool active = false;
    int maxTipWidth = 400;
};

CImageButton::CImageButton(QWidget* parent) : QPushButton(parent) {
    // Moves arrive without a pressed mouse button too: hover tracking needs them.
    setMouseTracking(true);
    SetPressOffsetStyle(0, false);
    ResetStateColors(false);
    m_faceColor = m_stateColors[kNormalBackground];
    // Connected before the window connects its own handler, so the button's
    // click handling runs first and the window's handler after it.
    connect(this, &QAbstractButton::clicked, this, &CImageButton::OnClicked);
    // A change of the system colours resets the state colours (face colour
    // and highlight shape stay as they were set).
    SystemColorWatcher::Ensure();
}

CImageButton::~CImageButton() = default;

void CImageButton::SetFaceColor(QColor color) {
    m_faceColor = color;
}

int CImageButton::SetStateColor(std::uint8_t index, QColor color, bool repaint) {
    if (index >= kStateColorCount) {
        return kBadColorIndex;
    }
    m_stateColors[index] = color;
    if (repaint) {
        update();
    }
    return kButtonDone;
}

int CImageButton::ShiftStateColor(std::uint8_t index, std::int16_t offset, bool repaint) {
    if (index >= kStateColorCount) {
        return kBadColorIndex;
    }
    if (offset < -255 || offset > 255) {
        return kBadColorOffset;
    }
    const QColor colour = m_stateColors[index];
    const int channels[] = {colour.red(), colour.green(), colour.blue()};
    // Each channel allows the whole offset or what is left up to its limit;
    // the smallest allowance moves all three, so the shade keeps its hue.
    int shift = offset;
    for (int channel : channels) {
        if (offset > 0) {
            shift = std::min(shift, channel + offset <= 255 ? int{offset} : 255 - channel);
        } else {
            shift = std::max(shift, channel + offset >= 0 ? int{offset} : -channel);
        }
    }
    m_stateColors[index] = QColor(channels[0] + shift, channels[1] + shift, channels[2] + shift);
    if (repaint) {
        update();
    }
    return kButtonDone;
}

int CImageButton::ResetStateColors(bool repaint) {
    m_stateColors[kHoverBackground] = ButtonFace();
    m_stateColors[kHoverText] = ButtonText();
    m_stateColors[kNormalBackground] = ButtonFace();
    m_stateColors[kNormalText] = ButtonText();
    m_stateColors[kFocusBackground] = ButtonFace();
    m_stateColors[kFocusText] = ButtonText();
    if (repaint) {
        update();
    }
    return kButtonDone;
}

int CImageButton::SetPressOffsetStyle(std::uint8_t style, bool repaint) {
    switch (style) {
    case 0:
        m_pressOffsetX = 1;
        m_pressOffsetY = 1;
        break;
    case 1:
        m_pressOffsetX = 0;
        m_pressOffsetY = 2;
        break;
    default:
        return kBadPressOffsetStyle;
    }
    if (repaint) {
        update();
    }
    return kButtonDone;
}

int CImageButton::SetLinkTarget(const QString& target) {
    // The whole address is kept, however long: a cut address would open
    // another page.
    m_linkTarget = target;
    return kButtonDone;
}

int CImageButton::SetCheckState(int check, bool repaint) {
    if (m_bCheckBox) {
        m_checkState = check != 0 ? 1 : 0;
        if (repaint) {
            update();
        }
    }
    return kButtonDone;
}

void CImageButton::CancelHover() {
    if (m_bFlat && m_bHover) {
        m_bHover = false;
        update();
    }
}

void CImageButton::EnsureToolTip() {
    if (!m_toolTip) {
        m_toolTip = std::make_unique<ToolTip>(ToolTip{m_toolTipStyle});
    }
}

void CImageButton::PreSubclassWindow(const fw::ControlTemplate& control, const QWidget&) {
    unsigned style = kStylePushButton;
    if (control.kind == fw::ControlKind::DefPushButton) {
        style = kStyleDefPushButton;
    } else if (control.kind == fw::ControlKind::PushLikeRadio) {
        style = kStyleAutoRadioButton;
    }
    ApplyButtonStyle(style);
}

void CImageButton::ApplyButtonStyle(unsigned style) {
    style &= 0xFF;
    m_buttonType = style & kButtonTypeMask;
    if ((style & kStyleCheckBoxBit) != 0) {
        m_bCheckBox = true;
    }
    if (m_buttonType == kStyleDefPushButton) {
        m_bDefault = true;
        m_buttonType = kStylePushButton;
    }
    // The button draws itself and keeps its own check state (check-box mode):
    // the platform's radio or toggle behaviour of the template control is gone.
    setCheckable(false);
    setAutoExclusive(false);
}

bool CImageButton::event(QEvent* event) {
    EnsureToolTip();
    switch (event->type()) {
    case QEvent::WindowBlocked: // a modal window now takes the mouse
    case QEvent::UngrabMouse: { // a pop-up or another grab took the mouse away
        const bool handled = QPushButton::event(event);
        CancelHover();
        return handled;
    }
    default:
        return QPushButton::event(event);
    }
}

void CImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawItem(painter);
}

void CImageButton::DrawItem(QPainter& painter) {
    // In check-box mode a checked button looks pressed.
    m_bPressed = isDown() || (m_bCheckBox && m_checkState == 1);
    m_bFocused = hasFocus();
    m_bDisabled = !isEnabled();

    QRect itemRect = rect();
    DrawBackground(painter, itemRect);
    DrawBorder(painter, itemRect);

    // The caption is laid out in the whole button, not in a rectangle the
    // background step shrank.
    const QString caption = text();
    QRect captionRect = rect();
    if (!caption.isEmpty()) {
        DrawCaption(painter, caption, rect(), captionRect, m_bPressed, m_bDisabled);
    }

    if ((!m_bFlat || m_bFlatFocus) && m_bFocused) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = itemRect.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

int CImageButton::DrawBackground(QPainter& painter, QRect& rect) {
    if (!m_bFlat && (m_bFocused || m_bDefault)) {
        painter.setPen(QColor(0, 0, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        rect.adjust(1, 1, -1, -1);
    }
    painter.fillRect(rect, m_faceColor);
    return 0;
}

int CImageButton::DrawBorder(QPainter& painter, const QRect& rect) {
    if (!m_bFlat) {
        if (m_bPressed) {
            painter.setPen(ButtonShadow());
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
        } else {
            DrawEdge(painter, rect, Highlight3D(), DarkShadow3D());
            DrawEdge(painter, rect.adjusted(1, 1, -1, -1), Light3D(), ButtonShadow());
        }
        return 0;
    }
    if (m_bHoverBorder) {
        if (m_bPressed) {
            DrawEdge(painter, rect, ButtonShadow(), Highlight3D());
        } else if (m_bHover) {
            DrawEdge(painter, rect, Highlight3D(), ButtonShadow());
        }
    }
    return 0;
}

int CImageButton::DrawCaption(QPainter& painter, const QString& caption, const QRect&,
                              QRect& captionRect, bool pressed, bool disabled) {
    if (pressed && !m_bCheckBox) {
        captionRect.translate(m_pressOffsetX, m_pressOffsetY);
    }
    const QRect frame = captionRect;
    const QSize block = painter.fontMetrics().boundingRect(frame, kCaptionFlags, caption).size();
    // The text block, moved by half the spare room each way (truncated toward
    // zero, so a block wider than the button moves left by half the excess).
    captionRect = QRect(frame.topLeft(), block);
    captionRect.translate((frame.width() - block.width()) / 2,
                          (frame.height() - block.height()) / 2);

    if (disabled) {
        // Embossed: a light copy one pixel down and right under the shadow.
        painter.setPen(Highlight3D());
        painter.drawText(captionRect.translated(1, 1), kCaptionFlags, caption);
        painter.setPen(ButtonShadow());
        painter.drawText(captionRect, kCaptionFlags, caption);
        return 0;
    }

    QColor textColor;
    if (m_bHover || pressed) {
        textColor = m_stateColors[kHoverText];
    } else if (m_bFocused) {
        textColor = m_stateColors[kFocusText];
    } else {
        textColor = m_stateColors[kNormalText];
    }
    painter.setPen(textColor);
    painter.drawText(captionRect, kCaptionFlags, caption);
    return 0;
}

void CImageButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    TrackHover(event->position().toPoint(), QGuiApplication::mouseButtons());
}

void CImageButton::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    TrackHover(event->position().toPoint(), event->buttons());
}

void CImageButton::TrackHover(QPoint point, Qt::MouseButtons buttons) {
    // Dragging onto the button with the left button held does not light it up.
    if (buttons.testFlag(Qt::LeftButton) && !m_bHover) {
        return;
    }
    if (!m_bFlat) {
        return;
    }
    // Moves reach this button while the pointer is over it, or while it holds
    // the mouse after a press on it: a point outside it lies over another window.
    const bool over =
        rect().contains(point) && (m_bTrackAlways || QApplication::activeWindow() != nullptr);
    if (!over) {
        CancelHover();
        return;
    }
    if (!m_bHover) {
        m_bHover = true;
        update();
    }
}

void CImageButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    CancelHover();
}

void CImageButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second click of a double-click is a press like the first.
    mousePressEvent(event);
}

void CImageButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    CancelHover();
}

void CImageButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        CancelHover();
    } else if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        PassFocusOn();
        CancelHover();
    }
}

void CImageButton::PassFocusOn() {
    // A disabled button cannot keep the keyboard: the next tab stop after it
    // in its window gets the focus, or the window itself when there is none.
    // A button without the focus leaves the focus where it is, so disabling
    // it never pulls the caret out of the field being typed in.
    QWidget* parent = parentWidget();
    if (parent == nullptr || window()->focusWidget() != this) {
        return;
    }
    for (QWidget* next = nextInFocusChain(); next != nullptr && next != this;
         next = next->nextInFocusChain()) {
        if (next->parentWidget() == parent && (next->focusPolicy() & Qt::TabFocus) != 0 &&
            next->isEnabled() && next->isVisibleTo(parent)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    parent->setFocus(Qt::OtherFocusReason);
}

void CImageButton::OnClicked() {
    setFocus(Qt::MouseFocusReason);
    if (m_bCheckBox) {
        m_checkState = m_checkState == 0 ? 1 : 0;
        update();
        return;
    }
    if (!m_linkTarget.isEmpty()) {
        ShellOpen(m_linkTarget); // the outcome is not examined
    }
}

} // namespace velmaro
