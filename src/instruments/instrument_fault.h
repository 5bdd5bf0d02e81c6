#pragma once

// Why an instrument calculation gave no result. The windows, the command line
// and the page each turn these into their own message; a calculation with a
// fault hands back no number at all, so nothing ever shows NaN or infinity.

#include <string_view>

namespace velmaro::instruments {

enum class Fault {
    None,
    OutOfRange,             // a temperature or EMF outside the thermocouple type's range
    NotFinite,              // an input, or the result, is not a finite number
    EmptyRange,             // upper range value equal to the lower one
    EmptySignalRange,       // signal range with equal ends
    CutOffOutside,          // low-flow cut-off outside 0 ... 100 % (100 excluded)
    PressureNotPositive,    // an absolute pressure of zero or less
    TemperatureNotPositive, // an absolute temperature of zero or less
    ZNotPositive,           // a compressibility factor of zero or less
    DensityNotPositive,     // a normal density or molar mass of zero or less
    NoLineState,            // a flow at line conditions without the line's p and T
};

// The last fault, for the faces' compile-time check that each has its text.
inline constexpr Fault kLastFault = Fault::NoLineState;

// The id of the text that the window and the page show for `fault` ("" for
// None); the texts live with the program's other texts.
constexpr std::string_view FaultTextId(Fault fault) {
    switch (fault) {
    case Fault::None:
        return "";
    case Fault::OutOfRange:
        return "instrument.out-of-range";
    case Fault::NotFinite:
        return "instrument.not-finite";
    case Fault::EmptyRange:
    case Fault::EmptySignalRange:
        return "instrument.empty-range";
    case Fault::CutOffOutside:
        return "instrument.cut-off-outside";
    case Fault::PressureNotPositive:
        return "instrument.pressure-not-positive";
    case Fault::TemperatureNotPositive:
        return "instrument.temperature-not-positive";
    case Fault::ZNotPositive:
        return "instrument.z-not-positive";
    case Fault::DensityNotPositive:
        return "instrument.density-not-positive";
    case Fault::NoLineState:
        return "instrument.gas.no-line-state";
    }
    return "";
}

} // namespace velmaro::instruments
