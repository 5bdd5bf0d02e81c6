#pragma once

// Transmitter scaling: a signal (mA or V) on its signal range stands for a
// value on the calibrated range from the lower to the upper range value
// (LRV ... URV, in any unit). Linear, the fraction of the signal span is the
// fraction of the value span. With the square root of a differential-pressure
// flow meter the flow fraction is the square root of the signal fraction, and
// a flow below the low-flow cut-off (in % of the flow span) reads as zero.
// A signal outside its range is computed all the same and flagged.

#include "instruments/instrument_fault.h"
#include "instruments/signal_ranges.h"

namespace velmaro::instruments {

inline constexpr double kDefaultCutOffPercent = 1.0;

struct TransmitterSetup {
    double lowerRange; // LRV
    double upperRange; // URV; may lie below LRV for a reverse-acting range
    SignalSpan signal;
    bool squareRoot;
    double cutOffPercent; // square root only: flows below this % read as 0
};

// All three faces of one reading; signal, value and percent are 0 unless
// fault is None.
struct TransmitterReading {
    double signal;
    double value;
    double percent; // of the value span (of the flow span with the square root)
    bool outside;   // the signal lies outside its range
    Fault fault;
};

TransmitterReading FromSignal(const TransmitterSetup& setup, double signal);
TransmitterReading FromValue(const TransmitterSetup& setup, double value);
TransmitterReading FromPercent(const TransmitterSetup& setup, double percent);

} // namespace velmaro::instruments
