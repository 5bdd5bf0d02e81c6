#include "cli/cli_error.h"
#include "cli/instrument_commands.h"

#include <string>

namespace velmaro::cli {

void ThrowOnFault(instruments::Fault fault, std::string_view context) {
    using instruments::Fault;
    std::string_view why;
    switch (fault) {
    case Fault::None:
        return;
    case Fault::OutOfRange:
        throw CliError(kExitOutOfRange, std::string(context));
    case Fault::NotFinite:
        why = "a number is too large or not a number";
        break;
    case Fault::EmptyRange:
        why = "the upper range value equals the lower one";
        break;
    case Fault::EmptySignalRange:
        why = "the signal range has equal ends";
        break;
    case Fault::CutOffOutside:
        why = "the low-flow cut-off must lie from 0 up to below 100 %";
        break;
    case Fault::PressureNotPositive:
        why = "the absolute pressure must be above zero";
        break;
    case Fault::TemperatureNotPositive:
        why = "the absolute temperature must be above zero";
        break;
    case Fault::ZNotPositive:
        why = "the compressibility factor Z must be above zero";
        break;
    case Fault::DensityNotPositive:
        why = "the normal density or molar mass must be above zero";
        break;
    }
    throw UsageError(std::string(why));
}

} // namespace velmaro::cli
