// The geometry tables: length, area, volume and capacity.
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

// Length. The unit labelled "lb" is the typographic point, 1/72 inch (in to lb is 72, lb to
// mm 0.3528); "mile" is the statute mile (1609.344 m) and "n mile" the nautical mile (1852 m).
// Short roundings such as km to mile 0.6214, km to n mile 0.54 and lb to ft 0.0012 stay as
// they are; cm to lb, 28.3465, is mended from a typo of the old tables (README, "Corrections to
// the factor tables").
// clang-format off
constexpr Unit kLengthUnits[] = {
    {"km", {}, 1e3},
    {"m", {}, 1},
    {"dm", {}, 0.1},
    {"cm", {}, 0.01},
    {"mm", {}, 1e-3},
    {"μm", "um", 1e-6},
    {"in", {}, si::kInch},
    {"ft", {}, si::kFoot},
    {"yd", {}, si::kYard},
    {"mile", "mi", si::kMile},
    {"n mile", "nmi", si::kNauticalMile},
    {"lb", {}, si::kPoint},
};

constexpr double kLengthFactors[] = {
    //           km         m           dm       cm      mm       μm          in          ft            yd            mile          n mile        lb
    /* km     */ kSelf,     1000,       10000,   100000, 1000000, 1000000000, 39370,      3280.8399,    1093.6133,    0.6214,       0.54,         2834600,
    /* m      */ 0.001,     kSelf,      10,      100,    1000,    1000000,    39.3701,    3.2808,       1.0936,       0.00062137,   0.00053996,   2834.6457,
    /* dm     */ 0.0001,    0.1,        kSelf,   10,     100,     100000,     3.937,      0.3281,       0.1094,       0.000062137,  0.000053996,  283.46,
    /* cm     */ 0.00001,   0.01,       0.1,     kSelf,  10,      10000,      0.3937,     0.03281,      0.01094,      0.0000062137, 0.0000053996, 28.3465,
    /* mm     */ 0.000001,  0.001,      0.01,    0.1,    kSelf,   1000,       0.03937,    0.003281,     0.001094,     6.2137e-7,    5.3996e-7,    2.8346,
    /* μm     */ 1e-9,      0.000001,   0.00001, 0.0001, 0.001,   kSelf,      0.00003937, 0.0000032808, 0.0000010936, 6.2137e-10,   5.3996e-10,   0.0028346,
    /* in     */ 0.0000254, 0.0254,     0.254,   2.54,   25.4,    25400,      kSelf,      0.0833,       0.0278,       0.000015783,  0.000013715,  72,
    /* ft     */ 0.0003048, 0.3048,     3.048,   30.48,  304.8,   304800,     12,         kSelf,        0.3333,       0.00018939,   0.00016458,   864,
    /* yd     */ 0.0009144, 0.9144,     9.144,   91.44,  914.4,   914400,     36,         3,            kSelf,        0.00056818,   0.00049374,   2592,
    /* mile   */ 1.6093,    1609.344,   16093,   160930, 1609300, 1609300000, 63360,      5280,         1760,         kSelf,        0.869,        4561900,
    /* n mile */ 1.852,     1852,       18520,   185200, 1852000, 1852000000, 72913,      6076.1155,    2025.3718,    1.1508,       kSelf,        5249800,
    /* lb     */ 3.5278e-7, 0.00035278, 0.0035,  0.0353, 0.3528,  352.778,    0.0139,     0.0012,       0.0003858,    2.1921e-7,    1.9048e-7,    kSelf,
};
// clang-format on
static_assert(std::size(kLengthFactors) == std::size(kLengthUnits) * std::size(kLengthUnits));

// Area. "Acer" is the acre (4046.856 m2), "chi2" the square chi (1/9 m2) and "mu" the mu
// (1/1500 km2). Acre to km2 is 0.004 and acre to hm2 0.4047 although km2 to acre is 247.1054;
// these rounded entries, like in2 to ft2 0.0069, stay as they are.
// clang-format off
constexpr Unit kAreaUnits[] = {
    {"km2", {}, 1e6},
    {"hm2", {}, 1e4},
    {"m2", {}, 1},
    {"dm2", {}, 1e-2},
    {"cm2", {}, 1e-4},
    {"mm2", {}, 1e-6},
    {"in2", {}, si::kInch * si::kInch},
    {"ft2", {}, si::kFoot * si::kFoot},
    {"yd2", {}, si::kYard * si::kYard},
    {"acre", "Acer", si::kAcre},
    {"chi2", {}, si::kChi * si::kChi},
    {"mu", {}, si::kMu},
};

