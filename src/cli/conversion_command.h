#pragma once

// VALUE UNIT [TARGET]: a value in every other unit of its quantity, or in
// one, with the digits the window's fields show.

#include "cli/arguments.h"
#include "cli/output_buffer.h"
#include "cli/value_source.h"

namespace velmaro::cli {

void RunConversion(const Request& request, ValueInput& in, OutputBuffer& out);

} // namespace velmaro::cli
