// The texts of the catalogue: each quantity and each unit has its text in the
// program's language, and no text is left over from a unit that is gone.

#include "convert/quantities.h"
#include "res/texts/texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace velmaro::texts {
namespace {

TEST(Texts, EveryQuantityAndUnitHasItsTextAndEveryTextItsOwner) {
    std::set<std::string> wanted;
    for (const Quantity& quantity : Quantities()) {
        wanted.insert(QuantityTextId(quantity));
        EXPECT_FALSE(QuantityName(quantity).empty()) << quantity.id;
        for (std::size_t i = 0; i < quantity.group->size(); ++i) {
            wanted.insert(UnitTextId(quantity, i));
            EXPECT_FALSE(UnitLabel(quantity, i).empty()) << UnitTextId(quantity, i);
        }
    }
    std::set<std::string> given;
    for (const Text& text : ChineseTexts()) {
        EXPECT_TRUE(given.insert(std::string(text.id)).second) << "twice: " << text.id;
        if (std::string(text.id).starts_with("quantity.") ||
            std::string(text.id).starts_with("unit.")) {
            EXPECT_TRUE(wanted.contains(std::string(text.id))) << "no owner: " << text.id;
        }
    }
}

} // namespace
} // namespace velmaro::texts
