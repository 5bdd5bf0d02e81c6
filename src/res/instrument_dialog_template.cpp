#include "res/instrument_dialog_template.h"

#include "tools/tools.h"

#include <array>

namespace velmaro::res {

const ToolWindowLayout& InstrumentWindowLayout() {
    static constexpr std::array<ToolColumn, 3> kColumns = {{
        {&tools::kColdJunctionTool, IDC_CJ_TYPE},
        {&tools::kTransmitterTool, IDC_TX_LRV},
        {&tools::kGasFlowTool, IDC_GAS_FLOW_UNIT},
    }};
    // A caption bar with the close box, a fixed frame, no minimise box and no
    // task-bar button of its own: it belongs to the window it was opened over.
    static const ToolWindowLayout kLayout = ToolColumnsLayout(
        {IDD_INSTRUMENTS, "instrument.title", "instrument.close", IDC_INSTRUMENTS_CLOSE, kColumns});
    return kLayout;
}

} // namespace velmaro::res
