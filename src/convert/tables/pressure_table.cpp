// The pressure table of the main window.
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

// Pressure, the left panel of the main window. "mba" is the millibar, "psi" pound-force per
// square inch and "kg/cm2" kilogram-force per square centimetre, whatever its gloss says.
// Torr and mmHg are one unit: mutual factor 1 and equal rows. The prefix steps among Pa, kPa,
// MPa, mba and bar are exact, as are mmH2O to kg/cm2 (0.0001) and psi to lb/ft2 (144); every
// other entry is a rounded constant of its own and need not be the reciprocal of its mirror
// (atm to mmH2O is 10332 while mmH2O to atm is 0.00009678). Into Torr the entries follow the
// torr, 101325/760 Pa, into mmHg the conventional 133.322387415 Pa; the two part in the seventh
// digit (bar to Torr 750.0617, to mmHg 750.0615). From mmH2O and inH2O into Torr, mmHg, inHg and
// psi the water column is taken at 4 °C (9.80638 Pa per mm, 249.082 Pa per inch), elsewhere at
// the conventional 9.80665 Pa per mm. Pa to inH2O and the entries into and out of Torr and mmHg
// that the old tables miswrote are mended (README, "Corrections to the factor tables"). Out of
// Torr and mmHg the entries into bar, mba, MPa and kPa carry seven digits, 1.333224 and its
// prefix steps, more than the old tables did, so that 760 of either shows the standard
// atmosphere as engineers know it, 1.013250 bar and 0.101325 MPa.
// clang-format off
constexpr Unit kPressureUnits[] = {
    {"Pa", {}, 1},
    {"Torr", {}, si::kTorr},
    {"bar", {}, 1e5},
    {"psi", {}, si::kPoundForce / (si::kInch * si::kInch)},
    {"mbar", "mba", 100},
    {"MPa", {}, 1e6},
    {"kPa", {}, 1e3},
    {"mmHg", {}, si::kMmHg},
    {"mmH2O", {}, si::kGravity},
    {"inHg", {}, 25.4 * si::kMmHg},
    {"inH2O", {}, 25.4 * si::kGravity},
    {"atm", {}, si::kAtmosphere},
    {"lb/ft2", "psf", si::kPoundForce / (si::kFoot * si::kFoot)},
    {"kg/cm2", "kgf/cm2", si::kGravity * 1e4},
};

constexpr double kPressureFactors[] = {
    //           Pa        Torr       bar           psi         mba        MPa           kPa        mmHg       mmH2O     inHg       inH2O      atm           lb/ft2     kg/cm2
    /* Pa     */ kSelf,    0.0075006, 0.00001,      0.00014504, 0.01,      0.000001,     0.001,     0.0075006, 0.10197,  0.0002953, 0.004015,  0.0000098692, 0.020885,  0.000010197,
    /* Torr   */ 133.3224, kSelf,     0.001333224,  0.019337,   1.333224,  0.0001333224, 0.1333224, 1,         13.5951,  0.039370,  0.5352,    0.0013158,    2.7845,    0.0013595,
    /* bar    */ 100000,   750.0617,  kSelf,        14.5038,    1000,      0.1,          100,       750.0615,  10197,    29.53,     401.4631,  0.9869,       2088.5435, 1.0197,
    /* psi    */ 6894.757, 51.7149,   0.0689476,    kSelf,      68.9476,   0.0068948,    6.8948,    51.7149,   703.0695, 2.036,     27.6799,   0.068046,     144,       0.070307,
    /* mba    */ 100,      0.7500617, 0.001,        0.0145038,  kSelf,     0.0001,       0.1,       0.7500615, 10.197,   0.02953,   0.4014631, 0.0009869,    2.0885435, 0.0010197,
    /* MPa    */ 1000000,  7500.6168, 10,           145.0377,   10000,     kSelf,        1000,      7500.6158, 101970,   295.2998,  4014.6308, 9.8692,       20885,     10.1972,
    /* kPa    */ 1000,     7.5006,    0.01,         0.1450377,  10,        0.001,        kSelf,     7.5006,    101.97,   0.2953,    4.0146308, 0.009869,     20.885,    0.010197,
    /* mmHg   */ 133.3224, 1,         0.001333224,  0.019337,   1.333224,  0.0001333224, 0.1333224, kSelf,     13.5951,  0.039370,  0.5352,    0.0013158,    2.7845,    0.0013595,
    /* mmH2O  */ 9.8067,   0.073554,  0.000098067,  0.0014223,  0.098067,  0.0000098067, 0.0098067, 0.073554,  kSelf,    0.002896,  0.03937,   0.00009678,   0.20481,   0.0001,
    /* inHg   */ 3386.389, 25.4,      0.03386389,   0.49116,    33.86389,  0.0033864,    3.3864,    25.4,      345.3156, kSelf,     13.5951,   0.03342,      70.7262,   0.03453,
    /* inH2O  */ 249.09,   1.8683,    0.0024909,    0.036126,   2.4909,    0.00024909,   0.24909,   1.8683,    25.4,     0.073554,  kSelf,     0.0024583,    5.2023,    0.0025399,
    /* atm    */ 101325,   760,       1.01325,      14.6959,    1013.25,   0.101325,     101.325,   760,       10332,    29.9213,   406.7825,  kSelf,        2116.2167, 1.0332,
    /* lb/ft2 */ 47.8803,  0.3591,    0.0004788026, 0.006944,   0.4788026, 0.0000478803, 0.0478803, 0.3591,    4.8824,   0.014139,  0.1922,    0.00047254,   kSelf,     0.00048824,
    /* kg/cm2 */ 98067,    735.5592,  0.9807,       14.2233,    980.7,     0.0980665,    98.0665,   735.5591,  10000,    28.959,    393.7008,  0.9678,       2048.1615, kSelf,
};
// clang-format on
static_assert(std::size(kPressureFactors) == std::size(kPressureUnits) * std::size(kPressureUnits));

} // namespace

constexpr FieldGroup kPressure{"pressure", kPressureUnits, kFormat6f, kPressureFactors};

} // namespace velmaro::tables
