#pragma once

// Properties of water and steam by the IAPWS Industrial Formulation 1997,
// from pressure and temperature, on the saturation line, or from pressure and
// enthalpy or entropy. Units: T in K, p in MPa, v in m3/kg, rho in kg/m3,
// h and u in kJ/kg, s, cp and cv in kJ/(kg K), w in m/s.
//
// The formulation holds for 273.15 K <= T <= 1073.15 K at 0 < p <= 100 MPa
// and for 1073.15 K < T <= 2273.15 K at 0 < p <= 50 MPa. A state outside
// that, or any NaN or infinite input, yields no state at all: nothing is
// extrapolated, and no NaN or infinity ever comes out.

#include <optional>

namespace velmaro::steam {

enum class Phase {
    CompressedLiquid, // below the saturation temperature (or above pc, below Tc)
    SaturatedLiquid,
    WetSteam,
    SaturatedVapour,
    SuperheatedVapour, // above the saturation temperature (or above Tc, below pc)
    Supercritical,     // at or above both the critical temperature and pressure
};

struct State {
    int region = 0; // 1, 2, 3, 5; 4 on the saturation line and inside the dome
    Phase phase = Phase::CompressedLiquid;
    double temperature = 0.0;
    double pressure = 0.0;
    double volume = 0.0;
    double density = 0.0;
    double enthalpy = 0.0;
    double internalEnergy = 0.0;
    double entropy = 0.0;
    // Not defined for a mixture of the two phases.
    std::optional<double> cp;
    std::optional<double> cv;
    std::optional<double> speedOfSound;
    // (d rho/d p) at constant T in kg/(m3 MPa).
    std::optional<double> densityByPressure;
    // 0 for saturated liquid, 1 for saturated vapour; empty off the dome.
    std::optional<double> quality;
};

struct Saturation {
    State liquid;
    State vapour;
};

std::optional<State> AtPressureTemperature(double pressure, double temperature);

// From 611.212677 Pa (the pressure at 273.15 K) to the critical pressure.
std::optional<Saturation> SaturationAtPressure(double pressure);
// From 273.15 K to the critical temperature.
std::optional<Saturation> SaturationAtTemperature(double temperature);
// The wet state of quality 0 <= x <= 1 between the two saturated states.
std::optional<State> WetSteam(const Saturation& saturation, double quality);

std::optional<State> AtPressureEnthalpy(double pressure, double enthalpy);
std::optional<State> AtPressureEntropy(double pressure, double entropy);

} // namespace velmaro::steam
