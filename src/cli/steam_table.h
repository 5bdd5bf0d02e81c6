#pragma once

// The saturated-steam table of --table steam.

#include "cli/output_buffer.h"
#include "cli/steam_options.h"

namespace velmaro::cli {

// By temperature (°C) or by pressure (MPa) from `from` to `to` by `step`:
// T, p, v', v'', h', h'', the latent heat r = h'' - h', s', s''. The rows are
// chosen by their printed temperature (two decimals) or pressure (six), as
// the reference tables' are (PrintedRows): the last is `to` when a step
// reaches it, and a step below one unit of the last decimal is refused
// (status 2). A row off the saturation line stops the run with exit status 3
// before anything is printed.
void RunSteamTable(const SteamRequest& request, OutputBuffer& out);

} // namespace velmaro::cli
