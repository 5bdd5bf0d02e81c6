#include "res/category_table.h"
#include "res/texts/texts.h"
#include "res/unit_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace velmaro::res {
namespace {

const CategoryLayout& LayoutOf(int templateId) {
    return FindCategoryByTemplate(templateId)->dialog;
}

TEST(CategoryLayouts, EveryFieldOfTheGroupHasOnePlace) {
    std::set<int> templates;
    for (const CategoryLayout* layout : kCategoryLayouts) {
        SCOPED_TRACE(layout->templateId);
        EXPECT_TRUE(templates.insert(layout->templateId).second);
        for (const texts::Language language : texts::kLanguages) {
            EXPECT_FALSE(texts::Lookup(layout->titleTextId, language).empty());
        }
        EXPECT_GT(layout->width, 0);
        EXPECT_GT(layout->height, 0);
        ASSERT_NE(layout->group, nullptr);
        ASSERT_EQ(layout->fields.size(), layout->group->size());
        std::set<int> ids;
        for (const FieldPlace& place : layout->fields) {
            EXPECT_TRUE(ids.insert(place.controlId).second) << place.controlId;
        }
    }
}

TEST(UnitControls, EveryUnitOfTheMainWindowsGroupsHasItsOwnControl) {
    for (const UnitControls* fields :
         {&kPressureFields, &kMassFlowFields, &kVolumeFlowFields, &kTemperatureFields}) {
        SCOPED_TRACE(fields->group->name);
        EXPECT_EQ(fields->controlIds.size(), fields->group->size());
        const std::set<int> ids(fields->controlIds.begin(), fields->controlIds.end());
        EXPECT_EQ(ids.size(), fields->controlIds.size());
    }
}

TEST(CategoryLayouts, TabOrderAndRowsHaveNoGapsOrRepeats) {
    for (const CategoryLayout* layout : kCategoryLayouts) {
        SCOPED_TRACE(layout->templateId);
        std::vector<int> tabs;
        std::map<Column, std::vector<int>> rows;
        for (const FieldPlace& place : layout->fields) {
            tabs.push_back(place.tabPosition);
            rows[place.column].push_back(place.row);
        }
        std::sort(tabs.begin(), tabs.end());
        for (std::size_t i = 0; i < tabs.size(); ++i) {
            EXPECT_EQ(tabs[i], static_cast<int>(i) + 1);
        }
        for (auto& [column, columnRows] : rows) {
            std::sort(columnRows.begin(), columnRows.end());
            for (std::size_t i = 0; i < columnRows.size(); ++i) {
                EXPECT_EQ(columnRows[i], static_cast<int>(i) + 1);
            }
        }
        // Only the diffusion-coefficient and surface-tension dialogs have one column.
        const bool single = layout->templateId == 149 || layout->templateId == 150;
        EXPECT_EQ(rows.contains(Column::Single), single);
        EXPECT_EQ(rows.size(), single ? 1u : 2u);
    }
}

TEST(CategoryLayouts, KeepsTheTitlesAndTheFirstFocus) {
    const auto title = [](int templateId) {
        return texts::Lookup(LayoutOf(templateId).titleTextId, texts::Language::Chinese);
    };
    EXPECT_EQ(title(129), "长度单位转换");
    EXPECT_EQ(title(139), "力 单位换算");
    EXPECT_EQ(title(146), "传热速度单位转换");
    // The length dialog focuses "in" first: its tab order does not follow the columns.
    EXPECT_EQ(LayoutOf(129).fields[6].controlId, 1020);
    EXPECT_EQ(LayoutOf(129).fields[6].tabPosition, 1);
    EXPECT_EQ(LayoutOf(149).width, 158);
    EXPECT_EQ(LayoutOf(149).height, 119);
}

TEST(CategoryTable, EveryRowHasItsOwnButtonAndTheCaptionOfItsQuantity) {
    texts::SetLanguage(texts::Language::Chinese);
    std::set<int> buttons;
    for (const Category& category : kCategories) {
        SCOPED_TRACE(category.dialog.templateId);
        EXPECT_TRUE(buttons.insert(category.buttonId).second);
        EXPECT_FALSE(CategoryCaption(category).empty());
        EXPECT_EQ(FindCategoryByButton(category.buttonId), &category);
    }
    EXPECT_EQ(CategoryCaption(*FindCategoryByTemplate(146)), "传热速度");
}

} // namespace
} // namespace velmaro::res
