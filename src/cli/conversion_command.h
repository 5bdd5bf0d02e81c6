#pragma once

// VALUE UNIT [TARGET]: a value in every other unit of its quantity, or in
// one, with the digits the window's fields show.

#include "cli/arguments.h"
#include "cli/output_buffer.h"

#include <istream>

namespace velmaro::cli {

void RunConversion(const Request& request, std::istream& in, OutputBuffer& out);

} // namespace velmaro::cli