constexpr double kAreaFactors[] = {
    //          km2         hm2           m2          dm2        cm2        mm2         in2         ft2          yd2          Acer            chi2      mu
    /* km2   */ kSelf,      100,          1000000,    100000000, 1e10,      1e12,       1550000000, 10764000,    1196000,     247.1054,       9000000,  1500,
    /* hm2   */ 0.01,       kSelf,        10000,      1000000,   100000000, 1e10,       15500000,   107640,      11960,       2.471054,       90000,    15,
    /* m2    */ 0.000001,   0.0001,       kSelf,      100,       10000,     1000000,    1550,       10.764,      1.196,       0.0002471054,   9,        0.0015,
    /* dm2   */ 1e-8,       0.000001,     0.01,       kSelf,     100,       10000,      15.5,       0.10764,     0.01196,     0.000002471054, 0.09,     0.000015,
    /* cm2   */ 1e-10,      1e-8,         0.0001,     0.01,      kSelf,     100,        0.155,      0.0010764,   0.0001196,   2.471054e-8,    0.0009,   1.5e-7,
    /* mm2   */ 1e-12,      1e-10,        0.000001,   0.0001,    0.01,      kSelf,      0.00155,    0.000010764, 0.000001196, 2.471054e-10,   0.000009, 1.5e-9,
    /* in2   */ 6.4516e-10, 6.4516e-8,    0.00064516, 0.0645,    6.4516,    645.16,     kSelf,      0.0069,      0.0007716,   1.5942e-7,      0.0058,   9.6774e-7,
    /* ft2   */ 9.2903e-8,  0.0000092903, 0.092903,   9.2903,    929.0304,  92903,      144,        kSelf,       0.1111,      0.000022957,    0.8361,   0.00013935,
    /* yd2   */ 8.3613e-7,  0.000083613,  0.83613,    83.6127,   8361.2736, 836130,     1296,       9,           kSelf,       0.00020661,     7.5251,   0.0013,
    /* Acer  */ 0.004,      0.4047,       4046.856,   404690,    40469000,  4046900000, 6272600,    43560,       4840,        kSelf,          36422,    6.0703,
    /* chi2  */ 1.1111e-7,  0.000011111,  0.1111,     11.1111,   1111.1111, 111110,     172.2226,   1.196,       0.1329,      0.000027456,    kSelf,    0.00016667,
    /* mu    */ 0.00066667, 0.0667,       666.6667,   66667,     6666700,   666670000,  1033300,    7175.9403,   797.3267,    0.1647,         6000,     kSelf,
};
// clang-format on
static_assert(std::size(kAreaFactors) == std::size(kAreaUnits) * std::size(kAreaUnits));

// Volume. "chi3" is the cubic chi, 1/27 m3 (m3 to chi3 is 27). dm3 to ft3 and in3 to chi3 are
// mended from typos of the old tables (README, "Corrections to the factor tables").
// clang-format off
constexpr Unit kVolumeUnits[] = {
    {"m3", {}, 1},
    {"dm3", {}, 1e-3},
    {"cm3", {}, 1e-6},
    {"mm3", {}, 1e-9},
    {"in3", {}, si::kCubicInch},
    {"ft3", {}, si::kCubicFoot},
    {"yd3", {}, si::kYard * si::kYard * si::kYard},
    {"chi3", {}, si::kChi * si::kChi * si::kChi},
};

