#include "convert/quantities.h"

#include "convert/tables/unit_tables.h"
#include "convert/temperature_scales.h"

#include <algorithm>

namespace velmaro {
namespace {

// The category captions are those of the main window's category buttons.
// clang-format off
constexpr Quantity kQuantities[] = {
    {"pressure",                  "压力",     &tables::kPressure},
    {"mass-flow",                 "质量流量", &tables::kMassFlow},
    {"volume-flow",               "体积流量", &tables::kVolumeFlow},
    {"temperature",               "温度",     &kTemperatureGroup},
    {"length",                    "长度",     &tables::kLength},
    {"area",                      "面积",     &tables::kArea},
    {"volume",                    "体积",     &tables::kVolume},
    {"capacity",                  "容积",     &tables::kCapacity},
    {"mass",                      "质量",     &tables::kMass},
    {"force",                     "力",       &tables::kForce},
    {"speed",                     "速度",     &tables::kSpeed},
    {"density",                   "密度",     &tables::kDensity},
    {"energy",                    "能量",     &tables::kEnergy},
    {"power",                     "功率",     &tables::kPower},
    {"heat-flux",                 "传热速度", &tables::kHeatFlux},
    {"heat-transfer-coefficient", "传热系数", &tables::kHeatTransferCoef},
    {"thermal-conductivity",      "导热系数", &tables::kThermalConductivity},
    {"dynamic-viscosity",         "动力粘度", &tables::kDynamicViscosity},
    {"kinematic-viscosity",       "运动粘度", &tables::kKinematicViscosity},
    {"diffusion",                 "扩散系数", &tables::kDiffusionCoef},
    {"surface-tension",           "表面张力", &tables::kSurfaceTension},
};
// clang-format on

} // namespace

std::span<const Quantity> Quantities() {
    return kQuantities;
}

const Quantity* FindQuantity(std::string_view id) {
    const auto* found = std::find_if(std::begin(kQuantities), std::end(kQuantities),
                                     [id](const Quantity& q) { return q.id == id; });
    return found == std::end(kQuantities) ? nullptr : found;
}

} // namespace velmaro
