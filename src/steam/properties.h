#pragma once

// The single-phase properties every region's equation yields, in the units of
// the formulation: T in K, p in MPa, v in m3/kg, h and u in kJ/kg, s, cp and
// cv in kJ/(kg K), w in m/s, (d rho/d p)_T in kg/(m3 MPa).

namespace velmaro::steam {

struct Properties {
    double temperature;
    double pressure;
    double volume;
    double enthalpy;
    double internalEnergy;
    double entropy;
    double cp;
    double cv;
    double speedOfSound;
    double densityByPressure; // (d rho/d p) at constant T
};

} // namespace velmaro::steam
