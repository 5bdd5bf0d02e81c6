#include "instruments/transmitter.h"

#include <cmath>

namespace velmaro::instruments {
namespace {

Fault SetupFault(const TransmitterSetup& setup) {
    const SignalSpan& s = setup.signal;
    if (!std::isfinite(setup.lowerRange) || !std::isfinite(setup.upperRange) ||
        !std::isfinite(s.low) || !std::isfinite(s.high) || !std::isfinite(setup.cutOffPercent)) {
        return Fault::NotFinite;
    }
    if (setup.upperRange == setup.lowerRange) {
        return Fault::EmptyRange;
    }
    if (s.high == s.low) {
        return Fault::EmptySignalRange;
    }
    if (setup.squareRoot && (setup.cutOffPercent < 0.0 || setup.cutOffPercent >= 100.0)) {
        return Fault::CutOffOutside;
    }
    return Fault::None;
}

// Builds the reading from the fraction of the signal span and the fraction of
// the value span, which the caller has related.
TransmitterReading Reading(const TransmitterSetup& setup, double signalFraction,
                           double valueFraction) {
    const SignalSpan& s = setup.signal;
    const TransmitterReading reading{
        s.low + signalFraction * (s.high - s.low),
        setup.lowerRange + valueFraction * (setup.upperRange - setup.lowerRange),
        valueFraction * 100.0,
        signalFraction < 0.0 || signalFraction > 1.0,
        Fault::None,
    };
    if (!std::isfinite(reading.signal) || !std::isfinite(reading.value) ||
        !std::isfinite(reading.percent)) {
        return {0.0, 0.0, 0.0, false, Fault::NotFinite};
    }
    return reading;
}

// Value fraction to signal fraction: the square of the flow fraction, its sign
// kept so that a flow below zero still maps below the signal range.
double SignalFractionOf(const TransmitterSetup& setup, double valueFraction) {
    return setup.squareRoot ? valueFraction * std::fabs(valueFraction) : valueFraction;
}

TransmitterReading FromValueFraction(const TransmitterSetup& setup, double fraction) {
    if (const Fault fault = SetupFault(setup); fault != Fault::None) {
        return {0.0, 0.0, 0.0, false, fault};
    }
    if (!std::isfinite(fraction)) {
        return {0.0, 0.0, 0.0, false, Fault::NotFinite};
    }
    return Reading(setup, SignalFractionOf(setup, fraction), fraction);
}

} // namespace

TransmitterReading FromSignal(const TransmitterSetup& setup, double signal) {
    if (const Fault fault = SetupFault(setup); fault != Fault::None) {
        return {0.0, 0.0, 0.0, false, fault};
    }
    if (!std::isfinite(signal)) {
        return {0.0, 0.0, 0.0, false, Fault::NotFinite};
    }
    const double signalFraction =
        (signal - setup.signal.low) / (setup.signal.high - setup.signal.low);
    double valueFraction = signalFraction;
    if (setup.squareRoot) {
        // Below the live zero there is no flow; sqrt would give NaN.
        valueFraction = signalFraction > 0.0 ? std::sqrt(signalFraction) : 0.0;
        if (valueFraction * 100.0 < setup.cutOffPercent) {
            valueFraction = 0.0;
        }
    }
    TransmitterReading reading = Reading(setup, signalFraction, valueFraction);
    if (reading.fault == Fault::None) {
        reading.signal = signal; // as given, not recomputed through the fraction
    }
    return reading;
}

TransmitterReading FromValue(const TransmitterSetup& setup, double value) {
    TransmitterReading reading = FromValueFraction(
        setup, (value - setup.lowerRange) / (setup.upperRange - setup.lowerRange));
    if (reading.fault == Fault::None) {
        reading.value = value;
    }
    return reading;
}

TransmitterReading FromPercent(const TransmitterSetup& setup, double percent) {
    TransmitterReading reading = FromValueFraction(setup, percent / 100.0);
    if (reading.fault == Fault::None) {
        reading.percent = percent;
    }
    return reading;
}

} // namespace velmaro::instruments
