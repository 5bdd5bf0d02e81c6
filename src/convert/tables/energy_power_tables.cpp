// The energy and power tables.
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

// Energy. "Kw.h" is the kilowatt-hour, "Hp.h" the horsepower-hour, "kg.m" the kilogram-force
// metre, "ft.lb" the foot-pound-force, "ft.pdl" the foot-poundal and "I.atm" the
// litre-atmosphere (101.33 J); "kcal" is the international-table kilocalorie. Short roundings
// such as kcal to Kw.h 0.0012 and ft.pdl to I.atm 0.0004 stay as they are; kJ and kcal to ft.lb
// and Kw.h and Hp.h to BTU are mended from typos of the old tables (README, "Corrections to the
// factor tables").
// clang-format off
constexpr Unit kEnergyUnits[] = {
    {"mJ", {}, 1e-3},
    {"J", {}, 1},
    {"kJ", {}, 1e3},
    {"MJ", {}, 1e6},
    {"kcal", {}, 1e3 * si::kCalorie},
    {"BTU", {}, si::kBtu},
    {"kWh", "Kw.h|kW.h", 3.6e6},
    {"Hp.h", {}, si::kHorsepower * si::kHour},
    {"kg.m", {}, si::kGravity},
    {"ft.lb", {}, si::kFootPound},
    {"l.atm", "I.atm|L.atm", si::kAtmosphere * 1e-3},
    {"ft.pdl", {}, si::kPoundal * si::kFoot},
};

constexpr double kEnergyFactors[] = {
    //           mJ          J          kJ            MJ            kcal         BTU          Kw.h          Hp.h         kg.m        ft.lb       I.atm         ft.pdl
    /* mJ     */ kSelf,      0.001,     0.000001,     1e-9,         2.3885e-7,   9.4781e-7,   2.7778e-10,   3.725e-10,   0.00010197, 0.00073757, 0.0000098692, 0.0237,
    /* J      */ 1000,       kSelf,     0.001,        0.000001,     0.00023885,  0.00094781,  2.7778e-7,    3.725e-7,    0.10197,    0.73757,    0.0098692,    23.7304,
    /* kJ     */ 1000000,    1000,      kSelf,        0.001,        0.23885,     0.94781,     0.00027778,   0.00037251,  101.97,     737.5621,   9.8692,       23730.4,
    /* MJ     */ 1000000000, 1000000,   1000,         kSelf,        238.85,      947.81,      0.27778,      0.3725,      101970,     737570,     9869.2,       23730400,
    /* kcal   */ 4186800,    4186.8,    4.1868,       0.0041868,    kSelf,       3.9683,      0.0012,       0.0016,      426.9348,   3088.0252,  41.3205,      99354,
    /* BTU    */ 1055100,    1055.056,  1.0551,       0.0010551,    0.252,       kSelf,       0.00029307,   0.00039301,  107.5858,   778.1693,   10.4126,      25037,
    /* Kw.h   */ 3600000000, 3600000,   3600,         3.6,          859.8452,    3412.1416,   kSelf,        1.341,       367100,     2655200,    35529,        85429000,
    /* Hp.h   */ 2684500000, 2684500,   2684.5,       2.6845,       641.1865,    2544.4336,   0.7457,       kSelf,       273740,     1980000,    26494,        63705000,
    /* kg.m   */ 9806.65,    9.8066,    0.0098,       0.0000098066, 0.0023,      0.0093,      0.0000027241, 0.000003653, kSelf,      7.233,      0.0968,       232.7153,
    /* ft.lb  */ 1355.818,   1.3558,    0.0013558,    0.0000013558, 0.00032384,  0.0013,      3.7662e-7,    5.0505e-7,   0.1383,     kSelf,      0.0134,       32.1741,
    /* I.atm  */ 101330,     101.33,    0.10133,      0.00010133,   0.0242,      0.096,       0.000028146,  0.000037744, 10.3323,    74.7335,    kSelf,        2404.4788,
    /* ft.pdl */ 42.1401,    0.0421401, 0.0000421401, 4.21401e-8,   0.000010065, 0.000039941, 1.1706e-8,    1.5697e-8,   0.0043,     0.0311,     0.0004,       kSelf,
};
// clang-format on
static_assert(std::size(kEnergyFactors) == std::size(kEnergyUnits) * std::size(kEnergyUnits));

