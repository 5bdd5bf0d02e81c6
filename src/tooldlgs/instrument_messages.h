#pragma once

// What the instrument window says on a tool's verdict line.

#include "instruments/instrument_fault.h"

#include <string_view>

namespace velmaro {

// The message for `fault`; empty for None.
std::string_view FaultMessage(instruments::Fault fault);

} // namespace velmaro
