#pragma once

// --sensor TYPE with --temperature, --emf or --resistance: what the sensor
// panel shows in its output field, or in its °C field after a value was
// typed into the output field.

#include "cli/arguments.h"
#include "cli/output_buffer.h"
#include "cli/value_source.h"

namespace velmaro::cli {

// A value outside the type's range is refused with exit status 3 and prints
// nothing (in --json, its object with a null value and the error); the other
// values go on.
void RunSensor(const Request& request, ValueInput& in, OutputBuffer& out);

} // namespace velmaro::cli
