#pragma once

// Every tool of the program, in the order the faces list them.

#include "tools/tool.h"

#include <span>
#include <string_view>

namespace velmaro::tools {

// The tools a face names itself (a window of its own, a column of the
// instrument window); every tool, these and the others, is in AllTools().
extern const Tool kSteamTool;
extern const Tool kColdJunctionTool;
extern const Tool kTransmitterTool;
extern const Tool kGasFlowTool;
extern const Tool kFlowMeterTool;

std::span<const Tool* const> AllTools();

// The tool named `id`, or nullptr.
const Tool* FindTool(std::string_view id);

} // namespace velmaro::tools
