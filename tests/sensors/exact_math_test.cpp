#include "sensors/exact_math.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

namespace velmaro::sensors {
namespace {

// Inputs where a common C runtime's pow or exp is one unit in the last place
// off; the expected values are the correctly rounded results, worked out in
// exact arithmetic.
TEST(ExactMath, PowersAreTheCorrectlyRoundedOnes) {
    struct PowerCase {
        double t;
        int n;
        double expected;
    };
    const PowerCase powers[] = {
        {0x1.c3d9a20d7465ep+8, 2, 0x1.8ec444ffc4c1ap+17},
        {0x1.cac1980f52c1p+6, 5, 0x1.27af7c5b424acp+34},
        {0x1.96bf6f9302d13p+10, 5, 0x1.4405f4bdbda98p+53},
        {-0x1.7732e1db0bfd9p+7, 6, 0x1.3d28fc3b8f1a3p+45},
        {0x1.85b96ba7828a6p+9, 11, 0x1.9725fbaca8b02p+105},
    };
    for (const PowerCase& c : powers) {
        EXPECT_EQ(IntegerPower(c.t, c.n), c.expected) << c.t << "^" << c.n;
    }
    EXPECT_EQ(IntegerPower(std::nan(""), 0), 1.0);
    EXPECT_TRUE(std::isnan(IntegerPower(std::nan(""), 3)));
    EXPECT_EQ(IntegerPower(1e200, 2), HUGE_VAL);

    struct ExpCase {
        double x;
        double expected;
    };
    const ExpCase exps[] = {
        {-0x1.e47c7de052c54p+5, 0x1.8bf8b7981a70fp-88},
        {-0x1.96471ef1d4c3p+6, 0x1.61ab0af7c668cp-147},
        {-0x1.2f8a75cf84ae5p+6, 0x1.6f4a4a7f6f5cbp-110},
        {-0x1.60a633214d845p+6, 0x1.c0696f81c6686p-128},
        {-0x1.55377025dc36bp+7, 0x1.d2081a1f72774p-247},
        {0.0, 1.0},
    };
    for (const ExpCase& c : exps) {
        EXPECT_EQ(Exp(c.x), c.expected) << c.x;
    }
}

// Each power of ten is the double the decimal "1e<exponent>" reads as.
TEST(ExactMath, PowersOfTenReadAsTheirDecimals) {
    for (int exponent = -40; exponent <= 40; ++exponent) {
        const std::string text = "1e" + std::to_string(exponent);
        double expected = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        EXPECT_EQ(PowerOfTen(exponent), expected) << text;
    }
}

} // namespace
} // namespace velmaro::sensors
