#pragma once

// Gas volume flow between two states of pressure, temperature and
// compressibility: Q2 = Q1 * (p1 / p2) * (T2 / T1) * (Z2 / Z1), the real-gas
// law at equal mass flow. The flow's unit is whatever the caller uses: the
// relation is a pure ratio.

#include "instruments/instrument_fault.h"
#include "instruments/reference_conditions.h"

namespace velmaro::instruments {

// Normal density of air, kg/Nm³.
inline constexpr double kAirNormalDensity = 1.293;

// Molar gas constant, J/(mol K) (exact since the 2019 SI).
inline constexpr double kMolarGasConstant = 8.314462618;

struct GasState {
    double pascals; // absolute
    double kelvin;
    double z; // compressibility factor
};

struct GasResult {
    double value; // 0 unless fault is None
    Fault fault;
};

// The reference state with compressibility `z`.
GasState ReferenceState(Reference reference, double z);

// Absolute pressure from a reading that is gauge (above one standard
// atmosphere) or already absolute.
double AbsolutePressure(double reading, bool gauge);

// `flow` at state `from` restated at state `to`. A pressure, temperature or Z
// of zero or less is a fault, as is any input or result that is not finite.
GasResult RestateFlow(double flow, const GasState& from, const GasState& to);

// Mass flow (kg per the flow's time unit) from a flow in normal cubic metres
// and the normal density in kg/Nm³.
GasResult MassFlow(double normalFlow, double normalDensity);

// Normal density in kg/Nm³ of a gas of molar mass `kgPerKmol` (g/mol) with
// compressibility `zNormal` at normal conditions: p M / (Z R T).
GasResult NormalDensity(double kgPerKmol, double zNormal);

} // namespace velmaro::instruments
