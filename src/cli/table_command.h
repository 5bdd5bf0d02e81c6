#pragma once

// --table TYPE [--from T1] [--to T2] [--step S] [--csv]: a reference table of
// a sensor type, by default over its whole temperature range; --table steam
// [--by temperature|pressure] --from A --to B --step C [--csv]: the
// saturated-steam table. With --json, the rows of the --csv table as
// objects keyed by its heading.

#include "cli/arguments.h"
#include "cli/output_buffer.h"

namespace velmaro::cli {

// Refuses a range outside the type's own (or off the saturation line) with
// exit status 3, and a reversed range, a step below 0.000001 or a table of
// over a million rows as a usage error. Nothing is printed unless the whole
// table is.
void RunTable(const Request& request, OutputBuffer& out);

} // namespace velmaro::cli
