#pragma once

// Template 104: the instrument window with its three tools side by side,
// cold-junction compensation, transmitter signals and gas flow at reference
// conditions, laid out from the tools in the tool-columns style.

#include "res/instrument_ids.h"
#include "res/tool_window_layout.h"

namespace velmaro::res {

const ToolWindowLayout& InstrumentWindowLayout();

} // namespace velmaro::res
