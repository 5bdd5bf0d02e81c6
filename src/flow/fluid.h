#pragma once

// The fluid at the upstream pressure tapping, as the flowmeter sums take it,
// and the three ways to obtain it: water and steam from p and T by IF97, a
// gas from its line state and its normal density or molar mass, and a liquid
// from its density and viscosity. SI units throughout: Pa (absolute), K,
// kg/m³, Pa·s.

#include "flow/flow_fault.h"

#include <optional>

namespace velmaro::flow {

struct FluidState {
    double pressure = 0.0;  // p1, absolute
    double density = 0.0;   // rho1
    double viscosity = 0.0; // mu, dynamic
    double kappa = 0.0;     // isentropic exponent; not read for a liquid
    bool liquid = false;    // incompressible: epsilon = 1
    // At normal conditions (0 °C, 101.325 kPa), for a gas: gives the volume
    // flow at normal conditions.
    std::optional<double> normalDensity;
};

struct FluidResult {
    FluidState state; // all zero unless fault is None
    Fault fault = Fault::None;
};

// A liquid of known density and viscosity at upstream pressure `pressure`.
FluidResult Liquid(double pressure, double density, double viscosity);

struct GasInput {
    double pressure;    // absolute
    double temperature; // K
    double z;           // compressibility factor at line conditions
    double kappa;
    double viscosity;
    bool fromMolarMass;   // else the normal density is given
    double normalDensity; // kg/m³ at normal conditions, when given
    double molarMass;     // g/mol, when the normal density comes from it
    double zNormal;       // compressibility factor at normal conditions
};

// rho1 = rho_n (p / p_n) (T_n / T) (Z_n / Z), with rho_n = p_n M / (Z_n R T_n)
// when it comes from the molar mass.
FluidResult Gas(const GasInput& gas);

// Water or steam at p and T by IF97, its viscosity by IAPWS 2008
// (steam/transport.h). Liquid water is incompressible for the sums
// (epsilon = 1); for steam kappa = rho w² / p, the real-fluid isentropic
// exponent. A state outside IF97, or one the viscosity has no value for
// (above 1173.15 K), is Fault::OutsideWaterSteam.
FluidResult WaterSteam(double pressure, double temperature);

// What is wrong with a fluid state made by hand: a pressure, density or
// viscosity of zero or less, kappa of one or less (a gas or steam), or a
// number that is not finite. Fault::None when it can be used.
Fault CheckFluid(const FluidState& fluid);

// How a flow is given.
enum class FlowBasis : unsigned {
    Mass,         // kg/s
    Volume,       // m³/s at upstream conditions
    NormalVolume, // m³/s at normal conditions; a fluid with a normal density only
};

struct MassFlowResult {
    double value; // kg/s; 0 unless fault is None
    Fault fault;
};

// The mass flow of `flow` given on `basis` in `fluid`. Zero or less is
// Fault::MassFlowNotPositive; a normal volume flow of a fluid without a
// normal density is Fault::NoNormalDensity.
MassFlowResult MassFlowOf(const FluidState& fluid, FlowBasis basis, double flow);

} // namespace velmaro::flow
