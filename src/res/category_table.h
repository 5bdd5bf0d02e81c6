#pragma once

// The one table of the 17 category dialogs. A row holds all there is to a
// category: the main window's button that opens it (id, place and look), the
// dialog (template id, title, size), its factor table and where each unit
// field sits. Everything else is derived from here: the button rows of the
// main window's template, its message map and routes, the buttons' looks, the
// dialog templates and the dialog classes (one alias per row in
// categories/category_dialogs.h). The button's caption is the quantity's own,
// from the core's catalogue (convert/quantities.h).
//
// A new category takes one row here (with its field places) and its factor
// table in convert/tables/.

#include "convert/tables/unit_tables.h"
#include "res/category_layouts.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmaro::res {

// Field places of each dialog: column, row and tab position of every unit
// field, in the order of the group's units.
namespace fields {

// CLengthDlg: length.
inline constexpr FieldPlace kLengthFields[] = {
    // control id, column, row, tab position
    {1014, Column::Left, 1, 3},   // km
    {1015, Column::Left, 2, 4},   // m
    {1016, Column::Left, 3, 7},   // dm
    {1017, Column::Left, 4, 12},  // cm
    {1018, Column::Left, 5, 9},   // mm
    {1019, Column::Left, 6, 10},  // μm
    {1020, Column::Right, 1, 1},  // in
    {1021, Column::Right, 2, 6},  // ft
    {1022, Column::Right, 3, 2},  // yd
    {1023, Column::Right, 4, 8},  // mile
    {1024, Column::Right, 5, 11}, // n mile
    {1025, Column::Right, 6, 5},  // lb
};

// CAreaDlg: area.
inline constexpr FieldPlace kAreaFields[] = {
    // control id, column, row, tab position
    {1026, Column::Left, 1, 1},   // km2
    {1027, Column::Left, 2, 2},   // hm2
    {1028, Column::Left, 3, 3},   // m2
    {1029, Column::Left, 4, 4},   // dm2
    {1030, Column::Left, 5, 5},   // cm2
    {1031, Column::Left, 6, 6},   // mm2
    {1032, Column::Right, 1, 7},  // in2
    {1033, Column::Right, 2, 8},  // ft2
    {1034, Column::Right, 3, 9},  // yd2
    {1035, Column::Right, 4, 10}, // Acer
    {1036, Column::Right, 5, 11}, // chi2
    {1037, Column::Right, 6, 12}, // mu
};

// CVolumeDlg: volume.
inline constexpr FieldPlace kVolumeFields[] = {
    // control id, column, row, tab position
    {1038, Column::Left, 1, 1},  // m3
    {1039, Column::Left, 2, 2},  // dm3
    {1040, Column::Left, 3, 3},  // cm3
    {1041, Column::Left, 4, 4},  // mm3
    {1042, Column::Right, 1, 5}, // in3
    {1043, Column::Right, 2, 6}, // ft3
    {1044, Column::Right, 3, 7}, // yd3
    {1045, Column::Right, 4, 8}, // chi3
};

// CCapacityDlg: capacity.
inline constexpr FieldPlace kCapacityFields[] = {
    // control id, column, row, tab position
    {1038, Column::Left, 1, 1},   // m3
    {1046, Column::Left, 2, 2},   // kl,kL
    {1047, Column::Left, 3, 3},   // I,L
    {1048, Column::Left, 4, 4},   // ml
    {1042, Column::Left, 5, 5},   // in3
    {1043, Column::Right, 1, 6},  // ft3
    {1049, Column::Right, 2, 7},  // gal(US)
    {1050, Column::Right, 3, 8},  // gal(Uk)
    {1051, Column::Right, 4, 9},  // bbl(US)
    {1052, Column::Right, 5, 10}, // bbl(UK)
};

// CMassDlg: mass.
inline constexpr FieldPlace kMassFields[] = {
    // control id, column, row, tab position
    {1167, Column::Left, 1, 1},   // t
    {1168, Column::Left, 2, 2},   // Mg
    {1169, Column::Left, 3, 3},   // Kg
    {1105, Column::Left, 4, 4},   // g
    {1170, Column::Left, 5, 5},   // mg
    {1171, Column::Left, 6, 6},   // μg
    {1109, Column::Right, 1, 7},  // gr
    {1172, Column::Right, 2, 8},  // oz
    {1025, Column::Right, 3, 9},  // lb
    {1173, Column::Right, 4, 10}, // short t(US)
    {1174, Column::Right, 5, 11}, // long t(UK)
    {1144, Column::Right, 6, 12}, // jin
};

// CDensityDlg: density.
inline constexpr FieldPlace kDensityFields[] = {
    // control id, column, row, tab position
    {1113, Column::Left, 1, 1},   // kg/m3
    {1114, Column::Left, 2, 2},   // kg/dm3
    {1115, Column::Left, 3, 3},   // g/ml
    {1124, Column::Left, 4, 4},   // g/cm3
    {1116, Column::Left, 5, 5},   // g/m3
    {1117, Column::Left, 6, 6},   // Mg/m3
    {1118, Column::Right, 1, 7},  // t/m3
    {1119, Column::Right, 2, 8},  // lb/in3
    {1120, Column::Right, 3, 9},  // lb/ft3
    {1121, Column::Right, 4, 10}, // lb/gal[US]
    {1122, Column::Right, 5, 11}, // lb/gal[UK]
    {1123, Column::Right, 6, 12}, // t[UK]/yd3
};

// CSpeedDlg: speed.
inline constexpr FieldPlace kSpeedFields[] = {
    // control id, column, row, tab position
    {1175, Column::Left, 1, 1},   // m/s
    {1176, Column::Left, 2, 2},   // m/min
    {1177, Column::Left, 3, 3},   // m/h
    {1178, Column::Left, 4, 4},   // km/h
    {1179, Column::Left, 5, 5},   // ft/s
    {1180, Column::Right, 1, 6},  // ft/min
    {1181, Column::Right, 2, 7},  // yd/s
    {1182, Column::Right, 3, 8},  // mile/h
    {1183, Column::Right, 4, 9},  // n mile/h
    {1106, Column::Right, 5, 10}, // kn
};

// CForceDlg: force.
inline constexpr FieldPlace kForceFields[] = {
    // control id, column, row, tab position
    {1104, Column::Left, 1, 1},   // kgf
    {1105, Column::Left, 2, 2},   // g
    {1106, Column::Left, 3, 3},   // kN
    {1107, Column::Left, 4, 4},   // N
    {1108, Column::Left, 5, 5},   // dyn
    {1109, Column::Right, 1, 6},  // gr
    {1110, Column::Right, 2, 7},  // pdl
    {1025, Column::Right, 3, 8},  // lb
    {1111, Column::Right, 4, 9},  // short t(US)
    {1112, Column::Right, 5, 10}, // long t(UK)
};

// CEnergyDlg: energy.
inline constexpr FieldPlace kEnergyFields[] = {
    // control id, column, row, tab position
    {1143, Column::Left, 1, 1},   // mJ
    {1144, Column::Left, 2, 2},   // J
    {1145, Column::Left, 3, 3},   // kJ
    {1146, Column::Left, 4, 4},   // MJ
    {1147, Column::Left, 5, 5},   // kcal
    {1148, Column::Left, 6, 6},   // BTU
    {1149, Column::Right, 1, 7},  // Kw.h
    {1150, Column::Right, 2, 8},  // Hp.h
    {1151, Column::Right, 3, 9},  // kg.m
    {1152, Column::Right, 4, 10}, // ft.lb
    {1153, Column::Right, 5, 11}, // I.atm
    {1154, Column::Right, 6, 12}, // ft.pdl
};

// CPowerDlg: power.
inline constexpr FieldPlace kPowerFields[] = {
    // control id, column, row, tab position
    {1155, Column::Left, 1, 1},   // mW
    {1156, Column::Left, 2, 2},   // W
    {1157, Column::Left, 3, 3},   // kW
    {1158, Column::Left, 4, 4},   // MW
    {1159, Column::Left, 5, 5},   // kg.m/s
    {1160, Column::Left, 6, 6},   // kcal/h
    {1161, Column::Right, 1, 7},  // ft.lb/s
    {1166, Column::Right, 2, 8},  // HP
    {1165, Column::Right, 3, 9},  // BTU/min
    {1164, Column::Right, 4, 10}, // BTU/h
    {1163, Column::Right, 5, 11}, // erg/s
    {1162, Column::Right, 6, 12}, // J/s
};

// CHeatFluxDlg: heat-transfer rate.
inline constexpr FieldPlace kHeatFluxFields[] = {
    // control id, column, row, tab position
    {1135, Column::Left, 1, 1},  // W/(cm2)
    {1136, Column::Left, 2, 2},  // kW/(m2)
    {1137, Column::Left, 3, 3},  // cal/(cm2.s)
    {1138, Column::Left, 4, 4},  // cal/(cm2.h)
    {1139, Column::Right, 1, 5}, // kcal/(m2.s)
    {1140, Column::Right, 2, 6}, // kcal/(m2.h)
    {1141, Column::Right, 3, 7}, // BTU/(ft2.s)
    {1142, Column::Right, 4, 8}, // BTU/(ft2.h)
};

// CHeatTransferCoefDlg: heat-transfer coefficient.
inline constexpr FieldPlace kHeatTransferCoefFields[] = {
    // control id, column, row, tab position
    {1125, Column::Left, 1, 1},  // W/(m2.℃)
    {1126, Column::Left, 2, 2},  // W/(cm2.℃)
    {1127, Column::Left, 3, 3},  // kcal/(m2.s.℃)
    {1128, Column::Right, 1, 4}, // kcal/(m2.h.℃)
    {1129, Column::Right, 2, 5}, // BTU/(ft2.s.°F)
    {1130, Column::Right, 3, 6}, // BTU/(ft2.h.°F)
};

// CThermalConductivityDlg: thermal conductivity.
inline constexpr FieldPlace kThermalConductivityFields[] = {
    // control id, column, row, tab position
    {1081, Column::Left, 1, 1},   // W(m.K)
    {1082, Column::Left, 2, 2},   // W(cm.K)
    {1083, Column::Left, 3, 3},   // kcal/(cm.s.K)
    {1084, Column::Left, 4, 4},   // kcal/(cm.h.K)
    {1085, Column::Left, 5, 5},   // kcal/(m.s.K)
    {1086, Column::Right, 1, 6},  // kcal/(m.h.K)
    {1087, Column::Right, 2, 7},  // BTU/(in.s.°F)
    {1088, Column::Right, 3, 8},  // BTU/(in.h.°F)
    {1089, Column::Right, 4, 9},  // BTU/(ft.s.°F)
    {1090, Column::Right, 5, 10}, // BTU/(ft.h.°F)
};

// CDynamicViscosityDlg: dynamic viscosity.
inline constexpr FieldPlace kDynamicViscosityFields[] = {
    // control id, column, row, tab position
    {1190, Column::Left, 1, 1},   // mPa.s
    {1191, Column::Left, 2, 2},   // Pa.s
    {1192, Column::Left, 3, 3},   // cP
    {1193, Column::Left, 4, 4},   // P
    {1159, Column::Left, 5, 5},   // kg/(m.s)
    {1195, Column::Left, 6, 6},   // kg/(m.h)
    {1196, Column::Right, 1, 7},  // lb/(ft.s)
    {1197, Column::Right, 2, 8},  // lb/(ft.h)
    {1198, Column::Right, 3, 9},  // dyn.s/cm2
    {1199, Column::Right, 4, 10}, // kgf.s/m2
    {1200, Column::Right, 5, 11}, // lb.s/ft2
    {1201, Column::Right, 6, 12}, // lb.h/ft2
};

// CKinematicViscosityDlg: kinematic viscosity.
inline constexpr FieldPlace kKinematicViscosityFields[] = {
    // control id, column, row, tab position
    {1202, Column::Left, 1, 1},  // cSt
    {1203, Column::Left, 2, 2},  // St
    {1204, Column::Left, 3, 3},  // mm2/s
    {1205, Column::Left, 4, 4},  // cm2/s
    {1206, Column::Right, 1, 5}, // m2/s
    {1207, Column::Right, 2, 6}, // m2/h
    {1208, Column::Right, 3, 7}, // ft2/s
    {1209, Column::Right, 4, 8}, // ft2/h
};

// CDiffusionCoefDlg: diffusion coefficient.
inline constexpr FieldPlace kDiffusionCoefFields[] = {
    // control id, column, row, tab position
    {1131, Column::Single, 1, 1}, // cm2/s
    {1132, Column::Single, 2, 2}, // m2/h
    {1133, Column::Single, 3, 3}, // in2/s
    {1134, Column::Single, 4, 4}, // ft2/h
};

// CSurfaceTensionDlg: surface tension.
inline constexpr FieldPlace kSurfaceTensionFields[] = {
    // control id, column, row, tab position
    {1184, Column::Single, 1, 1}, // N/m
    {1185, Column::Single, 2, 2}, // mN/m
    {1186, Column::Single, 3, 3}, // g/cm
    {1187, Column::Single, 4, 4}, // kg/m
    {1188, Column::Single, 5, 5}, // dyn/cm
    {1189, Column::Single, 6, 6}, // lb/ft
};

} // namespace fields

