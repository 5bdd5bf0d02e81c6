#pragma once

// Every linear field group with the size and format it must have, for the
// table-driven tests.

#include "convert/tables/unit_tables.h"
#include "res/texts/texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string_view>

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

// The unit whose label is `name` or starts with it followed by a blank or a
// parenthesis, as the main window's labels carry a gloss ("atm    (标准大气压)").
// Fails the test when no unit or more than one has it (none gives group.size()).
inline std::size_t UnitNamed(const FieldGroup& group, std::string_view name) {
    std::size_t found = group.size();
    for (std::size_t i = 0; i < group.size(); ++i) {
        const std::string_view label = texts::UnitLabel(group, i);
        const std::string_view rest = label.substr(std::min(name.size(), label.size()));
        if (label.starts_with(name) &&
            (rest.empty() || rest[0] == ' ' || rest[0] == '(' || rest.starts_with("（"))) {
            EXPECT_EQ(found, group.size()) << "ambiguous unit " << name;
            found = i;
        }
    }
    EXPECT_NE(found, group.size()) << "no unit " << name << " in " << group.name;
    return found;
}

} // namespace velmaro::testing
