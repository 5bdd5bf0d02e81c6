#include "res/category_layouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace velmaro::res {
namespace {

TEST(CategoryLayouts, EveryFieldOfTheGroupHasOnePlace) {
    std::set<int> templates;
    for (const CategoryLayout* layout : kCategoryLayouts) {
        SCOPED_TRACE(layout->templateId);
        EXPECT_TRUE(templates.insert(layout->templateId).second);
        EXPECT_FALSE(layout->title.empty());
        EXPECT_GT(layout->width, 0);
        EXPECT_GT(layout->height, 0);
        ASSERT_NE(layout->group, nullptr);
        ASSERT_EQ(layout->fields.size(), layout->group->size());
        for (std::size_t i = 0; i < layout->fields.size(); ++i) {
            EXPECT_EQ(layout->fields[i].controlId, layout->group->units[i].controlId) << i;
        }
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
    EXPECT_EQ(kLengthLayout.title, "长度单位转换");
    EXPECT_EQ(kForceLayout.title, "力 单位换算");
    EXPECT_EQ(kHeatFluxLayout.title, "传热速度单位转换");
    // The length dialog focuses "in" first: its tab order does not follow the columns.
    EXPECT_EQ(kLengthLayout.fields[6].controlId, 1020);
    EXPECT_EQ(kLengthLayout.fields[6].tabPosition, 1);
    EXPECT_EQ(kDiffusionCoefLayout.width, 158);
    EXPECT_EQ(kDiffusionCoefLayout.height, 119);
}

} // namespace
} // namespace velmaro::res
