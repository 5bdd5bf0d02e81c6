#pragma once

// Template 106: the differential-pressure flowmeter window, laid out from the
// flowmeter tool in the results-table style with its inputs in two columns,
// with the control ids its layout gives and the texts that open it.

#include "res/tool_window_layout.h"

#include <string_view>

namespace velmaro::res {

inline constexpr int IDD_FLOWMETER = 106;

// Inputs, in tab order: the meter, the fluid and its state in the left
// column, the fluid's properties and Δp, the flow or the transmitter in the
// right one.
inline constexpr int IDC_FLOWMETER_MODE = 1601;
inline constexpr int IDC_FLOWMETER_DEVICE = 1602;
inline constexpr int IDC_FLOWMETER_TAPS = 1603;
inline constexpr int IDC_FLOWMETER_CONVERGENT = 1604;
inline constexpr int IDC_FLOWMETER_PIPE = 1605;
inline constexpr int IDC_FLOWMETER_PIPE_UNIT = 1606;
inline constexpr int IDC_FLOWMETER_BORE = 1607;
inline constexpr int IDC_FLOWMETER_BORE_UNIT = 1608;
inline constexpr int IDC_FLOWMETER_FLUID = 1609;
inline constexpr int IDC_FLOWMETER_PRESSURE = 1610;
inline constexpr int IDC_FLOWMETER_PRESSURE_UNIT = 1611;
inline constexpr int IDC_FLOWMETER_PRESSURE_KIND = 1612;
inline constexpr int IDC_FLOWMETER_TEMPERATURE = 1613;
inline constexpr int IDC_FLOWMETER_TEMPERATURE_UNIT = 1614;
inline constexpr int IDC_FLOWMETER_Z = 1615;
inline constexpr int IDC_FLOWMETER_Z_REF = 1616;
inline constexpr int IDC_FLOWMETER_KAPPA = 1617;
inline constexpr int IDC_FLOWMETER_VISCOSITY = 1618;
inline constexpr int IDC_FLOWMETER_VISCOSITY_UNIT = 1619;
inline constexpr int IDC_FLOWMETER_DENSITY = 1620;
inline constexpr int IDC_FLOWMETER_MOLAR_MASS = 1621;
inline constexpr int IDC_FLOWMETER_DP = 1622;
inline constexpr int IDC_FLOWMETER_DP_UNIT = 1623;
inline constexpr int IDC_FLOWMETER_MASS_FLOW = 1624;
inline constexpr int IDC_FLOWMETER_MASS_FLOW_UNIT = 1625;
inline constexpr int IDC_FLOWMETER_VOLUME_FLOW = 1626;
inline constexpr int IDC_FLOWMETER_VOLUME_FLOW_UNIT = 1627;
inline constexpr int IDC_FLOWMETER_NORMAL_FLOW = 1628;
inline constexpr int IDC_FLOWMETER_SIGNAL_RANGE = 1629;
inline constexpr int IDC_FLOWMETER_SIGNAL = 1630;
inline constexpr int IDC_FLOWMETER_DP_RANGE_LOW = 1631;
inline constexpr int IDC_FLOWMETER_DP_RANGE_HIGH = 1632;
inline constexpr int IDC_FLOWMETER_DP_RANGE_UNIT = 1633;
inline constexpr int IDC_FLOWMETER_CLOSE = 1634;
// The verdict lines under the results: why there is no result, or each limit
// of use the result breaks.
inline constexpr int IDC_FLOWMETER_STATUS = 1635;
inline constexpr int kFlowMeterVerdictLines = 4;
// The results: output r is IDC_FLOWMETER_RESULT + r (from 1).
inline constexpr int IDC_FLOWMETER_RESULT = 1700;

const ToolWindowLayout& FlowMeterWindowLayout();

} // namespace velmaro::res
