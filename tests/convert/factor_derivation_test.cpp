// Every entry of every factor table against the definitions of its two units.
//
// An entry is a rounded constant of its own. It holds when it lies within one
// unit of its last written digit of the true factor (source unit in SI divided
// by target unit in SI); or does so under an older definition that its table
// uses in more than one entry; or is one of the few entries kept on purpose.
// A typo in any entry fails here, with the factor it should have been.

#include "convert/number_text.h"
#include "linear_groups.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro {
namespace {

using namespace velmaro::tables;
using testing::UnitNamed;

// Definitions in SI units, from NIST SP 811 (2008 edition, appendix B) and the
// SI brochure (9th edition); exact where the definition is exact. The Chinese
// market units are exact by their own definition: 1 市尺 = 1/3 m, 1 市斤 =
// 0.5 kg, 1 市亩 = 60 square 丈 = 10000/15 m2.
constexpr double kInch = 0.0254;                     // m
constexpr double kFoot = 12 * kInch;                 // m
constexpr double kYard = 3 * kFoot;                  // m
constexpr double kMile = 1609.344;                   // m, statute
constexpr double kNauticalMile = 1852;               // m
constexpr double kPoint = kInch / 72;                // m, typographic
constexpr double kChi = 1.0 / 3;                     // m, 市尺
constexpr double kMu = 10000.0 / 15;                 // m2, 市亩
constexpr double kAcre = 4840 * kYard * kYard;       // m2
constexpr double kCubicInch = kInch * kInch * kInch; // m3
constexpr double kCubicFoot = kFoot * kFoot * kFoot; // m3
constexpr double kGallonUS = 231 * kCubicInch;       // m3, 3.785411784 L
constexpr double kGallonUK = 4.54609e-3;             // m3, imperial
constexpr double kBarrelUS = 42 * kGallonUS;         // m3, oil barrel
constexpr double kPound = 0.45359237;                // kg
constexpr double kGrain = kPound / 7000;             // kg
constexpr double kOunce = kPound / 16;               // kg, avoirdupois
constexpr double kJin = 0.5;                         // kg, 市斤
constexpr double kGravity = 9.80665;                 // m/s2, standard
constexpr double kPoundForce = kPound * kGravity;    // N
constexpr double kPoundal = kPound * kFoot;          // N
constexpr double kAtmosphere = 101325;               // Pa
constexpr double kTorr = kAtmosphere / 760;          // Pa
constexpr double kMmHg = 133.322387415;              // Pa, conventional
constexpr double kCalorie = 4.1868;                  // J, international table
constexpr double kBtu = 1055.05585262;               // J, international table
constexpr double kFootPound = kFoot * kPoundForce;   // J
constexpr double kHorsepower = 550 * kFootPound;     // W
constexpr double kFahrenheitDegree = 5.0 / 9;        // K, as a difference
constexpr double kHour = 3600;                       // s
constexpr double kDay = 24 * kHour;                  // s
constexpr double kOperatingYear = 8000 * kHour;      // s, the mass-flow year

// Older definitions that some tables use, each in more than one entry.
constexpr double kMmH2O4C = 9.80638;        // Pa, water column at 4 °C (NIST SP 811)
constexpr double kInH2O4C = 249.082;        // Pa, water column at 4 °C (NIST SP 811)
constexpr double kGallonUKOld = 4.54596e-3; // m3, as listed before the 1985 definition

struct Unit {
    std::string_view name; // the label, or its start before the gloss
    double si;
};

struct TableDefinitions {
    const FieldGroup* group;
    std::vector<Unit> units;
    // The table's older definitions, which an entry may follow instead.
    std::vector<Unit> older;
};

// clang-format off
const TableDefinitions kDefinitions[] = {
    {&kPressure,
     {{"Pa", 1}, {"Torr", kTorr}, {"bar", 1e5}, {"psi", kPoundForce / (kInch * kInch)},
      {"mba", 100}, {"MPa", 1e6}, {"kPa", 1e3}, {"mmHg", kMmHg}, {"mmH2O", kGravity},
      {"inHg", 25.4 * kMmHg}, {"inH2O", 25.4 * kGravity}, {"atm", kAtmosphere},
      {"lb/ft2", kPoundForce / (kFoot * kFoot)}, {"kg/cm2", kGravity * 1e4}},
     // Water columns at 4 °C.
     {{"mmH2O", kMmH2O4C}, {"inH2O", kInH2O4C}}},
    {&kMassFlow,
     {{"kg/h", 1 / kHour}, {"kg/s", 1}, {"t/h", 1e3 / kHour}, {"t/d", 1e3 / kDay},
      {"t/a", 1e3 / kOperatingYear}, {"lb/s", kPound}, {"lb/h", kPound / kHour},
      {"lb/d", kPound / kDay}},
     {}},
    {&kVolumeFlow,
     {{"l/min", 1e-3 / 60}, {"l/s", 1e-3}, {"bbl/d", kBarrelUS / kDay}, {"m3/h", 1 / kHour},
      {"m3/min", 1.0 / 60}, {"m3/s", 1}, {"ft3/min", kCubicFoot / 60}, {"ft3/s", kCubicFoot},
      {"gal(US)/min", kGallonUS / 60}, {"gal(UK)/min", kGallonUK / 60}},
     // The imperial gallon as listed before 1985.
     {{"gal(UK)/min", kGallonUKOld / 60}}},
    {&kLength,
     {{"km", 1e3}, {"m", 1}, {"dm", 0.1}, {"cm", 0.01}, {"mm", 1e-3}, {"μm", 1e-6},
      {"in", kInch}, {"ft", kFoot}, {"yd", kYard}, {"mile", kMile}, {"n mile", kNauticalMile},
      {"lb", kPoint}},
     {}},
    {&kArea,
     {{"km2", 1e6}, {"hm2", 1e4}, {"m2", 1}, {"dm2", 1e-2}, {"cm2", 1e-4}, {"mm2", 1e-6},
      {"in2", kInch * kInch}, {"ft2", kFoot * kFoot}, {"yd2", kYard * kYard}, {"Acer", kAcre},
      {"市尺2", kChi * kChi}, {"市亩", kMu}},
     {}},
    {&kVolume,
     {{"m3", 1}, {"dm3", 1e-3}, {"cm3", 1e-6}, {"mm3", 1e-9}, {"in3", kCubicInch},
      {"ft3", kCubicFoot}, {"yd3", kYard * kYard * kYard}, {"市尺3", kChi * kChi * kChi}},
     {}},
    {&kCapacity,
     {{"m3", 1}, {"kl,kL", 1}, {"I,L", 1e-3}, {"ml", 1e-6}, {"in3", kCubicInch},
      {"ft3", kCubicFoot}, {"gal(US)", kGallonUS}, {"gal(Uk)", kGallonUK},
      {"bbl(US)", kBarrelUS}, {"bbl(UK)", 35 * kGallonUK}},
     // The imperial gallon as listed before 1985, and the barrel of 35 of them.
     {{"gal(Uk)", kGallonUKOld}, {"bbl(UK)", 35 * kGallonUKOld}}},
    {&kMass,
     {{"t", 1e3}, {"Mg", 1e3}, {"Kg", 1}, {"g", 1e-3}, {"mg", 1e-6}, {"μg", 1e-9},
      {"gr", kGrain}, {"oz", kOunce}, {"lb", kPound}, {"short t(US)", 2000 * kPound},
      {"long t(UK)", 2240 * kPound}, {"市斤", kJin}},
     {}},
    {&kForce,
     {{"kgf", kGravity}, {"g", kGravity * 1e-3}, {"kN", 1e3}, {"N", 1}, {"dyn", 1e-5},
      {"gr", kGrain * kGravity}, {"pdl", kPoundal}, {"lb", kPoundForce},
      {"short t(US)", 2000 * kPoundForce}, {"long t(UK)", 2240 * kPoundForce}},
     {}},
    {&kSpeed,
     {{"m/s", 1}, {"m/min", 1.0 / 60}, {"m/h", 1 / kHour}, {"km/h", 1e3 / kHour},
      {"ft/s", kFoot}, {"ft/min", kFoot / 60}, {"yd/s", kYard}, {"mile/h", kMile / kHour},
      {"n mile/h", kNauticalMile / kHour}, {"kn", kNauticalMile / kHour}},
     {}},
    {&kDensity,
     {{"kg/m3", 1}, {"kg/dm3", 1e3}, {"g/ml", 1e3}, {"g/cm3", 1e3}, {"g/m3", 1e-3},
      {"Mg/m3", 1e3}, {"t/m3", 1e3}, {"lb/in3", kPound / kCubicInch},
      {"lb/ft3", kPound / kCubicFoot}, {"lb/gal[US]", kPound / kGallonUS},
      {"lb/gal[UK]", kPound / kGallonUK}, {"t[UK]/yd3", 2240 * kPound / (27 * kCubicFoot)}},
     // The imperial gallon as listed before 1985.
     {{"lb/gal[UK]", kPound / kGallonUKOld}}},
    {&kEnergy,
     {{"mJ", 1e-3}, {"J", 1}, {"kJ", 1e3}, {"MJ", 1e6}, {"kcal", 1e3 * kCalorie},
      {"BTU", kBtu}, {"Kw.h", 3.6e6}, {"Hp.h", kHorsepower * kHour}, {"kg.m", kGravity},
      {"ft.lb", kFootPound}, {"I.atm", kAtmosphere * 1e-3}, {"ft.pdl", kPoundal * kFoot}},
     {}},
    {&kPower,
     {{"mW", 1e-3}, {"W", 1}, {"kW", 1e3}, {"MW", 1e6}, {"kg.m/s", kGravity},
      {"kcal/h", 1e3 * kCalorie / kHour}, {"ft.lb/s", kFootPound}, {"HP", kHorsepower},
      {"BTU/min", kBtu / 60}, {"BTU/h", kBtu / kHour}, {"erg/s", 1e-7}, {"J/s", 1}},
     {}},
    {&kHeatFlux,
     {{"W/(cm2)", 1e4}, {"kW/(m2)", 1e3}, {"cal/(cm2.s)", kCalorie * 1e4},
      {"cal/(cm2.h)", kCalorie * 1e4 / kHour}, {"kcal/(m2.s)", 1e3 * kCalorie},
      {"kcal/(m2.h)", 1e3 * kCalorie / kHour}, {"BTU/(ft2.s)", kBtu / (kFoot * kFoot)},
      {"BTU/(ft2.h)", kBtu / (kFoot * kFoot) / kHour}},
     {}},
    {&kHeatTransferCoef,
     {{"W/(m2.℃)", 1}, {"W/(cm2.℃)", 1e4}, {"kcal/(m2.s.℃)", 1e3 * kCalorie},
      {"kcal/(m2.h.℃)", 1e3 * kCalorie / kHour},
      {"BTU/(ft2.s.°F)", kBtu / (kFoot * kFoot) / kFahrenheitDegree},
      {"BTU/(ft2.h.°F)", kBtu / (kFoot * kFoot) / kFahrenheitDegree / kHour}},
     {}},
    {&kThermalConductivity,
     {{"W(m.K)", 1}, {"W(cm.K)", 100}, {"kcal/(cm.s.K)", 1e5 * kCalorie},
      {"kcal/(cm.h.K)", 1e5 * kCalorie / kHour}, {"kcal/(m.s.K)", 1e3 * kCalorie},
      {"kcal/(m.h.K)", 1e3 * kCalorie / kHour},
      {"BTU/(in.s.°F)", kBtu / kInch / kFahrenheitDegree},
      {"BTU/(in.h.°F)", kBtu / kInch / kFahrenheitDegree / kHour},
      {"BTU/(ft.s.°F)", kBtu / kFoot / kFahrenheitDegree},
      {"BTU/(ft.h.°F)", kBtu / kFoot / kFahrenheitDegree / kHour}},
     {}},
    {&kDynamicViscosity,
     {{"mPa.s", 1e-3}, {"Pa.s", 1}, {"cP", 1e-3}, {"P", 0.1}, {"kg/(m.s)", 1},
      {"kg/(m.h)", 1 / kHour}, {"lb/(ft.s)", kPound / kFoot}, {"lb/(ft.h)", kPound / kFoot / kHour},
      {"dyn.s/cm2", 0.1}, {"kgf.s/m2", kGravity}, {"lb.s/ft2", kPoundForce / (kFoot * kFoot)},
      {"lb.h/ft2", kPoundForce / (kFoot * kFoot) * kHour}},
     {}},
    {&kKinematicViscosity,
     {{"cSt", 1e-6}, {"St", 1e-4}, {"mm2/s", 1e-6}, {"cm2/s", 1e-4}, {"m2/s", 1},
      {"m2/h", 1 / kHour}, {"ft2/s", kFoot * kFoot}, {"ft2/h", kFoot * kFoot / kHour}},
     {}},
    {&kDiffusionCoef,
     {{"cm2/s", 1e-4}, {"m2/h", 1 / kHour}, {"in2/s", kInch * kInch},
      {"ft2/h", kFoot * kFoot / kHour}},
     {}},
    {&kSurfaceTension,
     {{"N/m", 1}, {"mN/m", 1e-3}, {"g/cm", kGravity * 1e-3 / 0.01}, {"kg/m", kGravity},
      {"dyn/cm", 1e-3}, {"lb/ft", kPoundForce / kFoot}},
     {}},
};
// clang-format on

struct Entry {
    const FieldGroup* group;
    std::string_view from;
    std::string_view to;
};

// Entries kept as the tables list them although no definition gives them:
// each is a deliberate choice of its table.
const Entry kKeptAsListed[] = {
    {&kSpeed, "n mile/h", "m/s"},              // 0.5114, beside 0.5144 from kn
    {&kDensity, "g/ml", "kg/m3"},              // 999.97 and 999970 from the two gram
    {&kDensity, "g/ml", "g/m3"},               // units, the density of water at 4 °C,
    {&kDensity, "g/cm3", "kg/m3"},             // where kg/dm3, Mg/m3 and t/m3 give
    {&kDensity, "g/cm3", "g/m3"},              // 1000 and 1000000
    {&kDynamicViscosity, "lb/(ft.h)", "Pa.s"}, // 0.000414338, beside 0.00041338
    {&kSurfaceTension, "dyn/cm", "lb/ft"},     // the dyn/cm row rounds apart from mN/m's
};

// One unit of the last digit of `entry` as written: the smallest number of
// decimals that gives the entry back, or for a whole number the place of its
// last digit that is not zero.
double LastDigit(double entry) {
    for (int decimals = 1; decimals <= 24; ++decimals) {
        if (ParseNumber(FormatFixed(entry, {0, decimals})) == entry &&
            ParseNumber(FormatFixed(entry, {0, decimals - 1})) != entry) {
            return std::pow(10.0, -decimals);
        }
    }
    double unit = 1;
    while (std::fmod(entry, unit * 10) == 0) {
        unit *= 10;
    }
    return unit;
}

// The SI value of every unit of `group`, by its position; NaN for a unit with
// none given.
std::vector<double> ByPosition(const FieldGroup& group, const std::vector<Unit>& units) {
    std::vector<double> si(group.size(), std::numeric_limits<double>::quiet_NaN());
    for (const Unit& unit : units) {
        const std::size_t index = UnitNamed(group, unit.name);
        if (index < group.size()) {
            EXPECT_TRUE(std::isnan(si[index])) << unit.name << " defined twice";
            si[index] = unit.si;
        }
    }
    return si;
}

bool Within(double entry, double truth) {
    return std::abs(entry - truth) <= LastDigit(entry) * (1 + 1e-9);
}

bool KeptAsListed(const FieldGroup& group, std::size_t s, std::size_t t) {
    for (const Entry& kept : kKeptAsListed) {
        if (kept.group == &group && UnitNamed(group, kept.from) == s &&
            UnitNamed(group, kept.to) == t) {
            return true;
        }
    }
    return false;
}

TEST(FactorTables, EveryEntryFollowsFromTheDefinitionsOfItsUnits) {
    ASSERT_EQ(std::size(kDefinitions), std::size(testing::kLinearGroups));
    for (std::size_t i = 0; i < std::size(kDefinitions); ++i) {
        const TableDefinitions& table = kDefinitions[i];
        const FieldGroup& group = *table.group;
        EXPECT_EQ(&group, testing::kLinearGroups[i].group);
        SCOPED_TRACE(group.name);
        ASSERT_EQ(table.units.size(), group.size());
        const std::vector<double> si = ByPosition(group, table.units);
        const std::vector<double> older = ByPosition(group, table.older);
        int onlyByOlder = 0;
        for (std::size_t s = 0; s < group.size(); ++s) {
            for (std::size_t t = 0; t < group.size(); ++t) {
                if (s == t) {
                    continue;
                }
                const double entry = group.factor(s, t);
                const double truth = si[s] / si[t];
                // Either unit may follow its older definition, where it has one.
                const double from[] = {si[s], std::isnan(older[s]) ? si[s] : older[s]};
                const double to[] = {si[t], std::isnan(older[t]) ? si[t] : older[t]};
                bool byOlder = false;
                for (const double f : from) {
                    for (const double g : to) {
                        byOlder = byOlder || Within(entry, f / g);
                    }
                }
                const bool byDefinition = Within(entry, truth);
                const bool kept = KeptAsListed(group, s, t);
                if (byOlder && !byDefinition) {
                    ++onlyByOlder;
                }
                EXPECT_TRUE(byDefinition || byOlder || kept)
                    << group.units[s].symbol << " -> " << group.units[t].symbol << ": "
                    << FormatFixed(entry, {0, 12}) << ", true factor "
                    << FormatFixed(truth, {0, 12});
                EXPECT_FALSE(kept && (byDefinition || byOlder))
                    << group.units[s].symbol << " -> " << group.units[t].symbol
                    << " follows from the definitions; it need not be kept";
            }
        }
        // An older definition explains a table's habit, never a single entry.
        EXPECT_TRUE(table.older.empty() || onlyByOlder > 1) << onlyByOlder;
    }
}

} // namespace
} // namespace velmaro
