#pragma once

// Δp read from a linear differential-pressure transmitter: the signal on its
// range (4 ... 20 mA, ...) stands for Δp between the range's lower and upper
// values, and the flow at the upper value is the meter's full scale, the
// figure that goes into the control system beside the flow at the signal.

#include "flow/meter.h"
#include "instruments/transmitter.h"

namespace velmaro::flow {

struct DifferentialTransmitter {
    double lowerRange; // Δp at the signal's low end, Pa (0 as a rule)
    double upperRange; // Δp at its high end, Pa: the meter's full scale
    instruments::SignalSpan signal;
};

struct SignalFlow {
    // The signal's Δp (value, Pa), its % of span and whether it lies outside
    // its range, read as instruments::FromSignal reads a linear transmitter.
    instruments::TransmitterReading reading{};
    // The flow at the signal's Δp; Fault::NoSignalReading when the reading
    // has a fault (its own says which), Fault::DifferentialNotPositive at or
    // below a lower range value of 0.
    FlowResult flow;
    // The flow at the upper range value, whatever the signal.
    FlowResult fullScale;
};

SignalFlow FlowFromSignal(const Meter& meter, const FluidState& fluid,
                          const DifferentialTransmitter& transmitter, double signal);

} // namespace velmaro::flow
