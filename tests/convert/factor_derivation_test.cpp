// Every entry of every factor table against the definitions of its two units.
//
// An entry is a rounded constant of its own. It holds when it lies within one
// unit of its last written digit of the true factor (source unit in SI divided
// by target unit in SI); or does so under an older definition that its table
// uses in more than one entry; or is one of the few entries kept on purpose.
// A typo in any entry fails here, with the factor it should have been.

#include "convert/number_text.h"
#include "convert/unit_definitions.h"
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

// The units' own definitions are the catalogue's (unit.si, from
// convert/unit_definitions.h, which the tools convert by). Older definitions that some tables use,
// each in more than one entry.
constexpr double kMmH2O4C = 9.80638;        // Pa, water column at 4 °C (NIST SP 811)
constexpr double kInH2O4C = 249.082;        // Pa, water column at 4 °C (NIST SP 811)
constexpr double kGallonUKOld = 4.54596e-3; // m3, as listed before the 1985 definition

struct Unit {
    std::string_view name; // the label, or its start before the gloss
    double si;
};

// A table's older definitions, which an entry may follow instead.
struct TableDefinitions {
    const FieldGroup* group;
    std::vector<Unit> older;
};

const TableDefinitions kOlderDefinitions[] = {
    // Water columns at 4 °C.
    {&kPressure, {{"mmH2O", kMmH2O4C}, {"inH2O", kInH2O4C}}},
    // The imperial gallon as listed before 1985, and the barrel of 35 of them.
    {&kVolumeFlow, {{"gal(UK)/min", kGallonUKOld / 60}}},
    {&kCapacity, {{"gal(Uk)", kGallonUKOld}, {"bbl(UK)", 35 * kGallonUKOld}}},
    {&kDensity, {{"lb/gal[UK]", si::kPound / kGallonUKOld}}},
};

std::vector<Unit> OlderOf(const FieldGroup& group) {
    for (const TableDefinitions& table : kOlderDefinitions) {
        if (table.group == &group) {
            return table.older;
        }
    }
    return {};
}

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
    for (const testing::LinearGroup& linear : testing::kLinearGroups) {
        const FieldGroup& group = *linear.group;
        SCOPED_TRACE(group.name);
        std::vector<double> si;
        for (const velmaro::Unit& unit : group.units) {
            EXPECT_GT(unit.si, 0.0) << unit.symbol << " has no definition";
            EXPECT_EQ(unit.siOffset, 0.0) << unit.symbol;
            si.push_back(unit.si);
        }
        const std::vector<Unit> olderUnits = OlderOf(group);
        const std::vector<double> older = ByPosition(group, olderUnits);
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
        EXPECT_TRUE(olderUnits.empty() || onlyByOlder > 1) << onlyByOlder;
    }
}

} // namespace
} // namespace velmaro
