#pragma once

// The help window: what each window converts, how numbers are typed, how the
// results are computed and which standards the sensor panel follows, with a
// button to the About box. F1 opens it, modal over the window it was pressed
// in; Enter, Escape and the close box close it.

#include "framework/dialog.h"
#include "framework/notification.h"

class QWidget;

namespace velmaro {

class CHelpWindow : public fw::CDialog {
public:
    explicit CHelpWindow(QWidget* parent = nullptr);
    ~CHelpWindow() override;

    // The close button.
    void OnClose();
    // The About button: the About box, modal over this window.
    void OnAbout();
    // The instrument button: the instrument window, modal over this window.
    void OnInstruments();
    // The water and steam button: that window, modal over this one.
    void OnSteam();
    // The flowmeter button: that window, modal over this one.
    void OnFlowMeter();

protected:
    // Captions the About button with the About command's text (string 101).
    bool OnInitDialog() override;
    void OnNotify(int controlId, fw::Notify code) override;
};

// Makes F1 in `window` open the help window over it.
void AddHelpKey(QWidget& window);

} // namespace velmaro
