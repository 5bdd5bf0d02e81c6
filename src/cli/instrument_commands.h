#pragma once

// The three instrument sums of the command line. Each prints its result (plain
// or --json) or refuses the input: status 2 for input that has no answer,
// status 3 for a temperature or EMF outside the thermocouple type's range. A
// transmitter signal outside its signal range is printed all the same, then
// reported with status 3.

#include "cli/instrument_arguments.h"
#include "cli/output_buffer.h"
#include "instruments/instrument_fault.h"

#include <string_view>

namespace velmaro::cli {

void RunColdJunction(const InstrumentRequest& request, OutputBuffer& out);
void RunTransmitter(const InstrumentRequest& request, OutputBuffer& out);
void RunGasFlow(const InstrumentRequest& request, OutputBuffer& out);

inline void RunInstrument(const InstrumentRequest& request, OutputBuffer& out) {
    switch (request.tool) {
    case InstrumentTool::ColdJunction:
        RunColdJunction(request, out);
        break;
    case InstrumentTool::Transmitter:
        RunTransmitter(request, out);
        break;
    case InstrumentTool::GasFlow:
        RunGasFlow(request, out);
        break;
    }
}

// Refuses with the message and status of `fault`, unless it is None.
void ThrowOnFault(instruments::Fault fault, std::string_view context);

} // namespace velmaro::cli
