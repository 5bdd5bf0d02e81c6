// Units by name: every spelling of a unit names it within its quantity, and
// the names that several quantities share or that differ only in case. Also
// the change cycle's single target, which must write exactly what the whole
// cycle writes into that field.

#include "convert/change_cycle.h"
#include "convert/unit_symbols.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace velmaro {
namespace {

TEST(UnitSymbols, EverySpellingNamesItsUnitAloneWithinItsQuantity) {
    for (const Quantity& quantity : Quantities()) {
        std::set<std::string_view> seen;
        for (std::size_t i = 0; i < quantity.group->size(); ++i) {
            const UnitRef unit{&quantity, i};
            EXPECT_FALSE(unit.symbol().empty()) << quantity.id << " " << i;
            ForEachName(unit.unit(), [&](std::string_view spelling) {
                EXPECT_TRUE(seen.insert(spelling).second) << quantity.id << " " << spelling;
                EXPECT_EQ(UnitsNamed(quantity, spelling), std::vector<UnitRef>{unit}) << spelling;
            });
        }
    }
}

TEST(UnitSymbols, NamesAcrossQuantitiesAndCases) {
    const struct {
        std::string_view name;
        std::string_view units;
    } cases[] = {
        {"lb", "length:lb mass:lb force:lb "},
        {"m3", "volume:m3 capacity:m3 "},
        {"kg", "mass:kg "},
        {"Kg", "mass:kg "}, // the older symbols stay as aliases
        {"KG", "mass:kg "}, // another case, where no unit of mass clashes
        {"mba", "pressure:mbar "},
        {"MBAR", "pressure:mbar "},
        {"l", "capacity:l "},
        {"L", "capacity:l "},
        {"kl", "capacity:kL "},
        {"Kw.h", "energy:kWh "},
        {"W(m.K)", "thermal-conductivity:W/(m.K) "},
        {"W/(m2.℃)", "heat-transfer-coefficient:W/(m2.K) "},
        {"C", "temperature:°C "},
        {"℃", "temperature:°C "},
        {"degC", "temperature:°C "},
        {"F", "temperature:°F "},
        {"kn", "speed:kn "},          // exact: the force's kN is not asked
        {"KN", "force:kN speed:kn "}, // no exact match: case decides nothing
        {"mj", ""},                   // mJ or MJ: case cannot choose
        {"Pa     (帕)", ""},          // labels are not names
    };
    for (const auto& c : cases) {
        std::string units;
        for (const UnitRef& unit : UnitsNamed(c.name)) {
            units += std::string(unit.quantity->id) + ":" + std::string(unit.symbol()) + " ";
        }
        EXPECT_EQ(units, c.units) << c.name;
    }
}

TEST(ConvertOne, WritesWhatTheWholeCycleWritesIntoThatField) {
    for (const Quantity& quantity : Quantities()) {
        const FieldGroup& group = *quantity.group;
        for (std::size_t source = 0; source < group.size(); ++source) {
            for (const char* typed : {"1", "-273.15", "12345.678"}) {
                for (const UnitText& field : Convert(group, source, typed)) {
                    EXPECT_EQ(ConvertOne(group, source, field.unitIndex, ParseNumber(typed)),
                              field.text)
                        << quantity.id << " " << source << " to " << field.unitIndex << " of "
                        << typed;
                }
            }
            EXPECT_EQ(ConvertOne(group, source, source, 1.0), std::nullopt);
            EXPECT_EQ(ConvertOne(group, source, group.size(), 1.0), std::nullopt);
        }
    }
}

} // namespace
} // namespace velmaro
