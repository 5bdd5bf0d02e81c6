#include "flow/transmitter_link.h"

namespace velmaro::flow {

SignalFlow FlowFromSignal(const Meter& meter, const FluidState& fluid,
                          const DifferentialTransmitter& transmitter, double signal) {
    const instruments::TransmitterSetup setup{transmitter.lowerRange, transmitter.upperRange,
                                              transmitter.signal, false, 0.0};
    SignalFlow result{};
    result.reading = instruments::FromSignal(setup, signal);
    if (result.reading.fault == instruments::Fault::None) {
        result.flow = FlowFromDifferential(meter, fluid, result.reading.value);
    } else {
        result.flow.fault = Fault::NoSignalReading;
    }
    result.fullScale = FlowFromDifferential(meter, fluid, transmitter.upperRange);
    return result;
}

} // namespace velmaro::flow
