#include "linear_groups.h"

#include <gtest/gtest.h>

#include <cmath>

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

} // namespace
} // namespace velmaro
