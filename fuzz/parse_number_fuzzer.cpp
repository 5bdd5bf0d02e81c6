// Fuzzes the reading of a field's text and its printing in every field format.
//
// Input: any bytes, taken as the text of a unit field.
//
// Invariants (a violation traps):
// - ParseNumber never crashes, reads nothing outside the text, and never
//   gives NaN (its grammar has no "nan" word).
// - It reads what the C runtime's strtod reads in the "C" locale, bit for bit
//   (the sign of zero included), for every text whose number is not written
//   in hexadecimal nor as an "inf"/"nan" word: those two spellings read as 0
//   here by design.
// - In every field format, the printed value has the format's shape: optional
//   "-", digits, ".", exactly the format's number of decimals; or "inf"/"-inf".
// - A printed finite text reads back to a value that prints the same text, so
//   typing a displayed result into its own field changes nothing.

#include "fuzz_check.h"

#include "convert/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using velmaro::FixedFormat;
using velmaro::FormatFixed;
using velmaro::ParseNumber;
using velmaro::fuzz::HasFixedShape;
using velmaro::fuzz::HasFormatShape;
using velmaro::fuzz::kFieldFormats;

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Whether strtod would read the text's number as hexadecimal or as a word
// ("inf", "infinity", "nan", "nan(...)"), which ParseNumber leaves alone.
bool StrtodReadsOtherSpelling(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) {
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    if (i == text.size()) {
        return false;
    }
    const char first = text[i];
    if (first == 'i' || first == 'I' || first == 'n' || first == 'N') {
        return true;
    }
    return first == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X');
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = ParseNumber(text);
    FUZZ_CHECK(!std::isnan(value));

    if (!StrtodReadsOtherSpelling(text)) {
        const std::string terminated(text); // strtod stops at a NUL, as ParseNumber does
        const double expected = std::strtod(terminated.c_str(), nullptr);
        FUZZ_CHECK(SameBits(value, expected));
    }

    for (const FixedFormat format : kFieldFormats) {
        const std::string printed = FormatFixed(value, format);
        FUZZ_CHECK(HasFormatShape(printed, format));
        if (std::isinf(value)) {
            FUZZ_CHECK(printed == (value < 0 ? "-inf" : "inf"));
            continue;
        }
        FUZZ_CHECK(HasFixedShape(printed, format));
        FUZZ_CHECK(FormatFixed(ParseNumber(printed), format) == printed);
    }
    return 0;
}
