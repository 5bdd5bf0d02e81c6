#include "convert/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace velmaro {
namespace {

struct ParseCase {
    const char* text;
    double expected;
};

TEST(ParseNumber, ReadsTheLeadingNumberLikeAtof) {
    const ParseCase cases[] = {
        {"", 0.0},        {"abc", 0.0}, {"-", 0.0},        {".", 0.0},      {"+", 0.0},
        {"-.", 0.0},      {"e5", 0.0},  {" 12abc", 12.0},  {"\t\n 7", 7.0}, {"1e3", 1000.0},
        {"1E+3", 1000.0}, {"1e", 1.0},  {"1e+", 1.0},      {"1e-", 1.0},    {"2.5e-1x", 0.25},
        {"0.", 0.0},      {"-2", -2.0}, {"+4.5", 4.5},     {".5", 0.5},     {"1.2.3", 1.2},
        {"12 34", 12.0},  {"1,5", 1.0}, {"--1", 0.0},      {"- 1", 0.0},    {"0x1A", 0.0},
        {"inf", 0.0},     {"nan", 0.0}, {"infinity", 0.0}, {"1e-400", 0.0}, {"101325", 101325.0},
    };
    for (const ParseCase& c : cases) {
        EXPECT_EQ(ParseNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseNumber, OverflowGivesInfinityWithItsSign) {
    EXPECT_EQ(ParseNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumber("1e99999999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumber("0e99999999999999999999999"), 0.0);
    EXPECT_EQ(ParseNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(ParseNumber, AgreesWithTheCRuntimeOnLongAndRandomNumbers) {
    std::setlocale(LC_ALL, "C");
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 40);
    std::uniform_int_distribution<int> exponent(-330, 330);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        if (i % 3 == 0) {
            text += '-';
        }
        const int before = length(random);
        for (int k = 0; k < before; ++k) {
            text += static_cast<char>('0' + digit(random));
        }
        if (i % 2 == 0) {
            text += '.';
            const int after = length(random);
            for (int k = 0; k < after; ++k) {
                text += static_cast<char>('0' + digit(random));
            }
        }
        if (i % 4 == 0) {
            text += 'e' + std::to_string(exponent(random));
        }
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(ParseNumber(text), expected) << text;
    }
    const std::string longText = "1" + std::string(300, '0') + ".5";
    EXPECT_EQ(ParseNumber(longText), std::strtod(longText.c_str(), nullptr));
}

TEST(FormatFixed, MatchesPrintfForTheFieldFormats) {
    std::setlocale(LC_ALL, "C");
    struct Format {
        FixedFormat format;
        const char* printf;
    };
    const Format formats[] = {{kFormat8f, "%.8f"}, {kFormat6f, "%.6f"}, {kFormat2_6f, "%2.6f"},
                              {kFormatF, "%f"},    {kFormat2f, "%.2f"}, {kFormat5f, "%.5f"}};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 40);
    char expected[512];
    for (const Format& f : formats) {
        for (int i = 0; i < 5000; ++i) {
            const double value = mantissa(random) * std::pow(10.0, exponent(random));
            std::snprintf(expected, sizeof expected, f.printf, value);
            ASSERT_EQ(FormatFixed(value, f.format), expected) << f.printf << " of " << value;
        }
        // Exact ties round to even, as printf does.
        for (double tie : {0.125, 0.375, 2.5e-7, -0.0000005, 1.0000005}) {
            std::snprintf(expected, sizeof expected, f.printf, tie);
            EXPECT_EQ(FormatFixed(tie, f.format), expected) << f.printf << " of " << tie;
        }
    }
}

TEST(FormatFixed, KeepsTheSignOfNegativeValuesThatRoundToZero) {
    EXPECT_EQ(FormatFixed(-1e-12, kFormat6f), "-0.000000");
    EXPECT_EQ(FormatFixed(-0.0, kFormat2f), "-0.00");
    EXPECT_EQ(FormatFixed(1e-12, kFormat8f), "0.00000000");
}

TEST(FormatFixed, GivesTheCompleteTextOfTheLargestDouble) {
    const double largest = std::numeric_limits<double>::max();
    char expected[512];
    std::snprintf(expected, sizeof expected, "%.8f", -largest);
    const std::string text = FormatFixed(-largest, kFormat8f);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.size(), 1u + 309u + 1u + 8u);
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::denorm_min(), kFormat8f), "0.00000000");
}

TEST(FormatFixed, WritesTheNonFiniteValuesAsPrintfDoes) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatFixed(inf, kFormat6f), "inf");
    EXPECT_EQ(FormatFixed(-inf, kFormat8f), "-inf");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), kFormat6f), "nan");
    EXPECT_EQ(FormatFixed(inf, FixedFormat{5, 6}), "  inf");
}

TEST(NumberText, IgnoresADecimalCommaLocale) {
    // The process locale is whatever the desktop asks for; the fields never follow it.
    // German writes 1,5 for one and a half. The test command generates
    // de_DE.UTF-8; the Windows runtime names the same locale its own way.
#ifdef _WIN32
    ASSERT_NE(std::setlocale(LC_ALL, "German_Germany.1252"), nullptr);
#else
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
#endif
    char native[32];
    std::snprintf(native, sizeof native, "%.1f", 1.5);
    ASSERT_STREQ(native, "1,5");
    EXPECT_EQ(ParseNumber("1.5"), 1.5);
    EXPECT_EQ(ParseNumber("1,5"), 1.0);
    EXPECT_EQ(FormatFixed(1013.25, kFormat6f), "1013.250000");
    std::setlocale(LC_ALL, "C");
}

} // namespace
} // namespace velmaro
