#include "res/steam_dialog_template.h"

#include "tools/tools.h"

namespace velmaro::res {

const ToolWindowLayout& SteamWindowLayout() {
    static const ToolWindowLayout kLayout =
        ResultsTableLayout(tools::kSteamTool, {IDD_STEAM, "steam.close", IDC_STEAM_MODE,
                                               IDC_STEAM_RESULT, kSteamRowStride});
    return kLayout;
}

} // namespace velmaro::res
