// The mechanics tables: mass, force, speed and density.
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

// Mass. "t" and "Mg" are one unit (mutual factor 1, equal rows). "jin" is the jin, 0.5 kg;
// "gr" is the grain, "oz" the ounce and "lb" the pound; "short t(US)" is 2000 lb and
// "long t(UK)" 2240 lb. oz to gr and jin to both tons are mended from typos of the old tables
// (README, "Corrections to the factor tables").
// clang-format off
constexpr Unit kMassUnits[] = {
    {"t", {}, 1e3},
    {"Mg", {}, 1e3},
    {"kg", "Kg", 1},
    {"g", {}, 1e-3},
    {"mg", {}, 1e-6},
    {"μg", "ug", 1e-9},
    {"gr", {}, si::kGrain},
    {"oz", {}, si::kOunce},
    {"lb", {}, si::kPound},
    {"short t(US)", {}, 2000 * si::kPound},
    {"long t(UK)", {}, 2240 * si::kPound},
    {"jin", {}, si::kJin},
};

constexpr double kMassFactors[] = {
    //                t           Mg          Kg           g         mg          μg          gr           oz           lb            short t(US)   long t(UK)   jin
    /* t           */ kSelf,      1,          1000,        1000000,  1000000000, 1e12,       15432000,    35274,       2204.6226,    1.1023,       0.98421,     2000,
    /* Mg          */ 1,          kSelf,      1000,        1000000,  1000000000, 1e12,       15432000,    35274,       2204.6226,    1.1023,       0.98421,     2000,
    /* Kg          */ 0.001,      0.001,      kSelf,       1000,     1000000,    1000000000, 15432,       35.274,      2.2046226,    0.0011023,    0.00098421,  2,
    /* g           */ 0.000001,   0.000001,   0.001,       kSelf,    1000,       1000000,    15.432,      0.035274,    0.0022046226, 0.0000011023, 9.8421e-7,   0.002,
    /* mg          */ 1e-9,       1e-9,       0.000001,    0.001,    kSelf,      1000,       0.015432,    0.000035274, 0.0000022046, 1.1023e-9,    9.8421e-10,  0.000002,
    /* μg          */ 1e-12,      1e-12,      1e-9,        0.000001, 0.001,      kSelf,      0.000015432, 3.5274e-8,   2.2046e-9,    1.1023e-12,   9.8421e-13,  2e-9,
    /* gr          */ 6.4799e-8,  6.4799e-8,  0.000064799, 0.064799, 64.799,     64799,      kSelf,       0.002286,    0.00014286,   7.1429e-8,    6.3776e-8,   0.0001296,
    /* oz          */ 0.00002835, 0.00002835, 0.02835,     28.35,    28350,      28350000,   437.50,      kSelf,       0.0625,       0.00003125,   0.000027902, 0.0567,
    /* lb          */ 0.00045359, 0.00045359, 0.45359,     453.59,   453590,     453590000,  7000,        16,          kSelf,        0.0005,       0.00044643,  0.90719,
    /* short t(US) */ 0.90718,    0.90718,    907.18,      907180,   907180000,  9.0718e11,  14000000,    32000,       2000,         kSelf,        0.89286,     1814.3694,
    /* long t(UK)  */ 1.016,      1.016,      1016,        1016000,  1016000000, 1.016e12,   15680000,    35840,       2240,         1.12,         kSelf,       2032.094,
    /* jin         */ 0.0005,     0.0005,     0.5,         500,      500000,     500000000,  7716.1792,   17.637,      1.1023,       0.00055116,   0.00049210,  kSelf,
};
// clang-format on
static_assert(std::size(kMassFactors) == std::size(kMassUnits) * std::size(kMassUnits));

// Force. "kgf" is the kilogram-force, "g" the gram-force, "gr" the grain-force, "lb" the
// pound-force, the two tons are ton-force, "pdl" the poundal and "dyn" the dyne. Short
// roundings such as kgf to kN 0.0098, N to kgf 0.102 and lb to kN 0.0044 stay as they are; N to
// long t(UK), short t(US) to N and long t(UK) to N and dyn are mended from typos of the old
// tables (README, "Corrections to the factor tables").
// clang-format off
constexpr Unit kForceUnits[] = {
    {"kgf", {}, si::kGravity},
    {"g", {}, si::kGravity * 1e-3},
    {"kN", {}, 1e3},
    {"N", {}, 1},
    {"dyn", {}, 1e-5},
    {"gr", {}, si::kGrain * si::kGravity},
    {"pdl", {}, si::kPoundal},
    {"lb", {}, si::kPoundForce},
    {"short t(US)", {}, 2000 * si::kPoundForce},
    {"long t(UK)", {}, 2240 * si::kPoundForce},
};

