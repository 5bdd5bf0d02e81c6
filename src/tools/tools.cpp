#include "tools/tools.h"

#include <array>

namespace velmaro::tools {

std::span<const Tool* const> AllTools() {
    static constexpr std::array<const Tool*, 5> kTools = {
        &kSteamTool, &kColdJunctionTool, &kTransmitterTool, &kGasFlowTool, &kFlowMeterTool};
    return kTools;
}

const Tool* FindTool(std::string_view id) {
    for (const Tool* tool : AllTools()) {
        if (tool->id == id) {
            return tool;
        }
    }
    return nullptr;
}

} // namespace velmaro::tools
