// The transport-property tables: dynamic and kinematic viscosity, diffusion
// coefficient and surface tension.
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

// Dynamic viscosity. Three pairs are one unit each, with mutual factor 1: mPa.s and cP, P and
// dyn.s/cm2 (equal rows), Pa.s and kg/(m.s) (equal rows except into lb/(ft.s): 0.67197
// against 0.672). lb/(ft.s) and lb/(ft.h) are pound-mass units; kgf.s/m2, lb.s/ft2 and
// lb.h/ft2 are force-based. lb/(ft.h) to Pa.s is 0.000414338 beside 0.00041338 into
// kg/(m.s); both stay as they are.
// clang-format off
constexpr Unit kDynamicViscosityUnits[] = {
    {"mPa.s", {}, 1e-3},
    {"Pa.s", {}, 1},
    {"cP", {}, 1e-3},
    {"P", {}, 0.1},
    {"kg/(m.s)", {}, 1},
    {"kg/(m.h)", {}, 1 / si::kHour},
    {"lb/(ft.s)", {}, si::kPound / si::kFoot},
    {"lb/(ft.h)", {}, si::kPound / si::kFoot / si::kHour},
    {"dyn.s/cm2", {}, 0.1},
    {"kgf.s/m2", {}, si::kGravity},
    {"lb.s/ft2", {}, si::kPoundForce / (si::kFoot * si::kFoot)},
    {"lb.h/ft2", {}, si::kPoundForce / (si::kFoot * si::kFoot) * si::kHour},
};

constexpr double kDynamicViscosityFactors[] = {
    //              mPa.s      Pa.s         cP         P          kg/(m.s)    kg/(m.h)   lb/(ft.s)  lb/(ft.h)  dyn.s/cm2 kgf.s/m2     lb.s/ft2      lb.h/ft2
    /* mPa.s     */ kSelf,     0.001,       1,         0.01,      0.001,      3.6,       0.000672,  2.4191,    0.01,     0.000102,    0.000020885,  5.8015e-9,
    /* Pa.s      */ 1000,      kSelf,       1000,      10,        1,          3600,      0.67197,   2419.0883, 10,       0.102,       0.020885,     0.0000058015,
    /* cP        */ 1,         0.001,       kSelf,     0.01,      0.001,      3.6,       0.000672,  2.4191,    0.01,     0.000102,    0.000020885,  5.8015e-9,
    /* P         */ 100,       0.1,         100,       kSelf,     0.1,        360,       0.0672,    241.9088,  1,        0.0102,      0.0020885,    5.8015e-7,
    /* kg/(m.s)  */ 1000,      1,           1000,      10,        kSelf,      3600,      0.672,     2419.0883, 10,       0.102,       0.020885,     0.0000058015,
    /* kg/(m.h)  */ 0.2778,    0.0002778,   0.2778,    0.002778,  0.0002778,  kSelf,     0.0001867, 0.672,     0.002778, 0.000028325, 0.0000058015, 1.6115e-9,
    /* lb/(ft.s) */ 1488.1639, 1.4882,      1488.1639, 14.8816,   1.4882,     5357.3902, kSelf,     3600,      14.8816,  0.1518,      0.031081,     0.0000086336,
    /* lb/(ft.h) */ 0.41338,   0.000414338, 0.41338,   0.0041338, 0.00041338, 1.4882,    0.0002778, kSelf,     0.004134, 0.000042153, 0.0000086336, 2.3982e-9,
    /* dyn.s/cm2 */ 100,       0.1,         100,       1,         0.1,        360,       0.0672,    241.9088,  kSelf,    0.0102,      0.0020885,    5.8015e-7,
    /* kgf.s/m2  */ 9806.65,   9.8066,      9806.65,   98.0665,   9.8066,     35304,     6.5898,    23723,     98.0665,  kSelf,       0.2048,       0.000056893,
    /* lb.s/ft2  */ 47880,     47.8803,     47880,     478.8026,  47.8803,    172370,    32.174,    115830,    478.8026, 4.8824,      kSelf,        0.0002778,
    /* lb.h/ft2  */ 172370000, 172370,      172370000, 1723700,   172370,     620530000, 115830,    416980000, 1723700,  17577,       3600,         kSelf,
};
// clang-format on
static_assert(std::size(kDynamicViscosityFactors) ==
              std::size(kDynamicViscosityUnits) * std::size(kDynamicViscosityUnits));

// Kinematic viscosity. "cSt" and "mm2/s" are one unit, as are "St" and "cm2/s": mutual
// factor 1, equal rows.
// clang-format off
constexpr Unit kKinematicViscosityUnits[] = {
    {"cSt", {}, 1e-6},
    {"St", {}, 1e-4},
    {"mm2/s", {}, 1e-6},
    {"cm2/s", {}, 1e-4},
    {"m2/s", {}, 1},
    {"m2/h", {}, 1 / si::kHour},
    {"ft2/s", {}, si::kFoot * si::kFoot},
    {"ft2/h", {}, si::kFoot * si::kFoot / si::kHour},
};

