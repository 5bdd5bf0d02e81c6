#include "tools/tools.h"

#include <array>

namespace velmaro::tools {

std::span<const Tool* const> AllTools() {
    static constexpr std::array<const Tool*, 4> kTools = {&kSteamTool, &kColdJunctionTool,
                                                          &kTransmitterTool, &kGasFlowTool};
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
