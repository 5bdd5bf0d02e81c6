#pragma once

// A window of one tool in the results-table style (res::ResultsTableLayout):
// the inputs in rows over a table of results. It opens on the tool's worked
// example with the focus in the first field the chosen mode uses, its fields
// in black on green and its lists as the main window's.

#include "tooldlgs/tool_window.h"

class QWidget;

namespace velmaro {

class CResultsTableWindow : public CToolWindow {
public:
    CResultsTableWindow(const res::ToolWindowLayout& layout, QWidget* parent);
    ~CResultsTableWindow() override;

protected:
    bool OnInitDialog() override;
    std::optional<fw::CtlColor> OnCtlColor(fw::CtlColorKind kind) override;
};

} // namespace velmaro
