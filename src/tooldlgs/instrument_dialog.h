#pragma once

// The instrument window: cold-junction compensation, transmitter signals and
// gas flow at reference conditions, side by side, laid out from the three
// tools. Every field recomputes its tool's other fields on each
// keystroke; a tool whose input has no answer empties its results and says
// why on the line under its fields.

#include "tooldlgs/tool_window.h"

namespace velmaro {

class CInstrumentDialog : public CToolWindow {
public:
    // Made without a parent, the modal run puts it over the main window; the
    // help window passes itself so that this window comes up on top of it.
    explicit CInstrumentDialog(QWidget* parent = nullptr);
    ~CInstrumentDialog() override;

protected:
    // Fields in black on green, as in every converting window.
    std::optional<fw::CtlColor> OnCtlColor(fw::CtlColorKind kind) override;
};

// Makes Ctrl+I in `window` open the instrument window over it.
void AddInstrumentKey(QWidget& window);

// Opens the instrument window modally over `parent` (none: over the main
// window) and returns when it closes.
void RunInstrumentDialog(QWidget* parent);

} // namespace velmaro
