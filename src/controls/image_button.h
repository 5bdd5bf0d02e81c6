#pragma once

// A flat push button drawn by the program itself: a face in its own colour,
// a caption centred and word-wrapped in the colour of its state (resting,
// focused, hovered or pressed), hover tracking, an optional link target and
// an optional check-box mode.

#include "framework/subclassed_control.h"

#include <QColor>
#include <QPushButton>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class QPainter;

namespace velmaro {

// Slots of the six state colours. The three background slots are set for the
// caption but, as the caption is drawn without a background, only the hover
// background shows (as the fill of the round button's highlight panel).
enum StateColorSlot : std::uint8_t {
    kHoverBackground = 0,
    kHoverText = 1,
    kNormalBackground = 2,
    kNormalText = 3,
    kFocusBackground = 4,
    kFocusText = 5,
};
inline constexpr int kStateColorCount = 6;

// Result codes of the setters. A rejected call changes and repaints nothing.
inline constexpr int kButtonDone = 0;
inline constexpr int kBadColorIndex = 3;
inline constexpr int kBadColorOffset = 5;
inline constexpr int kBadPressOffsetStyle = 6;

// Low five style bits of a button as its template kind gives them.
inline constexpr unsigned kButtonTypeMask = 0x1F;
inline constexpr unsigned kStylePushButton = 0x00;
inline constexpr unsigned kStyleDefPushButton = 0x01;
inline constexpr unsigned kStyleCheckBoxBit = 0x02;
inline constexpr unsigned kStyleAutoRadioButton = 0x09;

class CImageButton : public QPushButton, public fw::CSubclassedControl {
    Q_OBJECT

public:
    explicit CImageButton(QWidget* parent = nullptr);
    ~CImageButton() override;

    // Colour of the resting face. No repaint.
    void SetFaceColor(QColor color);
    int SetStateColor(std::uint8_t index, QColor color, bool repaint = true);
    // Brightens (positive offset) or darkens (negative) the slot by moving all
    // three channels by the same amount, as far as the channel nearest its
    // limit allows, so the hue stays and no channel leaves 0..255.
    int ShiftStateColor(std::uint8_t index, std::int16_t offset, bool repaint = true);
    // Background slots to the system button face, text slots to the system
    // button text.
    int ResetStateColors(bool repaint = true);
    // Shift of the caption while pressed: style 0 (1, 1), style 1 (0, 2).
    int SetPressOffsetStyle(std::uint8_t style, bool repaint = true);
    // Address opened on a click; an empty text clears it.
    int SetLinkTarget(const QString& target = {});
    // Check-box mode only: 1 when `check` is not 0, else 0.
    int SetCheckState(int check, bool repaint = true);
    int GetCheckState() const { return m_checkState; }
    // Leaves the hover state and repaints.
    void CancelHover();
    // Creates the (inactive) tool-tip once.
    void EnsureToolTip();

    QColor StateColor(std::uint8_t index) const { return m_stateColors.at(index); }
    QColor FaceColor() const { return m_faceColor; }
    bool IsHovered() const { return m_bHover; }
    bool IsCheckBox() const { return m_bCheckBox; }
    bool IsDefault() const { return m_bDefault; }
    QString LinkTarget() const { return m_linkTarget; }
    QPoint PressOffset() const { return {m_pressOffsetX, m_pressOffsetY}; }

    // Reads the template control's button kind: a default push button makes
    // this the default button, a check-box kind switches check-box mode on.
    void PreSubclassWindow(const fw::ControlTemplate& control, const QWidget& original) override;
    // The style rule itself, on the low bits of a button style.
    void ApplyButtonStyle(unsigned style);

protected:
    // Drawing steps, in the order a paint runs them. DrawBackground may
    // shrink the rectangle for the steps after it. The results are ignored.
    virtual int DrawBackground(QPainter& painter, QRect& rect);
    virtual int DrawBorder(QPainter& painter, const QRect& rect);
    virtual int DrawCaption(QPainter& painter, const QString& caption, const QRect& itemRect,
                            QRect& captionRect, bool pressed, bool disabled);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

    int m_pressOffsetX = 1;
    int m_pressOffsetY = 1;
    QColor m_faceColor;
    bool m_bFlat = true;        // hover tracking on, no raised border
    bool m_bHover = false;      // the mouse is over the button
    bool m_bPressed = false;    // refreshed at every paint
    bool m_bFocused = false;    // refreshed at every paint
    bool m_bDisabled = false;   // refreshed at every paint
    bool m_bDefault = false;    // the dialog's default push button
    bool m_bCheckBox = false;   // a click toggles the check state
    bool m_bHoverBorder = true; // flat: thin 3D edge while hovered or pressed
    bool m_bFlatFocus = false;  // focus rectangle even when flat
    std::array<QColor, kStateColorCount> m_stateColors;
    bool m_bTrackAlways = true; // hover even when no window of the program is active
    int m_checkState = 0;
    unsigned m_buttonType = kButtonTypeMask; // low five style bits found at subclassing
    unsigned m_toolTipStyle = 0;
    QString m_linkTarget;

private:
    struct ToolTip;

    void DrawItem(QPainter& painter);
    void TrackHover(QPoint point, Qt::MouseButtons buttons);
    void PassFocusOn();
    void OnClicked();

    std::unique_ptr<ToolTip> m_toolTip;
};

} // namespace velmaro
