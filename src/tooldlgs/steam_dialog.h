#pragma once

// The water and steam window: a state from pressure and temperature, from
// pressure and enthalpy or entropy, or on the saturation line, laid out from
// the steam tool and computed anew on every keystroke and every choice of a
// list. It opens on the tool's worked example.

#include "tooldlgs/results_table_window.h"

class QWidget;

namespace velmaro {

class CSteamDialog : public CResultsTableWindow {
public:
    explicit CSteamDialog(QWidget* parent = nullptr);
    ~CSteamDialog() override;
};

// Opens the window, modal over `parent`.
void RunSteamDialog(QWidget* parent);

// Makes Ctrl+H in `window` open the water and steam window over it.
void AddSteamKey(QWidget& window);

} // namespace velmaro
