#pragma once

// Control ids of template 104, the instrument window. Each tool's controls
// are numbered in its order from its first one, its verdict line last.

namespace velmaro::res {

inline constexpr int IDD_INSTRUMENTS = 104;

// Closes the window.
inline constexpr int IDC_INSTRUMENTS_CLOSE = 2;

// Cold-junction compensation.
inline constexpr int IDC_CJ_TYPE = 1401;
inline constexpr int IDC_CJ_COLD = 1402;
inline constexpr int IDC_CJ_EMF = 1403;
inline constexpr int IDC_CJ_HOT = 1404;
inline constexpr int IDC_CJ_STATUS = 1405;

// Transmitter signals.
inline constexpr int IDC_TX_LRV = 1411;
inline constexpr int IDC_TX_URV = 1412;
inline constexpr int IDC_TX_UNIT = 1413;
inline constexpr int IDC_TX_SIGNAL_RANGE = 1414;
inline constexpr int IDC_TX_CHARACTERISTIC = 1415;
inline constexpr int IDC_TX_CUTOFF = 1416;
inline constexpr int IDC_TX_SIGNAL = 1417;
inline constexpr int IDC_TX_VALUE = 1418;
inline constexpr int IDC_TX_PERCENT = 1419;
inline constexpr int IDC_TX_STATUS = 1420;

// Gas flow at reference conditions.
inline constexpr int IDC_GAS_FLOW_UNIT = 1431;
inline constexpr int IDC_GAS_PRESSURE = 1432;
inline constexpr int IDC_GAS_PRESSURE_UNIT = 1433;
inline constexpr int IDC_GAS_PRESSURE_KIND = 1434;
inline constexpr int IDC_GAS_TEMPERATURE = 1435;
inline constexpr int IDC_GAS_Z = 1436;
inline constexpr int IDC_GAS_Z_REF = 1437;
inline constexpr int IDC_GAS_STANDARD = 1438;
inline constexpr int IDC_GAS_LINE_FLOW = 1439;
inline constexpr int IDC_GAS_NORMAL_FLOW = 1440;
inline constexpr int IDC_GAS_STANDARD_FLOW = 1441;
inline constexpr int IDC_GAS_DENSITY = 1442;
inline constexpr int IDC_GAS_MOLAR_MASS = 1443;
inline constexpr int IDC_GAS_MASS_FLOW = 1444;
inline constexpr int IDC_GAS_STATUS = 1445;

} // namespace velmaro::res