// In the order of the dialog templates. Buttons: control id, rectangle in
// template 102 (dialog units), hover brightening. Dialogs: template id, title
// (its text id), width and height (dialog units), factor table, field places.
// clang-format off
inline constexpr Category kCategories[] = {
    {1057, {125, 313, 21, 16}, 30, {129, "category.length",                    183, 153, &tables::kLength,              fields::kLengthFields}},              // CLengthDlg
    {1053, {37, 313, 21, 16},  0,  {130, "category.area",                      186, 144, &tables::kArea,                fields::kAreaFields}},                // CAreaDlg
    {1055, {81, 313, 21, 16},  30, {131, "category.volume",                    173, 117, &tables::kVolume,              fields::kVolumeFields}},              // CVolumeDlg
    {1054, {59, 313, 21, 16},  30, {132, "category.capacity",                  170, 136, &tables::kCapacity,            fields::kCapacityFields}},            // CCapacityDlg
    {1092, {147, 313, 21, 16}, 30, {133, "category.mass",                      193, 149, &tables::kMass,                fields::kMassFields}},                // CMassDlg
    {1056, {103, 313, 21, 16}, 30, {136, "category.density",                   211, 144, &tables::kDensity,             fields::kDensityFields}},             // CDensityDlg
    {1098, {169, 313, 21, 16}, 30, {138, "category.speed",                     185, 145, &tables::kSpeed,               fields::kSpeedFields}},               // CSpeedDlg
    {1100, {15, 313, 21, 16},  30, {139, "category.force",                     183, 144, &tables::kForce,               fields::kForceFields}},               // CForceDlg
    {1101, {191, 313, 21, 16}, 30, {140, "category.energy",                    181, 144, &tables::kEnergy,              fields::kEnergyFields}},              // CEnergyDlg
    {1102, {213, 313, 21, 16}, 30, {141, "category.power",                     193, 153, &tables::kPower,               fields::kPowerFields}},               // CPowerDlg
    {1095, {383, 313, 36, 16}, 30, {146, "category.heat-flux",                 218, 144, &tables::kHeatFlux,            fields::kHeatFluxFields}},            // CHeatFluxDlg
    {1096, {235, 313, 36, 16}, 30, {147, "category.heat-transfer-coefficient", 246, 110, &tables::kHeatTransferCoef,    fields::kHeatTransferCoefFields}},    // CHeatTransferCoefDlg
    {1091, {272, 313, 36, 16}, 30, {148, "category.thermal-conductivity",      218, 143, &tables::kThermalConductivity, fields::kThermalConductivityFields}}, // CThermalConductivityDlg
    {1093, {309, 313, 36, 16}, 30, {144, "category.dynamic-viscosity",         232, 161, &tables::kDynamicViscosity,    fields::kDynamicViscosityFields}},    // CDynamicViscosityDlg
    {1094, {346, 313, 36, 16}, 30, {145, "category.kinematic-viscosity",       193, 127, &tables::kKinematicViscosity,  fields::kKinematicViscosityFields}},  // CKinematicViscosityDlg
    {1097, {419, 313, 36, 16}, 30, {149, "category.diffusion",                 158, 119, &tables::kDiffusionCoef,       fields::kDiffusionCoefFields}},       // CDiffusionCoefDlg
    {1099, {456, 313, 36, 16}, 30, {150, "category.surface-tension",           160, 144, &tables::kSurfaceTension,      fields::kSurfaceTensionFields}},      // CSurfaceTensionDlg
};
// clang-format on

