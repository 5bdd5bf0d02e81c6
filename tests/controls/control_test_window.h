#pragma once

// A small dialog holding the program's own controls in place of template
// controls, opened the way the program opens its windows.

#include "controls/round_image_button.h"
#include "controls/static_link.h"
#include "framework/app.h"
#include "framework/dialog.h"

#include <QApplication>

#include <array>

namespace velmaro::test {

using fw::ControlKind;

inline constexpr int kFieldId = 10;
inline constexpr int kButtonId = 11;        // "力", a plain push button
inline constexpr int kNextButtonId = 12;    // the tab stop after it
inline constexpr int kDefaultButtonId = 13; // the template's default button
inline constexpr int kRadioButtonId = 14;   // a push-like radio button
inline constexpr int kWrapButtonId = 15;    // a caption wider than the button
inline constexpr int kWebLinkId = 20;       // a link with a text of its own
inline constexpr int kResourceLinkId = 101; // a link whose id has a string resource
inline constexpr int kEmptyLinkId = 22;     // a link without text
inline constexpr int kFrameLinkId = 23;     // a black frame used as a link

inline constexpr fw::ControlTemplate kControls[] = {
    {kFieldId, ControlKind::Edit, "", {4, 4, 40, 12}, fw::kStyleTabStop},
    {kButtonId, ControlKind::PushButton, "力", {4, 20, 21, 16}, fw::kStyleTabStop},
    {kNextButtonId, ControlKind::PushButton, "面积", {28, 20, 21, 16}, fw::kStyleTabStop},
    {kDefaultButtonId, ControlKind::DefPushButton, "确定", {52, 20, 30, 16}, fw::kStyleTabStop},
    {kRadioButtonId,
     ControlKind::PushLikeRadio,
     "热电偶",
     {86, 20, 36, 16},
     fw::kStyleTabStop | fw::kStyleGroup},
    {kWrapButtonId, ControlKind::PushButton, "Heat flow", {4, 40, 24, 26}, fw::kStyleTabStop},
    {kWebLinkId, ControlKind::LinkStatic, "www.example.org", {40, 44, 80, 8}, fw::kStyleGroup},
    {kResourceLinkId, ControlKind::Label, "关于", {40, 56, 40, 8}, fw::kStyleNone},
    {kEmptyLinkId, ControlKind::Label, "", {84, 56, 30, 8}, fw::kStyleNone},
    {kFrameLinkId, ControlKind::BlackFrame, "", {4, 70, 60, 12}, fw::kStyleNone},
};

inline constexpr fw::DialogTemplate kTemplate{900, "控件",          130,      90, "SimSun",
                                              9,   fw::kDialogNone, kControls};

class TestApp : public fw::CWinApp {
public:
    bool InitInstance() override { return false; }
};

class ControlTestWindow : public fw::CDialog {
public:
    ControlTestWindow() : fw::CDialog(kTemplate) {}

    CRoundImageButton m_button;
    CRoundImageButton m_nextButton;
    CImageButton m_defaultButton;
    CImageButton m_radioButton;
    CRoundImageButton m_wrapButton;
    CStaticLink m_webLink;
    CStaticLink m_resourceLink;
    CStaticLink m_emptyLink;
    CStaticLink m_frameLink;

protected:
    bool OnInitDialog() override {
        fw::CDialog::OnInitDialog();
        SubclassDlgItem(kButtonId, m_button);
        SubclassDlgItem(kNextButtonId, m_nextButton);
        SubclassDlgItem(kDefaultButtonId, m_defaultButton);
        SubclassDlgItem(kRadioButtonId, m_radioButton);
        SubclassDlgItem(kWrapButtonId, m_wrapButton);
        SubclassDlgItem(kWebLinkId, m_webLink);
        SubclassDlgItem(kResourceLinkId, m_resourceLink);
        SubclassDlgItem(kEmptyLinkId, m_emptyLink);
        SubclassDlgItem(kFrameLinkId, m_frameLink);
        return true;
    }
};

// The dialog colours of the program and known system colours, so that every
// expected colour can be written down.
inline void UseProgramColors(TestApp& app) {
    app.SetDialogBkColor(QColor(236, 233, 216), QColor(80, 0, 0));
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, QColor(212, 208, 200));
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 0));
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    QApplication::setPalette(palette);
}

} // namespace velmaro::test
