#pragma once

// The differential-pressure flowmeter window (flowmeter.title): an orifice
// plate, a nozzle or a Venturi tube in water, steam, a gas or a liquid, laid
// out from the flowmeter tool and computed anew on every keystroke and every
// choice of a list. The mode says what is solved for: what it computes shows
// read-only in the fields, the rest of the results in the table, and each
// limit of use the result breaks on a verdict line of its own.

#include "tooldlgs/results_table_window.h"

class QWidget;

namespace velmaro {

class CFlowMeterDialog : public CResultsTableWindow {
public:
    explicit CFlowMeterDialog(QWidget* parent = nullptr);
    ~CFlowMeterDialog() override;
};

// Opens the window, modal over `parent`.
void RunFlowMeterDialog(QWidget* parent);

// Makes Ctrl+L in `window` open the flowmeter window over it.
void AddFlowMeterKey(QWidget& window);

} // namespace velmaro
