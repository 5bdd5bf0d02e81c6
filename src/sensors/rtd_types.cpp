#include "sensors/rtd_types.h"

#include <array>

namespace velmaro::sensors {
namespace {

// Types in list order; ranges are closed. The list's texts are the
// resources' (text ids "sensor.type.Pt100" and so on).
// Resistance limits are the resistances at the range ends cut to two or three
// decimals, so Pt100 at 850 °C (390.481125 Ω) is itself refused. The one
// exception is Cu100's upper limit 163.84 Ω, the resistance at about 149 °C:
// 163.84 ... 164.27 Ω are refused although 150 °C gives 164.27 Ω. Pt1000 and
// Pt500 follow the Pt100 rule: 3904.81125 and 1952.405625 Ω are refused.
constexpr std::array<RtdInfo, kRtdTypeCount> kRtds = {{
    {RTD_PT100, "RTD_PT100", "Pt100", {-200.0, 850.0}, {18.52, 390.48}},
    {RTD_PT10, "RTD_PT10", "Pt10", {-200.0, 850.0}, {1.852, 39.048}},
    {RTD_CU100, "RTD_CU100", "Cu100", {-50.0, 150.0}, {78.48, 163.84}},
    {RTD_CU50, "RTD_CU50", "Cu50", {-50.0, 150.0}, {39.242, 82.134}},
    {RTD_PT1000, "RTD_PT1000", "Pt1000", {-200.0, 850.0}, {185.2, 3904.81}},
    {RTD_PT500, "RTD_PT500", "Pt500", {-200.0, 850.0}, {92.6, 1952.4}},
}};

} // namespace

std::span<const RtdInfo, kRtdTypeCount> RtdTypes() {
    return kRtds;
}

} // namespace velmaro::sensors
