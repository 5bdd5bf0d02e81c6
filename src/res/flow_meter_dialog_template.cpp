#include "res/flow_meter_dialog_template.h"

#include "tools/tools.h"

namespace velmaro::res {

const ToolWindowLayout& FlowMeterWindowLayout() {
    static const ToolWindowLayout kLayout =
        ResultsTableLayout(tools::kFlowMeterTool, {.templateId = IDD_FLOWMETER,
                                                   .closeTextId = "flowmeter.close",
                                                   .firstControlId = IDC_FLOWMETER_MODE,
                                                   .firstResultId = IDC_FLOWMETER_RESULT,
                                                   .resultStride = 40,
                                                   .inputColumns = 2,
                                                   .verdictLines = kFlowMeterVerdictLines,
                                                   .fitCaptions = true});
    return kLayout;
}

} // namespace velmaro::res
