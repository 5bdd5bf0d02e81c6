#pragma once

// --list [QUANTITY]: every quantity, or one, with its units as the command
// line names them and as the window labels them.

#include "cli/arguments.h"
#include "cli/output_buffer.h"

namespace velmaro::cli {

void RunList(const Request& request, OutputBuffer& out);

} // namespace velmaro::cli
