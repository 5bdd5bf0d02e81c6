#include "tooldlgs/instrument_messages.h"

#include "res/instrument_texts.h"

namespace velmaro {

std::string_view FaultMessage(instruments::Fault fault) {
    using instruments::Fault;
    switch (fault) {
    case Fault::None:
        return {};
    case Fault::OutOfRange:
        return res::kOutOfRange;
    case Fault::NotFinite:
        return res::kNotFinite;
    case Fault::EmptyRange:
    case Fault::EmptySignalRange:
        return res::kEmptyRange;
    case Fault::CutOffOutside:
        return res::kCutOffOutside;
    case Fault::PressureNotPositive:
        return res::kPressureNotPositive;
    case Fault::TemperatureNotPositive:
        return res::kTemperatureNotPositive;
    case Fault::ZNotPositive:
        return res::kZNotPositive;
    case Fault::DensityNotPositive:
        return res::kDensityNotPositive;
    }
    return {};
}

} // namespace velmaro