// Power. "J/s" is the same unit as "W" (mutual factor 1, equal rows). "HP" is 745.7 W, though
// its row gives 745.6999 into W and 745.7 into J/s; "kg.m/s" is the kilogram-force metre per
// second. Short roundings such as W to HP 0.0013 and kcal/h to kW 0.0012 stay as they are; mW to
// kg.m/s and ft.lb/s and kW, MW and HP to BTU/h are mended from typos of the old tables (README,
// "Corrections to the factor tables").
// clang-format off
constexpr Unit kPowerUnits[] = {
    {"mW", {}, 1e-3},
    {"W", {}, 1},
    {"kW", {}, 1e3},
    {"MW", {}, 1e6},
    {"kg.m/s", {}, si::kGravity},
    {"kcal/h", {}, 1e3 * si::kCalorie / si::kHour},
    {"ft.lb/s", {}, si::kFootPound},
    {"HP", {}, si::kHorsepower},
    {"BTU/min", {}, si::kBtu / 60},
    {"BTU/h", {}, si::kBtu / si::kHour},
    {"erg/s", {}, 1e-7},
    {"J/s", {}, 1},
};

constexpr double kPowerFactors[] = {
    //            mW          W         kW          MW            kg.m/s      kcal/h     ft.lb/s     HP           BTU/min      BTU/h      erg/s       J/s
    /* mW      */ kSelf,      0.001,    0.000001,   1e-9,         0.00010197, 0.00086,   0.00073756, 0.000001341, 0.000056869, 0.0034,    10000,      0.001,
    /* W       */ 1000,       kSelf,    0.001,      0.000001,     0.102,      0.8598,    0.7376,     0.0013,      0.0569,      3.4121,    10000000,   1,
    /* kW      */ 1000000,    1000,     kSelf,      0.001,        101.9716,   859.8452,  737.5621,   1.341,       56.869,      3412.1416, 1e10,       1000,
    /* MW      */ 1000000000, 1000000,  1000,       kSelf,        101971.6,   859845.2,  737562.1,   1341.022,    56869,       3412141.6, 1e13,       1000000,
    /* kg.m/s  */ 9806.65,    9.8066,   0.0098,     0.0000098066, kSelf,      8.4322,    7.233,      0.0132,      0.5577,      33.4617,   98066000,   9.8066,
    /* kcal/h  */ 1163,       1.163,    0.0012,     0.000001163,  0.1186,     kSelf,     0.8578,     0.0016,      0.0661,      3.9683,    11630000,   1.163,
    /* ft.lb/s */ 1355.818,   1.3558,   0.0014,     0.0000013558, 0.1383,     1.1658,    kSelf,      0.0018,      0.0771,      4.6262,    13558000,   1.3558,
    /* HP      */ 745700,     745.6999, 0.7457,     0.0007457,    76.0402,    641.1865,  550,        kSelf,       42.4072,     2544.4336, 7457000000, 745.7,
    /* BTU/min */ 17584,      17.5843,  0.0176,     0.000017584,  1.7931,     15.1197,   12.9695,    0.0236,      kSelf,       60,        175840000,  17.5843,
    /* BTU/h   */ 293.0711,   0.2931,   0.00029307, 2.9307e-7,    0.0299,     0.252,     0.2162,     0.00039301,  0.0167,      kSelf,     2930700,    0.2931,
    /* erg/s   */ 0.0001,     1e-7,     1e-10,      1e-13,        1.0197e-8,  8.5985e-8, 7.3756e-8,  1.341e-10,   5.6869e-9,   3.4121e-7, kSelf,      1e-7,
    /* J/s     */ 1000,       1,        0.001,      0.000001,     0.102,      0.8598,    0.7376,     0.0013,      0.0569,      3.4121,    10000000,   kSelf,
};
// clang-format on
static_assert(std::size(kPowerFactors) == std::size(kPowerUnits) * std::size(kPowerUnits));

} // namespace

constexpr FieldGroup kEnergy{"energy", kEnergyUnits, kFormat8f, kEnergyFactors};
constexpr FieldGroup kPower{"power", kPowerUnits, kFormat8f, kPowerFactors};

} // namespace velmaro::tables