constexpr double kKinematicViscosityFactors[] = {
    //          cSt       St        mm2/s     cm2/s     m2/s          m2/h      ft2/s        ft2/h
    /* cSt   */ kSelf,    0.01,     1,        0.01,     0.000001,     0.0036,   0.000010764, 0.03875,
    /* St    */ 100,      kSelf,    100,      1,        0.0001,       0.36,     0.0010764,   3.875,
    /* mm2/s */ 1,        0.01,     kSelf,    0.01,     0.000001,     0.0036,   0.000010764, 0.03875,
    /* cm2/s */ 100,      1,        100,      kSelf,    0.0001,       0.36,     0.0010764,   3.875,
    /* m2/s  */ 1000000,  10000,    1000000,  10000,    kSelf,        3600,     10.764,      38750,
    /* m2/h  */ 277.7778, 2.7778,   277.7778, 2.7778,   0.00027778,   kSelf,    0.00299,     10.7639,
    /* ft2/s */ 92903,    929.0304, 92903,    929.0304, 0.0929,       334.4509, kSelf,       3600,
    /* ft2/h */ 25.8064,  0.258064, 25.8064,  0.258064, 0.0000258064, 0.092903, 0.0002778,   kSelf,
};
// clang-format on
static_assert(std::size(kKinematicViscosityFactors) ==
              std::size(kKinematicViscosityUnits) * std::size(kKinematicViscosityUnits));

// Diffusion coefficient, area per time.
// clang-format off
constexpr Unit kDiffusionCoefUnits[] = {
    {"cm2/s", {}, 1e-4},
    {"m2/h", {}, 1 / si::kHour},
    {"in2/s", {}, si::kInch * si::kInch},
    {"ft2/h", {}, si::kFoot * si::kFoot / si::kHour},
};

constexpr double kDiffusionCoefFactors[] = {
    //          cm2/s   m2/h    in2/s   ft2/h
    /* cm2/s */ kSelf,  0.36,   0.155,  3.875,
    /* m2/h  */ 2.7778, kSelf,  0.4306, 10.7639,
    /* in2/s */ 6.4516, 2.3226, kSelf,  25,
    /* ft2/h */ 0.2581, 0.0929, 0.04,   kSelf,
};
// clang-format on
static_assert(std::size(kDiffusionCoefFactors) ==
              std::size(kDiffusionCoefUnits) * std::size(kDiffusionCoefUnits));

// Surface tension, force per length. "g/cm" is gram-force per centimetre, "kg/m"
// kilogram-force per metre and "lb/ft" pound-force per foot. "mN/m" and "dyn/cm" are one unit
// (mutual factor 1) but their rows round differently (into g/cm: 0.0010197 against 0.001).
// clang-format off
constexpr Unit kSurfaceTensionUnits[] = {
    {"N/m", {}, 1},
    {"mN/m", {}, 1e-3},
    {"g/cm", {}, si::kGravity * 1e-3 / 0.01},
    {"kg/m", {}, si::kGravity},
    {"dyn/cm", {}, 1e-3},
    {"lb/ft", {}, si::kPoundForce / si::kFoot},
};

constexpr double kSurfaceTensionFactors[] = {
    //           N/m      mN/m     g/cm       kg/m        dyn/cm   lb/ft
    /* N/m    */ kSelf,   1000,    1.0197,    0.102,      1000,    0.0685,
    /* mN/m   */ 0.001,   kSelf,   0.0010197, 0.00010197, 1,       0.000068522,
    /* g/cm   */ 0.9807,  980.665, kSelf,     0.1,        980.665, 0.0672,
    /* kg/m   */ 9.8066,  9806.65, 10,        kSelf,      9806.65, 0.672,
    /* dyn/cm */ 0.001,   1,       0.001,     0.000102,   kSelf,   0.00006854,
    /* lb/ft  */ 14.5939, 14594,   14.8816,   1.4882,     14594,   kSelf,
};
// clang-format on
static_assert(std::size(kSurfaceTensionFactors) ==
              std::size(kSurfaceTensionUnits) * std::size(kSurfaceTensionUnits));

} // namespace

constexpr FieldGroup kDynamicViscosity{"dynamic viscosity", kDynamicViscosityUnits, kFormat8f,
                                       kDynamicViscosityFactors};
constexpr FieldGroup kKinematicViscosity{"kinematic viscosity", kKinematicViscosityUnits, kFormat6f,
                                         kKinematicViscosityFactors};
constexpr FieldGroup kDiffusionCoef{"diffusion coefficient", kDiffusionCoefUnits, kFormat6f,
                                    kDiffusionCoefFactors};
constexpr FieldGroup kSurfaceTension{"surface tension", kSurfaceTensionUnits, kFormat6f,
                                     kSurfaceTensionFactors};

} // namespace velmaro::tables
