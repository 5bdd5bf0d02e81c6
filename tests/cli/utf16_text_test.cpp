// UTF-16 from and to the Windows command line and console.

#include "cli/utf16_text.h"

#include <gtest/gtest.h>

namespace velmaro::cli {
namespace {

TEST(Utf16Text, ConvertsBothWaysAndReplacesBrokenUnits) {
    struct Pair {
        std::u16string_view utf16;
        std::string_view utf8;
    };
    const Pair pairs[] = {
        {u"100", "100"},
        {u"\u2103", "\xe2\x84\x83"}, // ℃
        {u"\u00b0C", "\xc2\xb0"
                     "C"}, // °C
        {u"kcal/(m2.h.\u2103)", "kcal/(m2.h.\xe2\x84\x83)"},
        {u"\U0001F321", "\xf0\x9f\x8c\xa1"}, // a surrogate pair
    };
    for (const Pair& pair : pairs) {
        EXPECT_EQ(Utf8FromUtf16(pair.utf16), pair.utf8);
        EXPECT_EQ(Utf16FromUtf8(pair.utf8), pair.utf16);
    }
    // Lone surrogates one way, bytes that begin no sequence the other.
    EXPECT_EQ(Utf8FromUtf16(u"a\xd800"
                            "b\xdc00"),
              "a\xef\xbf\xbd"
              "b\xef\xbf\xbd");
    EXPECT_EQ(Utf16FromUtf8("\xff"
                            "a\xc2"),
              u"\xfffd"
              "a\xfffd");
}

TEST(Utf16Text, AnIncompleteSequenceAtTheEndWaits) {
    const std::string_view degree = "1\xc2\xb0";
    const std::string_view celsius = "\xe2\x84\x83";
    EXPECT_EQ(IncompleteUtf8Tail(degree), 0U);
    EXPECT_EQ(IncompleteUtf8Tail(degree.substr(0, 2)), 1U);
    EXPECT_EQ(IncompleteUtf8Tail(celsius.substr(0, 2)), 2U);
    EXPECT_EQ(IncompleteUtf8Tail(celsius), 0U);
    EXPECT_EQ(IncompleteUtf8Tail("\xf0\x9f\x8c"), 3U);
    EXPECT_EQ(IncompleteUtf8Tail(""), 0U);
}

} // namespace
} // namespace velmaro::cli
