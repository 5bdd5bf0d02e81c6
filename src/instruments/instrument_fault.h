#pragma once

// Why an instrument calculation gave no result. The windows, the command line
// and the page each turn these into their own message; a calculation with a
// fault hands back no number at all, so nothing ever shows NaN or infinity.

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
};

} // namespace velmaro::instruments
