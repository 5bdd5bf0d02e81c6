#pragma once

// The water and steam window: a state from pressure and temperature, from
// pressure and enthalpy or entropy, or on the saturation line, laid out from
// the steam tool and computed anew on every keystroke and every choice of a
// list. It opens on the tool's worked example.

#include "tooldlgs/tool_window.h"

class QWidget;

namespace velmaro {

class CSteamDialog : public CToolWindow {
public:
    explicit CSteamDialog(QWidget* parent = nullptr);
    ~CSteamDialog() override;

protected:
    // Computes the worked example and puts the focus on the first field the
    // chosen mode uses.
    bool OnInitDialog() override;
    // Input fields in black on green, the lists as the main window's.
    std::optional<fw::CtlColor> OnCtlColor(fw::CtlColorKind kind) override;
};

// Opens the window, modal over `parent`.
void RunSteamDialog(QWidget* parent);

// Makes Ctrl+H in `window` open the water and steam window over it.
void AddSteamKey(QWidget& window);

} // namespace velmaro
