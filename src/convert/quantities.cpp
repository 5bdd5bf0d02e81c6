#include "convert/quantities.h"

#include "convert/tables/unit_tables.h"
#include "convert/temperature_scales.h"

#include <algorithm>

namespace velmaro {
namespace {

// clang-format off
constexpr Quantity kQuantities[] = {
    {"pressure",                  &tables::kPressure},
    {"mass-flow",                 &tables::kMassFlow},
    {"volume-flow",               &tables::kVolumeFlow},
    {"temperature",               &kTemperatureGroup},
    {"length",                    &tables::kLength},
    {"area",                      &tables::kArea},
    {"volume",                    &tables::kVolume},
    {"capacity",                  &tables::kCapacity},
    {"mass",                      &tables::kMass},
    {"force",                     &tables::kForce},
    {"speed",                     &tables::kSpeed},
    {"density",                   &tables::kDensity},
    {"energy",                    &tables::kEnergy},
    {"power",                     &tables::kPower},
    {"heat-flux",                 &tables::kHeatFlux},
    {"heat-transfer-coefficient", &tables::kHeatTransferCoef},
    {"thermal-conductivity",      &tables::kThermalConductivity},
    {"dynamic-viscosity",         &tables::kDynamicViscosity},
    {"kinematic-viscosity",       &tables::kKinematicViscosity},
    {"diffusion",                 &tables::kDiffusionCoef},
    {"surface-tension",           &tables::kSurfaceTension},
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

const Quantity* FindQuantity(const FieldGroup& group) {
    const auto* found = std::find_if(std::begin(kQuantities), std::end(kQuantities),
                                     [&group](const Quantity& q) { return q.group == &group; });
    return found == std::end(kQuantities) ? nullptr : found;
}

std::string QuantityTextId(const Quantity& quantity) {
    return "quantity." + std::string(quantity.id);
}

std::string UnitTextId(const Quantity& quantity, std::size_t unit) {
    return "unit." + std::string(quantity.id) + "." +
           std::string(quantity.group->units[unit].symbol);
}

} // namespace velmaro
