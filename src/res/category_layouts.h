#pragma once

// The layout data of the 17 category dialog templates: for each dialog its
// template id, title, size and field group, and for each unit field its column,
// its row counted from the top and its place in the tab order. The templates
// are built from this data; it holds no window code.

#include "convert/field_group.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace velmaro::res {

// Two-column dialogs place fields Left or Right; the diffusion-coefficient and
// surface-tension dialogs have a Single column.
enum class Column { Left, Right, Single };

struct FieldPlace {
    int controlId;
    Column column;
    int row;         // 1 = top row of its column
    int tabPosition; // 1 = first in the tab order, the field focused on opening
};

struct CategoryLayout {
    int templateId;
    std::string_view title; // window title, repeated by the caption text (UTF-8)
    int width;              // dialog units
    int height;             // dialog units
    const FieldGroup* group;
    // One place per unit field, in the order of the group's units.
    std::span<const FieldPlace> fields;
};

extern const CategoryLayout kLengthLayout;              // template 129
extern const CategoryLayout kAreaLayout;                // template 130
extern const CategoryLayout kVolumeLayout;              // template 131
extern const CategoryLayout kCapacityLayout;            // template 132
extern const CategoryLayout kMassLayout;                // template 133
extern const CategoryLayout kDensityLayout;             // template 136
extern const CategoryLayout kSpeedLayout;               // template 138
extern const CategoryLayout kForceLayout;               // template 139
extern const CategoryLayout kEnergyLayout;              // template 140
extern const CategoryLayout kPowerLayout;               // template 141
extern const CategoryLayout kHeatFluxLayout;            // template 146
extern const CategoryLayout kHeatTransferCoefLayout;    // template 147
extern const CategoryLayout kThermalConductivityLayout; // template 148
extern const CategoryLayout kDynamicViscosityLayout;    // template 144
extern const CategoryLayout kKinematicViscosityLayout;  // template 145
extern const CategoryLayout kDiffusionCoefLayout;       // template 149
extern const CategoryLayout kSurfaceTensionLayout;      // template 150

inline constexpr std::size_t kCategoryDialogCount = 17;

// Every category dialog, in the order of the list above.
extern const std::array<const CategoryLayout*, kCategoryDialogCount> kCategoryLayouts;

} // namespace velmaro::res
