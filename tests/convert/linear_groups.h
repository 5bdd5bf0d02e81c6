#pragma once

// Every linear field group with the size and format it must have, for the
// table-driven tests.

#include "convert/tables/unit_tables.h"

#include <cstddef>

namespace velmaro::testing {

struct LinearGroup {
    const char* name;
    const FieldGroup* group;
    std::size_t size;
    FixedFormat format;
};

inline constexpr LinearGroup kLinearGroups[] = {
    {"pressure", &tables::kPressure, 14, kFormat6f},
    {"mass flow", &tables::kMassFlow, 8, kFormat2_6f},
    {"volume flow", &tables::kVolumeFlow, 10, kFormat2_6f},
    {"length", &tables::kLength, 12, kFormat8f},
    {"area", &tables::kArea, 12, kFormat8f},
    {"volume", &tables::kVolume, 8, kFormat8f},
    {"capacity", &tables::kCapacity, 10, kFormat6f},
    {"mass", &tables::kMass, 12, kFormat8f},
    {"force", &tables::kForce, 10, kFormat8f},
    {"speed", &tables::kSpeed, 10, kFormat6f},
    {"density", &tables::kDensity, 12, kFormat6f},
    {"energy", &tables::kEnergy, 12, kFormat8f},
    {"power", &tables::kPower, 12, kFormat8f},
    {"heat-transfer rate", &tables::kHeatFlux, 8, kFormat6f},
    {"heat-transfer coefficient", &tables::kHeatTransferCoef, 6, kFormat6f},
    {"thermal conductivity", &tables::kThermalConductivity, 10, kFormat6f},
    {"dynamic viscosity", &tables::kDynamicViscosity, 12, kFormat8f},
    {"kinematic viscosity", &tables::kKinematicViscosity, 8, kFormat6f},
    {"diffusion coefficient", &tables::kDiffusionCoef, 4, kFormat6f},
    {"surface tension", &tables::kSurfaceTension, 6, kFormat6f},
};

} // namespace velmaro::testing
