// The texts of the catalogue: each quantity, unit and sensor type has its text
// in each language, no text is left over from one that is gone, and every
// language has every text of the other.

#include "convert/quantities.h"
#include "res/language.h"
#include "res/text_lines.h"
#include "res/texts/texts.h"
#include "sensors/sensor_panel_rule.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

namespace velmaro::texts {
namespace {

TEST(Texts, EveryQuantityAndUnitHasItsTextAndEveryTextItsOwner) {
    std::set<std::string> wanted;
    for (const Language language : kLanguages) {
        SetLanguage(language);
        for (const Quantity& quantity : Quantities()) {
            wanted.insert(QuantityTextId(quantity));
            EXPECT_FALSE(QuantityName(quantity).empty()) << quantity.id;
            for (std::size_t i = 0; i < quantity.group->size(); ++i) {
                wanted.insert(UnitTextId(quantity, i));
                EXPECT_FALSE(UnitLabel(quantity, i).empty()) << UnitTextId(quantity, i);
            }
        }
        for (const auto family :
             {sensors::SensorFamily::Thermocouple, sensors::SensorFamily::Rtd}) {
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
    }
    SetLanguage(Language::Chinese);
    for (const Language language : kLanguages) {
        std::set<std::string> given;
        for (const Text& text : TextsOf(language)) {
            EXPECT_TRUE(given.insert(std::string(text.id)).second) << "twice: " << text.id;
            const std::string id(text.id);
            if (id.starts_with("quantity.") || id.starts_with("unit.") ||
                id.starts_with("sensor.type.")) {
                EXPECT_TRUE(wanted.contains(std::string(text.id))) << "no owner: " << text.id;
            }
        }
    }
}

// The marks a text is filled in at ("{pressure}").
std::set<std::string> MarksOf(std::string_view text) {
    static const std::regex kMark(R"(\{[a-z-]+\})");
    const std::string copy(text);
    std::set<std::string> marks;
    for (auto it = std::sregex_iterator(copy.begin(), copy.end(), kMark);
         it != std::sregex_iterator(); ++it) {
        marks.insert(it->str());
    }
    return marks;
}

bool HasChinese(std::string_view text) {
    return std::regex_search(std::string(text), std::regex("[\xE3-\xE9][\x80-\xBF][\x80-\xBF]"));
}

TEST(Texts, EnglishHasEveryTextOfChineseWithTheSameMarksAndNoChinese) {
    std::map<std::string_view, std::string_view> english;
    for (const Text& text : EnglishTexts()) {
        english.emplace(text.id, text.text);
        EXPECT_FALSE(Lookup(text.id, Language::Chinese).empty()) << "only in English: " << text.id;
        // The language command names both languages, so either reader finds it.
        if (text.id != "menu.language") {
            EXPECT_FALSE(HasChinese(text.text)) << text.id;
        }
    }
    for (const Text& text : ChineseTexts()) {
        const auto found = english.find(text.id);
        if (found == english.end()) {
            ADD_FAILURE() << "no English: " << text.id;
            continue;
        }
        // The About box's company line has no caption in English.
        EXPECT_TRUE(!found->second.empty() || text.id == "about.company") << text.id;
        EXPECT_EQ(MarksOf(found->second), MarksOf(text.text)) << text.id;
    }
    EXPECT_EQ(Lookup("no.such.text", Language::English), "");
}

TEST(Texts, FillInPutsEachValueAtItsMarkAndKeepsUnknownMarks) {
    const FillInValue values[] = {{"n", "14"}, {"names", "a, b"}};
    EXPECT_EQ(FillIn("{n} units: {names}; {n}", values), "14 units: a, b; 14");
    EXPECT_EQ(FillIn("{other} and {", values), "{other} and {");
}

TEST(Texts, LanguageCodesReadBack) {
    for (const Language language : kLanguages) {
        EXPECT_EQ(LanguageOfCode(LanguageCode(language)), language);
    }
    EXPECT_FALSE(LanguageOfCode("de").has_value());
    EXPECT_FALSE(LanguageOfCode("").has_value());
}

TEST(TextLines, LongLinesBreakAfterABlankOrAListMarkAndShortOnesStay) {
    struct Case {
        const char* text;
        int columns;
        const char* broken;
    };
    const Case cases[] = {
        {"one two three", 8, "one two\nthree"},
        {"short\nlines stay", 10, "short\nlines stay"},
        {"  indented stays", 40, "  indented stays"},
        {"unbreakable", 4, "unbreakable"},
        // A list mark stays at the end of its line; a Chinese character is two columns.
        {"长度、面积、体积", 12, "长度、面积、\n体积"},
        {"按钮：长度和面积", 8, "按钮：\n长度和面积"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(res::BreakLines(c.text, c.columns), c.broken) << c.text;
    }
    EXPECT_EQ(res::ColumnsOf("Pt100、°C"), 9);
    EXPECT_EQ(res::LineCount("a\nb\n"), 3);
}

TEST(Language, ChineseForADesktopWithAnyChineseLanguageEnglishOtherwise) {
    const std::pair<QStringList, Language> cases[] = {
        {{"zh-Hans-CN"}, Language::Chinese}, {{"en-US", "zh_TW"}, Language::Chinese},
        {{"ZH"}, Language::Chinese},         {{"en-GB", "de-DE"}, Language::English},
        {{"zu-ZA"}, Language::English},      {{}, Language::English},
    };
    for (const auto& [uiLanguages, language] : cases) {
        EXPECT_EQ(res::LanguageOfDesktop(uiLanguages), language)
            << uiLanguages.join(u',').toStdString();
    }
}

} // namespace
} // namespace velmaro::texts
