// The texts of the catalogue: each quantity, unit and sensor type has its text
// in the program's language, and no text is left over from one that is gone.

#include "convert/quantities.h"
#include "res/texts/texts.h"
#include "sensors/sensor_panel_rule.h"

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
    for (const auto family : {sensors::SensorFamily::Thermocouple, sensors::SensorFamily::Rtd}) {
        const sensors::PanelFamily& panel = sensors::FamilyOf(family);
        for (const std::string_view id :
             {panel.captionTextId, panel.unitTextId, sensors::kOutOfRangeTextId,
              sensors::kOutOfRangeCaptionTextId}) {
            EXPECT_FALSE(Lookup(id).empty()) << id;
        }
        for (unsigned type = 0; type < sensors::TypeCount(family); ++type) {
            wanted.insert(sensors::TypeTextId(family, type));
            EXPECT_FALSE(Lookup(sensors::TypeTextId(family, type)).empty())
                << sensors::TypeTextId(family, type);
        }
    }
    std::set<std::string> given;
    for (const Text& text : ChineseTexts()) {
        EXPECT_TRUE(given.insert(std::string(text.id)).second) << "twice: " << text.id;
        const std::string id(text.id);
        if (id.starts_with("quantity.") || id.starts_with("unit.") ||
            id.starts_with("sensor.type.")) {
            EXPECT_TRUE(wanted.contains(std::string(text.id))) << "no owner: " << text.id;
        }
    }
}

} // namespace
} // namespace velmaro::texts
