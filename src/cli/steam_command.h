#pragma once

// --steam and --table steam: water and steam properties on the command line.
// Their options are their own, so they are read apart from the converter's.

#include "cli/output_buffer.h"

#include <span>
#include <string_view>

namespace velmaro::cli {

// Whether the arguments ask for steam: --steam, or --table steam.
bool IsSteamRequest(std::span<const std::string_view> args);

// A state outside the formulation stops the run with exit status 3.
void RunSteam(std::span<const std::string_view> args, OutputBuffer& out);

} // namespace velmaro::cli
