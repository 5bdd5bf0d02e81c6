#pragma once

// The shape of the grid of region-3 densities that starts the density
// search: isotherms every 2.5 K from 623.15 K to 863.15 K (the whole of
// region 3), isobars every 2 MPa from 16 MPa to 100 MPa. Below the critical
// temperature the liquid has rows of its own; the main rows hold the vapour
// there and the one fluid above it.

namespace velmaro::steam::tables {

inline constexpr double kGridT0 = 623.15; // K
inline constexpr double kGridTStep = 2.5; // K
inline constexpr int kGridRows = 97;      // up to 863.15 K
inline constexpr double kGridP0 = 16.0;   // MPa
inline constexpr double kGridPStep = 2.0; // MPa
inline constexpr int kGridColumns = 43;   // up to 100 MPa
// Rows below the critical temperature: 623.15 K ... 645.65 K.
inline constexpr int kGridLiquidRows = 10;

// The state at a node, to six significant digits: it only starts a search.
struct GridState {
    float density;  // kg/m3
    float enthalpy; // kJ/kg
    float entropy;  // kJ/(kg K)
};

} // namespace velmaro::steam::tables