constexpr double kForceFactors[] = {
    //                kgf           g          kN            N          dyn        gr        pdl         lb           short t(US)   long t(UK)
    /* kgf         */ kSelf,        1000,      0.0098,       9.8067,    980670,    15432,    70.9316,    2.2046,      0.0011,       0.00098421,
    /* g           */ 0.001,        kSelf,     0.0000098067, 0.0098,    980.67,    15.432,   0.0709,     0.0022046,   0.0000011023, 9.8421e-7,
    /* kN          */ 101.9716,     101971.6,  kSelf,        1000,      100000000, 1573700,  7233.0139,  224.8089,    0.1124,       0.1004,
    /* N           */ 0.102,        101.9716,  0.001,        kSelf,     100000,    1573.7,   7.233,      0.2248,      0.0001124,    0.00010036,
    /* dyn         */ 0.0000010197, 0.0010197, 1e-8,         0.00001,   kSelf,     0.015737, 0.00007233, 0.000002248, 1.124e-9,     1.0036e-9,
    /* gr          */ 0.000064799,  0.0648,    6.3546e-7,    0.0006355, 63.546,    kSelf,    0.0046,     0.00014286,  7.1429e-8,    6.3776e-8,
    /* pdl         */ 0.0141,       14.0981,   0.00013826,   0.1383,    13825,     217.5667, kSelf,      0.0311,      0.00001554,   0.000013875,
    /* lb          */ 0.4536,       453.5924,  0.0044,       4.448,     444820,    7000,     32.174,     kSelf,       0.0004999,    0.0004464,
    /* short t(US) */ 907.1847,     907180,    8.8964,       8896.4432, 889640000, 14000000, 64348,      2000,        kSelf,        0.8929,
    /* long t(UK)  */ 1016.047,     1016000,   9.964,        9964.0164, 996401640, 15680000, 72070,      2240,        1.12,         kSelf,
};
// clang-format on
static_assert(std::size(kForceFactors) == std::size(kForceUnits) * std::size(kForceUnits));

// Speed. "kn" and "n mile/h" are one unit (mutual factor 1), yet their rows differ into m/s:
// 0.5114 from n mile/h, 0.5144 from kn. Short roundings such as m/min to m/s 0.0167 and
// ft/min to yd/s 0.005 stay as they are. mile/h to m/min (26.8224) and to km/h (1.6093) are
// mended from typos of the old tables (README, "Corrections to the factor tables").
// clang-format off
constexpr Unit kSpeedUnits[] = {
    {"m/s", {}, 1},
    {"m/min", {}, 1.0 / 60},
    {"m/h", {}, 1 / si::kHour},
    {"km/h", {}, 1e3 / si::kHour},
    {"ft/s", {}, si::kFoot},
    {"ft/min", {}, si::kFoot / 60},
    {"yd/s", {}, si::kYard},
    {"mile/h", "mph", si::kMile / si::kHour},
    {"n mile/h", "nmi/h", si::kNauticalMile / si::kHour},
    {"kn", {}, si::kNauticalMile / si::kHour},
};

constexpr double kSpeedFactors[] = {
    //             m/s         m/min    m/h       km/h    ft/s        ft/min    yd/s        mile/h      n mile/h    kn
    /* m/s      */ kSelf,      60,      3600,     3.6,    3.2808,     196.8504, 1.0936,     2.2369,     1.9438,     1.9438,
    /* m/min    */ 0.0167,     kSelf,   60,       0.06,   0.0547,     3.2808,   0.0182,     0.0373,     0.0324,     0.0324,
    /* m/h      */ 0.00027778, 0.0167,  kSelf,    0.001,  0.00091135, 0.0547,   0.00030378, 0.00062137, 0.00053996, 0.00053996,
    /* km/h     */ 0.2778,     16.6667, 1000,     kSelf,  0.9113,     54.6807,  0.3038,     0.6214,     0.54,       0.54,
    /* ft/s     */ 0.3048,     18.288,  1097.28,  1.0973, kSelf,      60,       0.3333,     0.6818,     0.5925,     0.5925,
    /* ft/min   */ 0.0051,     0.3048,  18.288,   0.0183, 0.0167,     kSelf,    0.005,      0.0114,     0.0099,     0.0099,
    /* yd/s     */ 0.9144,     54.864,  3291.84,  3.2918, 3,          180,      kSelf,      2.0455,     1.7775,     1.7775,
    /* mile/h   */ 0.447,      26.8224, 1609.344, 1.6093, 1.4667,     88,       0.4889,     kSelf,      0.869,      0.869,
    /* n mile/h */ 0.5114,     30.8667, 1852,     1.852,  1.6878,     101.2686, 0.5626,     1.1508,     kSelf,      1,
    /* kn       */ 0.5144,     30.8667, 1852,     1.852,  1.6878,     101.2686, 0.5626,     1.1508,     1,          kSelf,
};
// clang-format on
static_assert(std::size(kSpeedFactors) == std::size(kSpeedUnits) * std::size(kSpeedUnits));

