#pragma once

// Where the units of the core's catalogue meet the windows' controls: the
// control that shows each unit of the main window's four field groups. The
// category dialogs name theirs in their rows of the category table
// (res/category_table.h). Nowhere else does a unit meet its control.

#include "convert/field_group.h"
#include "convert/tables/unit_tables.h"
#include "convert/temperature_scales.h"

#include <span>

namespace velmaro::res {

// The unit fields of one field group in a window: one control per unit of the
// group, in the order of the group's units.
struct UnitControls {
    const FieldGroup* group;
    std::span<const int> controlIds;
};

namespace controls {

// clang-format off
inline constexpr int kPressureIds[] = {
    1066, // Pa
    1068, // Torr
    1018, // bar
    1020, // psi
    1017, // mbar
    1064, // MPa
    1065, // kPa
    1019, // mmHg
    1022, // mmH2O
    1021, // inHg
    1023, // inH2O
    1016, // atm
    1069, // lb/ft2
    1067, // kg/cm2
};

inline constexpr int kMassFlowIds[] = {
    1032, // kg/h
    1033, // kg/s
    1034, // t/h
    1035, // t/d
    1036, // t/a
    1037, // lb/s
    1038, // lb/h
    1039, // lb/d
};

inline constexpr int kVolumeFlowIds[] = {
    1048, // l/min
    1049, // l/s
    1042, // bbl/d
    1045, // m3/h
    1046, // m3/min
    1047, // m3/s
    1040, // ft3/min
    1041, // ft3/s
    1043, // gal(US)/min
    1044, // gal(UK)/min
};

inline constexpr int kTemperatureIds[] = {
    1070, // °C
    1071, // °F
    1072, // K
    1073, // R
};
// clang-format on

} // namespace controls

// The temperature fields, which have a handler each.
inline constexpr int kCelsiusFieldId = controls::kTemperatureIds[0];
inline constexpr int kFahrenheitFieldId = controls::kTemperatureIds[1];
inline constexpr int kKelvinFieldId = controls::kTemperatureIds[2];
inline constexpr int kRankineFieldId = controls::kTemperatureIds[3];

inline constexpr UnitControls kPressureFields{&tables::kPressure, controls::kPressureIds};
inline constexpr UnitControls kMassFlowFields{&tables::kMassFlow, controls::kMassFlowIds};
inline constexpr UnitControls kVolumeFlowFields{&tables::kVolumeFlow, controls::kVolumeFlowIds};
inline constexpr UnitControls kTemperatureFields{&kTemperatureGroup, controls::kTemperatureIds};

} // namespace velmaro::res
