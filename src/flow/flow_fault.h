#pragma once

// Why a flowmeter sum gave no result. A sum with a fault hands back no number
// at all, so nothing ever shows NaN or infinity; the windows, the command line
// and the page show the text named beside each fault.

#include <string_view>

namespace velmaro::flow {

enum class Fault {
    None,
    NotFinite,                 // an input, or a result, is not a finite number
    PipeNotPositive,           // D of zero or less
    BoreNotPositive,           // d of zero or less
    BoreNotBelowPipe,          // d at least D
    DifferentialNotPositive,   // a given Δp of zero or less
    DifferentialNotBelowInlet, // Δp at least p1: p2 would be zero or less
    MassFlowNotPositive,       // a given flow of zero or less
    PressureNotPositive,       // an absolute pressure of zero or less
    TemperatureNotPositive,    // an absolute temperature of zero or less
    DensityNotPositive,        // a density (line or normal) of zero or less
    MolarMassNotPositive,      // a molar mass of zero or less
    ViscosityNotPositive,      // a dynamic viscosity of zero or less
    ZNotPositive,              // a compressibility factor of zero or less
    KappaNotAboveOne,          // an isentropic exponent of one or less
    OutsideWaterSteam,         // p and T lie outside IF97's range
    FlowBeyondInlet,           // no Δp below p1 passes this flow
    FlowBeyondPipe,            // only a bore as wide as the pipe passes this flow
    NoNormalDensity,           // a flow at normal conditions for a fluid without a normal density
    NoDischargeCoefficient,    // the equation gives no C > 0 this far below its Reynolds range
    NoSignalReading,           // the transmitter's ranges or signal give no Δp
    UnknownDevice,             // a device kind, tapping or convergent not in the lists
};

// The id of the text shown for `fault` ("" for None); the texts live with the
// program's other texts.
constexpr std::string_view FaultTextId(Fault fault) {
    switch (fault) {
    case Fault::None:
        return "";
    case Fault::NotFinite:
        return "flowmeter.fault.not-finite";
    case Fault::PipeNotPositive:
        return "flowmeter.fault.pipe-not-positive";
    case Fault::BoreNotPositive:
        return "flowmeter.fault.bore-not-positive";
    case Fault::BoreNotBelowPipe:
        return "flowmeter.fault.bore-not-below-pipe";
    case Fault::DifferentialNotPositive:
        return "flowmeter.fault.dp-not-positive";
    case Fault::DifferentialNotBelowInlet:
        return "flowmeter.fault.dp-not-below-p1";
    case Fault::MassFlowNotPositive:
        return "flowmeter.fault.flow-not-positive";
    case Fault::PressureNotPositive:
        return "flowmeter.fault.pressure-not-positive";
    case Fault::TemperatureNotPositive:
        return "flowmeter.fault.temperature-not-positive";
    case Fault::DensityNotPositive:
        return "flowmeter.fault.density-not-positive";
    case Fault::MolarMassNotPositive:
        return "flowmeter.fault.molar-mass-not-positive";
    case Fault::ViscosityNotPositive:
        return "flowmeter.fault.viscosity-not-positive";
    case Fault::ZNotPositive:
        return "flowmeter.fault.z-not-positive";
    case Fault::KappaNotAboveOne:
        return "flowmeter.fault.kappa-not-above-one";
    case Fault::OutsideWaterSteam:
        return "flowmeter.fault.outside-water-steam";
    case Fault::FlowBeyondInlet:
        return "flowmeter.fault.flow-beyond-p1";
    case Fault::FlowBeyondPipe:
        return "flowmeter.fault.flow-beyond-pipe";
    case Fault::NoNormalDensity:
        return "flowmeter.fault.no-normal-density";
    case Fault::NoDischargeCoefficient:
        return "flowmeter.fault.no-discharge-coefficient";
    case Fault::NoSignalReading:
        return "flowmeter.fault.no-signal-reading";
    case Fault::UnknownDevice:
        return "flowmeter.fault.unknown-device";
    }
    return "";
}

// The last fault, for the faces' compile-time check that each has its text.
inline constexpr Fault kLastFault = Fault::UnknownDevice;

constexpr bool EveryFaultHasATextId() {
    for (int f = static_cast<int>(Fault::NotFinite); f <= static_cast<int>(kLastFault); ++f) {
        if (!FaultTextId(static_cast<Fault>(f)).starts_with("flowmeter.fault.")) {
            return false;
        }
    }
    return true;
}
static_assert(EveryFaultHasATextId());

} // namespace velmaro::flow
