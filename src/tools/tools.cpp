#include "tools/tools.h"

#include <array>

namespace velmaro::tools {

// A new tool: its file <tool>_tool.cpp (found by the build) defines it, and
// it joins the list here; a tool no face names by itself is declared here
// too (extern const Tool kNewTool;) rather than in tools.h. Each face then
// shows it from its declaration.

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
