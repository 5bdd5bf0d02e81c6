#pragma once

// An instrument calculation's fault as a tool's fault: its text, and refused
// input (status 2) or a value out of range (status 3).

#include "instruments/instrument_fault.h"
#include "tools/tool.h"

namespace velmaro::tools {

constexpr Fault FaultOf(instruments::Fault fault) {
    using instruments::Fault;
    switch (fault) {
    case Fault::None:
        return {};
    case Fault::OutOfRange:
    case Fault::NotFinite:
        return {instruments::FaultTextId(fault), Severity::OutOfRange};
    default:
        return {instruments::FaultTextId(fault), Severity::Refused};
    }
}

} // namespace velmaro::tools
