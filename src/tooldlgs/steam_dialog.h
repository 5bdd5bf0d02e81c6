#pragma once

// The water and steam window: a state from pressure and temperature, from
// pressure and enthalpy or entropy, or on the saturation line, computed anew
// on every keystroke and every choice of a list.

#include "framework/dialog.h"
#include "framework/notification.h"

#include <QString>

class QWidget;

namespace velmaro::steam {
struct State;
} // namespace velmaro::steam

namespace velmaro {

class CSteamDialog : public fw::CDialog {
public:
    explicit CSteamDialog(QWidget* parent = nullptr);
    ~CSteamDialog() override;

    // Any input changed: the results are computed again.
    void OnChangeInput();
    void OnClose();

    // The text of result row `row` (1 = region) in `column` (0 ... 2).
    QString ResultText(int column, int row) const;

protected:
    // Fills the lists, writes the default ambient pressure, names every
    // field after its label and puts the focus on the pressure field.
    bool OnInitDialog() override;
    void OnNotify(int controlId, fw::Notify code) override;
    // Input fields in black on green, the lists as the main window's.
    std::optional<fw::CtlColor> OnCtlColor(fw::CtlColorKind kind) override;

private:
    void EnableInputs(int mode);
    void SetResult(int column, int row, const QString& text);
    void ClearResults();
    // Writes one state's region, phase and properties into `column`.
    void ShowState(int column, const steam::State& state);
};

// Opens the window, modal over `parent`.
void RunSteamDialog(QWidget* parent);

// Makes Ctrl+H in `window` open the water and steam window over it.
void AddSteamKey(QWidget& window);

} // namespace velmaro
