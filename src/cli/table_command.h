#pragma once

// --table TYPE [--from T1] [--to T2] [--step S] [--csv]: a reference table of
// a sensor type, by default over its whole temperature range.

#include "cli/arguments.h"
#include "cli/output_buffer.h"

namespace velmaro::cli {

// Refuses a range outside the type's own with exit status 3, and a reversed
// range, a step below 0.000001 or a table of over a million rows as a
// usage error. Nothing is printed unless the whole table is.
void RunTable(const Request& request, OutputBuffer& out);

} // namespace velmaro::cli
