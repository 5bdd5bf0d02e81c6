// The mass-flow and volume-flow tables of the main window. The two groups are
// independent: there is no conversion between mass and volume.
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

// Mass flow, the upper half of the main window's flow panel. A year ("t/a") counts as 8000
// operating hours, not a calendar year: 1 t/h is 8000 t/a and 1 kg/h is 8 t/a. A day counts
// as 24 hours; "lb" is the pound mass. Entries are rounded constants of their own (t/d to t/h
// is 0.041666 while t/h to t/d is 24).
// clang-format off
constexpr Unit kMassFlowUnits[] = {
    {"kg/h", {}, 1 / si::kHour},
    {"kg/s", {}, 1},
    {"t/h", {}, 1e3 / si::kHour},
    {"t/d", {}, 1e3 / si::kDay},
    {"t/a", {}, 1e3 / si::kOperatingYear},
    {"lb/s", {}, si::kPound},
    {"lb/h", {}, si::kPound / si::kHour},
    {"lb/d", {}, si::kPound / si::kDay},
};

constexpr double kMassFlowFactors[] = {
    //         kg/h       kg/s          t/h         t/d         t/a       lb/s         lb/h       lb/d
    /* kg/h */ kSelf,     0.00027778,   0.001,      0.024,      8,        0.0006124,   2.2046,    52.9109,
    /* kg/s */ 3600,      kSelf,        3.6,        86.4,       28800,    2.2046,      7936.6414, 190480,
    /* t/h  */ 1000,      0.27778,      kSelf,      24,         8000,     0.6124,      2204.6226, 52911,
    /* t/d  */ 41.6667,   0.011574,     0.041666,   kSelf,      333.3333, 0.025516,    91.8593,   2204.6226,
    /* t/a  */ 0.125,     0.000034722,  0.000125,   0.003,      kSelf,    0.000076549, 0.2756,    6.6139,
    /* lb/s */ 1632.9325, 0.4536,       1.6329,     39.1904,    13063,    kSelf,       3600,      86400,
    /* lb/h */ 0.4536,    0.000126,     0.00045359, 0.010886,   3.6287,   0.00027778,  kSelf,     24,
    /* lb/d */ 0.018899,  0.0000052499, 0.0000189,  0.00045359, 0.1512,   0.000011574, 0.041667,  kSelf,
};
// clang-format on
static_assert(std::size(kMassFlowFactors) == std::size(kMassFlowUnits) * std::size(kMassFlowUnits));

// Volume flow, the lower half of the main window's flow panel. "bbl" is the oil barrel of
// 42 US gallons; gal(US) and gal(UK) are the US and the imperial gallon, though bbl/d and m3/h
// to gal(UK)/min take the imperial gallon as 4.54596 L, as listed before 1985. Entries are
// rounded constants of their own, not reciprocals of their mirrors. l/min to ft3/min and ten
// more entries are mended from typos of the old tables (README, "Corrections to the factor
// tables").
// clang-format off
constexpr Unit kVolumeFlowUnits[] = {
    {"l/min", {}, 1e-3 / 60},
    {"l/s", {}, 1e-3},
    {"bbl/d", {}, si::kBarrelUS / si::kDay},
    {"m3/h", {}, 1 / si::kHour},
    {"m3/min", {}, 1.0 / 60},
    {"m3/s", {}, 1},
    {"ft3/min", {}, si::kCubicFoot / 60},
    {"ft3/s", {}, si::kCubicFoot},
    {"gal(US)/min", {}, si::kGallonUS / 60},
    {"gal(UK)/min", {}, si::kGallonUK / 60},
};

constexpr double kVolumeFlowFactors[] = {
    //                l/min     l/s        bbl/d      m3/h       m3/min      m3/s          ft3/min    ft3/s        gal(US)/min gal(UK)/min
    /* l/min       */ kSelf,    0.016667,  9.0573,    0.06,      0.001,      0.000016667,  0.035315,  0.0005886,   0.2642,     0.22,
    /* l/s         */ 60,       kSelf,     543.4396,  3.6,       0.06,       0.001,        2.1189,    0.035315,    15.8503,    13.1981,
    /* bbl/d       */ 0.11041,  0.0018401, kSelf,     0.0066245, 0.00011041, 0.0000018401, 0.003899,  0.000064984, 0.029167,   0.024288,
    /* m3/h        */ 16.6667,  0.27778,   150.9555,  kSelf,     0.016667,   0.00027778,   0.58857,   0.0098096,   4.4028675,  3.6663,
    /* m3/min      */ 1000,     16.6667,   9057.3275, 60,        kSelf,      0.016667,     35.314667, 0.58858,     264.172,    219.9692,
    /* m3/s        */ 60000,    1000,      543440,    3600,      60,         kSelf,        2118.8800, 35.3147,     15850,      13198,
    /* ft3/min     */ 28.3169,  0.47195,   256.475,   1.699,     0.028317,   0.00047195,   kSelf,     0.016667,    7.4805,     6.2288,
    /* ft3/s       */ 1699.011, 28.3168,   15388,     101.9407,  1.699011,   0.028317,     60,        kSelf,       448.8312,   373.73,
    /* gal(US)/min */ 3.7854,   0.063090,  34.2857,   0.22713,   0.0037854,  0.00006309,   0.13368,   0.002228,    kSelf,      0.8327,
    /* gal(UK)/min */ 4.5461,   0.075768,  41.1754,   0.27277,   0.0045461,  0.000075768,  0.16054,   0.0026757,   1.201,      kSelf,
};
// clang-format on
static_assert(std::size(kVolumeFlowFactors) ==
              std::size(kVolumeFlowUnits) * std::size(kVolumeFlowUnits));

} // namespace

constexpr FieldGroup kMassFlow{"mass flow", kMassFlowUnits, kFormat2_6f, kMassFlowFactors};
constexpr FieldGroup kVolumeFlow{"volume flow", kVolumeFlowUnits, kFormat2_6f, kVolumeFlowFactors};

} // namespace velmaro::tables
