// The heat-transfer tables: heat-transfer rate, heat-transfer coefficient and
// thermal conductivity.
//
// Each table is square, row = the unit typed into, column = the unit written:
// target value = typed value x entry. Every entry is a constant of its own,
// written as its decimal text; none is derived from its mirror or from a path
// through a third unit, so rounded entries stay exactly as they are. kSelf
// marks the diagonal, which a field never writes.

#include "convert/tables/unit_tables.h"
#include "convert/unit_definitions.h"

#include <iterator>

namespace velmaro::tables {
namespace {

// Heat-transfer rate, that is power per area. "cal" and "kcal" are the international-table
// calorie and kilocalorie: 1 cal/(cm2.s) is 4.1868 W/(cm2). Short roundings such as
// cal/(cm2.h) to W/(cm2) 0.0012 stay as they are; three entries into BTU/(ft2.h) and two out
// of BTU/(ft2.s) are mended from typos of the old tables (README, "Corrections to the factor
// tables").
// clang-format off
constexpr Unit kHeatFluxUnits[] = {
    {"W/cm2", "W/(cm2)", 1e4},
    {"kW/m2", "kW/(m2)", 1e3},
    {"cal/(cm2.s)", {}, si::kCalorie * 1e4},
    {"cal/(cm2.h)", {}, si::kCalorie * 1e4 / si::kHour},
    {"kcal/(m2.s)", {}, 1e3 * si::kCalorie},
    {"kcal/(m2.h)", {}, 1e3 * si::kCalorie / si::kHour},
    {"BTU/(ft2.s)", {}, si::kBtu / (si::kFoot * si::kFoot)},
    {"BTU/(ft2.h)", {}, si::kBtu / (si::kFoot * si::kFoot) / si::kHour},
};

constexpr double kHeatFluxFactors[] = {
    //                W/(cm2)     kW/(m2)   cal/(cm2.s)  cal/(cm2.h) kcal/(m2.s) kcal/(m2.h) BTU/(ft2.s) BTU/(ft2.h)
    /* W/(cm2)     */ kSelf,      10,       0.2388,      859.8452,   2.3885,     8598.4523,  0.8806,     3169.9833,
    /* kW/(m2)     */ 0.1,        kSelf,    0.02388,     85.98452,   0.23885,    859.84523,  0.08806,    316.99833,
    /* cal/(cm2.s) */ 4.1868,     41.868,   kSelf,       3600,       10,         36000,      3.6867,     13272,
    /* cal/(cm2.h) */ 0.0012,     0.0116,   0.00027778,  kSelf,      0.0028,     10,         0.001,      3.6867,
    /* kcal/(m2.s) */ 0.4187,     4.1868,   0.1,         360,        kSelf,      3600,       0.3687,     1327.2086,
    /* kcal/(m2.h) */ 0.0001163,  0.001163, 0.000027778, 0.1,        0.00027778, kSelf,      0.00010241, 0.3687,
    /* BTU/(ft2.s) */ 1.1357,     11.3565,  0.2712,      976.4855,   2.7125,     9764.8553,  kSelf,      3600,
    /* BTU/(ft2.h) */ 0.00031546, 0.0032,   0.000075346, 0.2712,     0.00075346, 2.7125,     0.00027778, kSelf,
};
// clang-format on
static_assert(std::size(kHeatFluxFactors) == std::size(kHeatFluxUnits) * std::size(kHeatFluxUnits));

// Heat-transfer coefficient, power per area and degree. The metric units are per degree
// Celsius, the BTU units per degree Fahrenheit, both as temperature differences. W/(cm2.℃) to
// BTU/(ft2.h.°F) is mended from a typo of the old tables (README, "Corrections to the factor
// tables").
// clang-format off
constexpr Unit kHeatTransferCoefUnits[] = {
    {"W/(m2.K)", "W/(m2.°C)|W/(m2.℃)", 1},
    {"W/(cm2.K)", "W/(cm2.°C)|W/(cm2.℃)", 1e4},
    {"kcal/(m2.s.K)", "kcal/(m2.s.°C)|kcal/(m2.s.℃)", 1e3 * si::kCalorie},
    {"kcal/(m2.h.K)", "kcal/(m2.h.°C)|kcal/(m2.h.℃)", 1e3 * si::kCalorie / si::kHour},
    {"BTU/(ft2.s.F)", "BTU/(ft2.s.°F)", si::kBtu / (si::kFoot * si::kFoot) / si::kFahrenheitDegree},
    {"BTU/(ft2.h.F)", "BTU/(ft2.h.°F)", si::kBtu / (si::kFoot * si::kFoot) / si::kFahrenheitDegree / si::kHour},
};

constexpr double kHeatTransferCoefFactors[] = {
    //                   W/(m2.℃) W/(cm2.℃)   kcal/(m2.s.℃) kcal/(m2.h.℃) BTU/(ft2.s.°F) BTU/(ft2.h.°F)
    /* W/(m2.℃)       */ kSelf,   0.0001,     0.00023885,   0.8598,       0.000048919,   0.1761,
    /* W/(cm2.℃)      */ 10000,   kSelf,      2.3885,       8598.4523,    0.4892,        1761.1018,
    /* kcal/(m2.s.℃)  */ 4186.8,  0.4187,     kSelf,        3600,         0.2048,        737.338,
    /* kcal/(m2.h.℃)  */ 1.163,   0.0001163,  0.00027778,   kSelf,        0.000056893,   0.2048,
    /* BTU/(ft2.s.°F) */ 20441,   2.0441,     4.8824,       17577,        kSelf,         3600,
    /* BTU/(ft2.h.°F) */ 5.6783,  0.00056783, 0.0014,       4.8824,       0.00027778,    kSelf,
};
// clang-format on
static_assert(std::size(kHeatTransferCoefFactors) ==
              std::size(kHeatTransferCoefUnits) * std::size(kHeatTransferCoefUnits));

// Thermal conductivity. "W(m.K)" and "W(cm.K)" are watt per metre kelvin and per centimetre
// kelvin (their labels carry no slash); the BTU units are per degree Fahrenheit. Short
// roundings such as W(cm.K) to BTU/(in.s.°F) 0.0013 stay as they are; three entries out of
// BTU/(in.s.°F) and BTU/(ft.s.°F) are mended from typos of the old tables (README, "Corrections
// to the factor tables").
// clang-format off
constexpr Unit kThermalConductivityUnits[] = {
    {"W/(m.K)", "W(m.K)", 1},
    {"W/(cm.K)", "W(cm.K)", 100},
    {"kcal/(cm.s.K)", {}, 1e5 * si::kCalorie},
    {"kcal/(cm.h.K)", {}, 1e5 * si::kCalorie / si::kHour},
    {"kcal/(m.s.K)", {}, 1e3 * si::kCalorie},
    {"kcal/(m.h.K)", {}, 1e3 * si::kCalorie / si::kHour},
    {"BTU/(in.s.F)", "BTU/(in.s.°F)", si::kBtu / si::kInch / si::kFahrenheitDegree},
    {"BTU/(in.h.F)", "BTU/(in.h.°F)", si::kBtu / si::kInch / si::kFahrenheitDegree / si::kHour},
    {"BTU/(ft.s.F)", "BTU/(ft.s.°F)", si::kBtu / si::kFoot / si::kFahrenheitDegree},
    {"BTU/(ft.h.F)", "BTU/(ft.h.°F)", si::kBtu / si::kFoot / si::kFahrenheitDegree / si::kHour},
};

constexpr double kThermalConductivityFactors[] = {
    //                  W(m.K)     W(cm.K)   kcal/(cm.s.K) kcal/(cm.h.K) kcal/(m.s.K) kcal/(m.h.K) BTU/(in.s.°F) BTU/(in.h.°F) BTU/(ft.s.°F) BTU/(ft.h.°F)
    /* W(m.K)        */ kSelf,     0.01,     0.0000023885, 0.0086,       0.00023885,  0.8598,      0.000013375,  0.0481,       0.0001605,    0.5778,
    /* W(cm.K)       */ 100,       kSelf,    0.00023885,   0.8598,       0.0239,      85.9845,     0.0013,       4.8149,       0.016,        57.7789,
    /* kcal/(cm.s.K) */ 418680,    4186.8,   kSelf,        3600,         100,         360000,      5.5997,       20159,        67.1969,      241910,
    /* kcal/(cm.h.K) */ 116.3,     1.163,    0.00027778,   kSelf,        0.0278,      100,         0.0016,       5.5997,       0.0187,       67.1969,
    /* kcal/(m.s.K)  */ 4186.8,    41.868,   0.01,         36,           kSelf,       3600,        0.056,        201.5907,     0.672,        2419.088,
    /* kcal/(m.h.K)  */ 1.163,     0.01163,  0.0000027778, 0.01,         0.00027778,  kSelf,       0.000015555,  0.056,        0.00018666,   0.672,
    /* BTU/(in.s.°F) */ 74768,     747.6774, 0.1786,       642.8869,     17.858,      64289,       kSelf,        3600,         12,           43200,
    /* BTU/(in.h.°F) */ 20.7688,   0.2077,   0.000049605,  0.1786,       0.005,       17.858,      0.00027778,   kSelf,        0.0033,       12,
    /* BTU/(ft.s.°F) */ 6230.6448, 62.3065,  0.0149,       53.5739,      1.4882,      5357.3902,   0.0833,       300,          kSelf,        3600,
    /* BTU/(ft.h.°F) */ 1.7307,    0.0173,   0.0000041338, 0.0149,       0.00041338,  1.4882,      0.000023148,  0.0833,       0.00027778,   kSelf,
};
// clang-format on
static_assert(std::size(kThermalConductivityFactors) ==
              std::size(kThermalConductivityUnits) * std::size(kThermalConductivityUnits));

} // namespace

constexpr FieldGroup kHeatFlux{"heat-transfer rate", kHeatFluxUnits, kFormat6f, kHeatFluxFactors};
constexpr FieldGroup kHeatTransferCoef{"heat-transfer coefficient", kHeatTransferCoefUnits,
                                       kFormat6f, kHeatTransferCoefFactors};
constexpr FieldGroup kThermalConductivity{"thermal conductivity", kThermalConductivityUnits,
                                          kFormat6f, kThermalConductivityFactors};

} // namespace velmaro::tables
