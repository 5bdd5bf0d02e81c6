#pragma once

// Data exchange between a window's controls and its members. One exchange
// always covers every bound control of the window; while it runs, the window
// ignores notifications from its own controls.

#include <QString>

class QWidget;

namespace velmaro::fw {

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog& dialog, bool saveAndValidate)
        : m_dialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CDialog& dialog() const { return m_dialog; }

private:
    CDialog& m_dialog;

public:
    // true: controls to members (read); false: members to controls (write).
    const bool m_bSaveAndValidate;
};

// Texts longer than this are always written back, even when unchanged.
inline constexpr int kExchangeCompareLimit = 255;

// Edit text <-> string. Writing leaves the control untouched when its text
// already equals the value, so the field being typed in keeps its caret and
// selection; a value longer than kExchangeCompareLimit is always written.
void DDX_Text(CDataExchange* dx, int controlId, QString& value);

// Index of the checked button of the radio group starting at `firstId`
// (-1 when none is checked) <-> int.
void DDX_Radio(CDataExchange* dx, int firstId, int& value);

// Puts `control` in the place of the template's control `controlId` the first
// time it is exchanged: same geometry, text, font, tab and drawing position.
// From then on the window's control with that id is `control`. A control
// object implementing CSubclassedControl is told what it replaces.
void DDX_Control(CDataExchange* dx, int controlId, QWidget& control);

} // namespace velmaro::fw
