#pragma once

// Template 105: the water and steam window, laid out from the steam tool in
// the results-table style, with the control ids its layout gives.

#include "res/tool_window_layout.h"

namespace velmaro::res {

inline constexpr int IDD_STEAM = 105;

// Inputs, in tab order.
inline constexpr int IDC_STEAM_MODE = 1401;
inline constexpr int IDC_STEAM_PRESSURE = 1402;
inline constexpr int IDC_STEAM_PRESSURE_UNIT = 1403;
inline constexpr int IDC_STEAM_PRESSURE_KIND = 1404;
inline constexpr int IDC_STEAM_AMBIENT = 1405;
inline constexpr int IDC_STEAM_TEMPERATURE = 1406;
inline constexpr int IDC_STEAM_TEMPERATURE_UNIT = 1407;
inline constexpr int IDC_STEAM_ENTHALPY = 1408;
inline constexpr int IDC_STEAM_ENTROPY = 1409;
inline constexpr int IDC_STEAM_QUALITY = 1410;
inline constexpr int IDC_STEAM_CLOSE = 1411;
// The verdict under the results.
inline constexpr int IDC_STEAM_STATUS = 1412;
// Result columns: a heading, then one value per output of the tool. Column
// c's row r is IDC_STEAM_RESULT + c * kSteamRowStride + r; row 0 is the
// heading.
inline constexpr int IDC_STEAM_RESULT = 1500;
inline constexpr int kSteamRowStride = 40;

const ToolWindowLayout& SteamWindowLayout();

} // namespace velmaro::res