// Density. kg/dm3, g/ml, g/cm3, Mg/m3 and t/m3 convert into one another with factor 1, but
// into kg/m3 and g/m3 g/ml and g/cm3 use 999.97 and 999970 while kg/dm3, Mg/m3 and t/m3 use
// 1000 and 1000000. The gallons are US and imperial; "t[UK]/yd3" is long tons per cubic yard.
// lb/gal[UK] into those five units takes the imperial gallon as 4.54596 L, as listed before
// 1985. lb/ft3 to lb/in3 and lb/gal[UK] to t[UK]/yd3 are mended from typos of the old tables
// (README, "Corrections to the factor tables").
// clang-format off
constexpr Unit kDensityUnits[] = {
    {"kg/m3", {}, 1},
    {"kg/dm3", {}, 1e3},
    {"g/ml", {}, 1e3},
    {"g/cm3", {}, 1e3},
    {"g/m3", {}, 1e-3},
    {"Mg/m3", {}, 1e3},
    {"t/m3", {}, 1e3},
    {"lb/in3", {}, si::kPound / si::kCubicInch},
    {"lb/ft3", {}, si::kPound / si::kCubicFoot},
    {"lb/gal[US]", {}, si::kPound / si::kGallonUS},
    {"lb/gal[UK]", {}, si::kPound / si::kGallonUK},
    {"t[UK]/yd3", {}, 2240 * si::kPound / (27 * si::kCubicFoot)},
};

constexpr double kDensityFactors[] = {
    //               kg/m3      kg/dm3     g/ml       g/cm3      g/m3      Mg/m3      t/m3       lb/in3       lb/ft3       lb/gal[US]    lb/gal[UK]    t[UK]/yd3
    /* kg/m3      */ kSelf,     0.001,     0.001,     0.001,     1000,     0.001,     0.001,     0.000036127, 0.062428,    0.008345,     0.0100224,    0.00075248,
    /* kg/dm3     */ 1000,      kSelf,     1,         1,         1000000,  1,         1,         0.036127,    62.428,      8.3454,       10.0224,      0.75248,
    /* g/ml       */ 999.97,    1,         kSelf,     1,         999970,   1,         1,         0.036127,    62.428,      8.3454,       10.0224,      0.75248,
    /* g/cm3      */ 999.97,    1,         1,         kSelf,     999970,   1,         1,         0.036127,    62.428,      8.3454,       10.0224,      0.75248,
    /* g/m3       */ 0.001,     0.000001,  0.000001,  0.000001,  kSelf,    0.000001,  0.000001,  3.6127e-8,   0.000062428, 0.0000083454, 0.0000100224, 7.5248e-7,
    /* Mg/m3      */ 1000,      1,         1,         1,         1000000,  kSelf,     1,         0.036127,    62.428,      8.3454,       10.0224,      0.75248,
    /* t/m3       */ 1000,      1,         1,         1,         1000000,  1,         kSelf,     0.036127,    62.428,      8.3454,       10.0224,      0.75248,
    /* lb/in3     */ 27679.9,   27.6799,   27.6799,   27.6799,   27679900, 27.6799,   27.6799,   kSelf,       1728,        231,          277.42,       20.8286,
    /* lb/ft3     */ 16.0185,   0.0160185, 0.0160185, 0.0160185, 16018.5,  0.0160185, 0.0160185, 0.00057870,  kSelf,       0.13368,      0.16054,      0.0120536,
    /* lb/gal[US] */ 119.8264,  0.11983,   0.11983,   0.11983,   119830,   0.11983,   0.11983,   0.004329,    7.4805,      kSelf,        1.201,        0.09017,
    /* lb/gal[UK] */ 99.7763,   0.099779,  0.099779,  0.099779,  99776,    0.099779,  0.099779,  0.0036047,   6.2288,      0.83268,      kSelf,        0.0750797,
    /* t[UK]/yd3  */ 1328.9392, 1.3289,    1.3289,    1.3289,    1328900,  1.3289,    1.3289,    0.04801,     82.963,      11.0905,      13.3192,      kSelf,
};
// clang-format on
static_assert(std::size(kDensityFactors) == std::size(kDensityUnits) * std::size(kDensityUnits));

} // namespace

constexpr FieldGroup kMass{"mass", kMassUnits, kFormat8f, kMassFactors};
constexpr FieldGroup kForce{"force", kForceUnits, kFormat8f, kForceFactors};
constexpr FieldGroup kSpeed{"speed", kSpeedUnits, kFormat6f, kSpeedFactors};
constexpr FieldGroup kDensity{"density", kDensityUnits, kFormat6f, kDensityFactors};

} // namespace velmaro::tables
