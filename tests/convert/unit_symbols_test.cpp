// Unit symbols: the labels without their Chinese gloss, and the units a
// symbol names across the quantities. Also the change cycle's single target,
// which must write exactly what the whole cycle writes into that field.

#include "convert/change_cycle.h"
#include "convert/unit_symbols.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace velmaro {
namespace {

std::string SymbolOf(std::string_view quantity, std::size_t index) {
    return std::string(UnitRef{FindQuantity(quantity), index}.symbol());
}

TEST(UnitSymbols, GlossesOfEveryBracketKindGoAndUnitBracketsStay) {
    EXPECT_EQ(SymbolOf("pressure", 0), "Pa");             // "Pa     (帕)"
    EXPECT_EQ(SymbolOf("pressure", 13), "kg/cm2");        // "kg/cm2 (公斤每立方厘米)"
    EXPECT_EQ(SymbolOf("mass-flow", 2), "t/h");           // "t/h （吨每时）"
    EXPECT_EQ(SymbolOf("volume-flow", 6), "ft3/min");     // "ft3/min（立方英尺每分）"
    EXPECT_EQ(SymbolOf("volume-flow", 8), "gal(US)/min"); // nested gloss
    EXPECT_EQ(SymbolOf("temperature", 2), "K");           // "  K (开尔文)"
    EXPECT_EQ(SymbolOf("length", 10), "n mile");
    EXPECT_EQ(SymbolOf("mass", 9), "short t(US)");
    EXPECT_EQ(SymbolOf("heat-transfer-coefficient", 3), "kcal/(m2.h.℃)");
    EXPECT_EQ(SymbolOf("thermal-conductivity", 0), "W(m.K)");
    EXPECT_EQ(SymbolOf("area", 11), "市亩");
}

TEST(UnitSymbols, EverySymbolNamesItsUnitAndIsUniqueInItsQuantity) {
    for (const Quantity& quantity : Quantities()) {
        std::set<std::string_view> seen;
        for (std::size_t i = 0; i < quantity.group->size(); ++i) {
            const UnitRef unit{&quantity, i};
            const std::string_view symbol = unit.symbol();
            EXPECT_FALSE(symbol.empty()) << quantity.id << " " << i;
            EXPECT_TRUE(seen.insert(symbol).second) << quantity.id << " " << symbol;
            EXPECT_EQ(UnitsNamed(quantity, symbol), std::vector<UnitRef>{unit}) << symbol;
        }
    }
}

TEST(UnitSymbols, SharedSymbolsSpellingsAndScales) {
    const auto quantitiesOf = [](std::string_view name) {
        std::string ids;
        for (const UnitRef& unit : UnitsNamed(name)) {
            ids += std::string(unit.quantity->id) + ":" + std::string(unit.symbol()) + " ";
        }
        return ids;
    };
    EXPECT_EQ(quantitiesOf("lb"), "length:lb mass:lb force:lb ");
    EXPECT_EQ(quantitiesOf("m3"), "volume:m3 capacity:m3 ");
    EXPECT_EQ(quantitiesOf("kL"), "capacity:kl,kL ");
    EXPECT_EQ(quantitiesOf("kl,kL"), "capacity:kl,kL ");
    EXPECT_EQ(quantitiesOf("C"), "temperature:°C ");
    EXPECT_EQ(quantitiesOf("℃"), "temperature:°C ");
    EXPECT_EQ(quantitiesOf("F"), "temperature:°F ");
    EXPECT_EQ(quantitiesOf("Pa     (帕)"), ""); // labels are not symbols
    EXPECT_EQ(quantitiesOf("kg"), "");
}

TEST(ConvertOne, WritesWhatTheWholeCycleWritesIntoThatField) {
    for (const Quantity& quantity : Quantities()) {
        const FieldGroup& group = *quantity.group;
        for (std::size_t source = 0; source < group.size(); ++source) {
            for (const char* typed : {"1", "-273.15", "12345.678"}) {
                for (const FieldText& field :
                     Convert(group, group.units[source].controlId, typed)) {
                    const std::size_t target = group.indexOf(field.controlId);
                    EXPECT_EQ(ConvertOne(group, source, target, ParseNumber(typed)), field.text)
                        << quantity.id << " " << source << " to " << target << " of " << typed;
                }
            }
            EXPECT_EQ(ConvertOne(group, source, source, 1.0), std::nullopt);
            EXPECT_EQ(ConvertOne(group, source, group.size(), 1.0), std::nullopt);
        }
    }
}

} // namespace
} // namespace velmaro