constexpr double kVolumeFactors[] = {
    //          m3           dm3       cm3      mm3         in3          ft3           yd3          chi3
    /* m3    */ kSelf,       1000,     1000000, 1000000000, 61024,       35.3147,      1.308,       27,
    /* dm3   */ 0.001,       kSelf,    1000,    1000000,    61.024,      0.035315,     0.001308,    0.027,
    /* cm3   */ 0.000001,    0.001,    kSelf,   1000,       0.061024,    0.0000353147, 0.000001308, 0.000027,
    /* mm3   */ 1e-9,        0.000001, 0.001,   kSelf,      0.000061024, 3.53147e-8,   1.308e-9,    2.7e-8,
    /* in3   */ 0.000016387, 0.016387, 16.387,  16387,      kSelf,       0.0005787,    0.000021433, 0.00044245,
    /* ft3   */ 0.0283,      28.3169,  28316,   28316000,   1728,        kSelf,        0.037,       0.7646,
    /* yd3   */ 0.7646,      764.6,    764600,  764600000,  46656,       27,           kSelf,       20.643,
    /* chi3  */ 0.037037,    37.037,   37037,   37037000,   2260.1387,   1.308,        0.0484,      kSelf,
};
// clang-format on
static_assert(std::size(kVolumeFactors) == std::size(kVolumeUnits) * std::size(kVolumeUnits));

// Capacity, the volume of liquids. "kl,kL" is the same unit as m3 (mutual factor 1, equal
// rows) and "I,L" is the litre; the gallons and barrels are US and imperial. "bbl(UK)" is 35
// imperial gallons of 4.54596 L, the gallon as listed before 1985, which ml to gal(Uk) takes
// too. Rounded entries such as gal(Uk) to m3 0.0045 and I,L to ft3 0.0353 stay as they are;
// bbl(UK) to gal(US) is mended from a typo of the old tables (README, "Corrections to the factor
// tables").
// clang-format off
constexpr Unit kCapacityUnits[] = {
    {"m3", {}, 1},
    {"kL", "kl", 1},
    {"l", "L|I", 1e-3},
    {"ml", "mL", 1e-6},
    {"in3", {}, si::kCubicInch},
    {"ft3", {}, si::kCubicFoot},
    {"gal(US)", {}, si::kGallonUS},
    {"gal(UK)", "gal(Uk)", si::kGallonUK},
    {"bbl(US)", {}, si::kBarrelUS},
    {"bbl(UK)", {}, 35 * si::kGallonUK},
};

constexpr double kCapacityFactors[] = {
    //            m3           kl,kL        I,L       ml        in3        ft3          gal(US)     gal(Uk)     bbl(US)       bbl(UK)
    /* m3      */ kSelf,       1,           1000,     1000000,  61024,     35.3147,     264.172,    219.97,     6.2898,       6.2848,
    /* kl,kL   */ 1,           kSelf,       1000,     1000000,  61024,     35.3147,     264.172,    219.97,     6.2898,       6.2848,
    /* I,L     */ 0.001,       0.001,       kSelf,    1000,     61.0237,   0.0353,      0.2642,     0.22,       0.0063,       0.0063,
    /* ml      */ 0.000001,    0.000001,    0.001,    kSelf,    0.0610237, 0.000035315, 0.00026418, 0.00021998, 0.0000062898, 0.000006285,
    /* in3     */ 0.000016387, 0.000016387, 0.016387, 16.387,   kSelf,     0.0005787,   0.0043,     0.0036,     0.00010307,   0.00010299,
    /* ft3     */ 0.0283,      0.0283,      28.3169,  28317,    1728,      kSelf,       7.4805,     6.2288,     0.1781,       0.178,
    /* gal(US) */ 0.0037854,   0.0037854,   3.7854,   3785.412, 231,       0.1337,      kSelf,      0.8327,     0.023809,     0.0238,
    /* gal(Uk) */ 0.0045,      0.0045,      4.546,    4546,     277.42,    0.1605,      1.201,      kSelf,      0.0286,       0.0286,
    /* bbl(US) */ 0.159,       0.159,       158.9873, 158990,   9702,      5.6146,      42,         34.9723,    kSelf,        0.9992,
    /* bbl(UK) */ 0.1591,      0.1591,      159.11,   159110,   9709.5,    5.6189,      42.0320,    35.001,     1.0008,       kSelf,
};
// clang-format on
static_assert(std::size(kCapacityFactors) == std::size(kCapacityUnits) * std::size(kCapacityUnits));

} // namespace

constexpr FieldGroup kLength{"length", kLengthUnits, kFormat8f, kLengthFactors};
constexpr FieldGroup kArea{"area", kAreaUnits, kFormat8f, kAreaFactors};
constexpr FieldGroup kVolume{"volume", kVolumeUnits, kFormat8f, kVolumeFactors};
constexpr FieldGroup kCapacity{"capacity", kCapacityUnits, kFormat6f, kCapacityFactors};

} // namespace velmaro::tables
