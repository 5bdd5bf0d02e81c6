#include "linear_groups.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string_view>

namespace velmaro {
namespace {

using testing::kLinearGroups;
using testing::LinearGroup;

TEST(UnitTables, EveryGroupIsASquareTableOfItsOwnPositiveConstants) {
    for (const LinearGroup& row : kLinearGroups) {
        SCOPED_TRACE(row.name);
        const FieldGroup& group = *row.group;
        EXPECT_EQ(group.name, row.name);
        EXPECT_EQ(group.format, row.format);
        EXPECT_EQ(group.formula, nullptr);
        ASSERT_EQ(group.size(), row.size);
        ASSERT_EQ(group.factors.size(), row.size * row.size);
        for (std::size_t s = 0; s < row.size; ++s) {
            for (std::size_t t = 0; t < row.size; ++t) {
                const double f = group.factor(s, t);
                if (s == t) {
                    EXPECT_TRUE(std::isnan(f)) << "diagonal " << s;
                } else {
                    EXPECT_TRUE(std::isfinite(f) && f > 0.0) << s << " -> " << t << ": " << f;
                }
            }
        }
    }
}

TEST(UnitTables, ControlIdsAndLabelsAreUniqueWithinAGroup) {
    for (const LinearGroup& row : kLinearGroups) {
        SCOPED_TRACE(row.name);
        std::set<int> ids;
        std::set<std::string_view> labels;
        for (const UnitField& unit : row.group->units) {
            EXPECT_TRUE(ids.insert(unit.controlId).second) << unit.controlId;
            EXPECT_FALSE(unit.label.empty());
            EXPECT_TRUE(labels.insert(unit.label).second) << unit.label;
            EXPECT_EQ(row.group->indexOf(unit.controlId), ids.size() - 1);
        }
    }
}

} // namespace
} // namespace velmaro
