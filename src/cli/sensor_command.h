#pragma once

// --sensor TYPE with --temperature, --emf or --resistance: what the sensor
// panel shows in its output field, or in its °C field after a value was
// typed into the output field.

#include "cli/arguments.h"
#include "cli/output_buffer.h"

#include <istream>

namespace velmaro::cli {

// A value outside the type's range stops the run with exit status 3; the
// lines of the values before it stay printed.
void RunSensor(const Request& request, std::istream& in, OutputBuffer& out);

} // namespace velmaro::cli
