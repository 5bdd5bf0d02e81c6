#pragma once

// The saturation line and the boundary equations between regions. Plain
// formulas: the callers keep the arguments within each equation's range.

namespace velmaro::steam {

// Saturation pressure in MPa at 273.15 K <= T <= 647.096 K.
double SaturationPressure(double temperature);
// Saturation temperature in K at 611.213 Pa <= p <= 22.064 MPa.
double SaturationTemperature(double pressure);

// The boundary between regions 2 and 3, 623.15 K ... 863.15 K.
double B23Pressure(double temperature);
double B23Temperature(double pressure);

// The boundary between subregions 2b and 2c of the backward equations.
double B2bcPressure(double enthalpy);
double B2bcEnthalpy(double pressure);

} // namespace velmaro::steam