inline constexpr std::size_t kCategoryCount = std::size(kCategories);

// The dialog part of every row, in the order of the table.
inline constexpr std::array<const CategoryLayout*, kCategoryCount> kCategoryLayouts = [] {
    std::array<const CategoryLayout*, kCategoryCount> layouts{};
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        layouts[i] = &kCategories[i].dialog;
    }
    return layouts;
}();

// The row whose button has `buttonId`, or nullptr.
constexpr const Category* FindCategoryByButton(int buttonId) {
    for (const Category& category : kCategories) {
        if (category.buttonId == buttonId) {
            return &category;
        }
    }
    return nullptr;
}

// The position of the row of dialog template `templateId`, or kCategoryCount.
constexpr std::size_t CategoryRowByTemplate(int templateId) {
    for (std::size_t row = 0; row < kCategoryCount; ++row) {
        if (kCategories[row].dialog.templateId == templateId) {
            return row;
        }
    }
    return kCategoryCount;
}

// The row of dialog template `templateId`, or nullptr.
constexpr const Category* FindCategoryByTemplate(int templateId) {
    const std::size_t row = CategoryRowByTemplate(templateId);
    return row < kCategoryCount ? &kCategories[row] : nullptr;
}

// The caption of the category's button: its quantity's short name in the
// language in use, or an empty view for a factor table the core's catalogue
// does not list; and the text id of that name ("quantity.length").
std::string_view CategoryCaption(const Category& category);
std::string CategoryCaptionTextId(const Category& category);

} // namespace velmaro::res
