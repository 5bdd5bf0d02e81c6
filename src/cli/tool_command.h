#pragma once

// A tool on the command line: its request computed once, or once per line
// of standard input, and printed.
//
// Plain output is one line per result, "name value unit" as the windows show
// the value (its unit and decimals); a result without a name prints as
// "value unit", and so does every result --print names. Results in several
// columns (the saturated liquid and vapour) print each column under its id,
// indented. With --json, one object per value: the lists chosen by their
// ids, the inputs given and the results, numbers in each field's compute
// unit under keys that name it ("p_MPa"), null for a result not computed,
// and the columns as objects of their own; advice that does not stop the
// results (a flowmeter's broken limits of use) prints after them, in JSON
// under the tool's keys ("within_limits", "limits") or "notes".
//
// Refused input is status 2 and an input outside what the formulas hold, or a
// result that is no finite number, status 3; nothing is printed for either
// but the --json object with "error" and "status". A note beside results
// that stand (a signal outside its range) prints the results, then exits
// with status 3.

#include "cli/output_buffer.h"
#include "cli/tool_options.h"
#include "cli/value_source.h"

namespace velmaro::cli {

void RunTool(const ToolRequest& request, ValueInput& in, OutputBuffer& out);

} // namespace velmaro::cli
