#pragma once

// What every fuzz target uses to state its invariants: a broken invariant
// names itself on stderr and traps, so libFuzzer keeps the input that broke it.

#include "convert/number_text.h"

#include <cstdio>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__,           \
                         __LINE__);                                                                \
            __builtin_trap();                                                                      \
        }                                                                                          \
    } while (false)

namespace velmaro::fuzz {

// Every format a unit field is printed in.
inline constexpr FixedFormat kFieldFormats[] = {kFormat8f, kFormat6f, kFormat2_6f,
                                                kFormatF,  kFormat2f, kFormat5f};

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The texts FormatFixed gives for the non-finite values.
inline bool IsNonFiniteText(std::string_view text) {
    return text == "inf" || text == "-inf" || text == "nan" || text == "-nan";
}

// True when `text` is what `format` prints for a finite value: blanks up to
// the minimum width, an optional "-", at least one digit (no leading zero), ".", and exactly
// `precision` decimals (no point when the precision is 0).
inline bool HasFixedShape(std::string_view text, FixedFormat format) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    if (i > 0 && text.size() != static_cast<std::size_t>(format.minWidth)) {
        return false; // padding only ever fills up to the minimum width
    }
    if (i < text.size() && text[i] == '-') {
        ++i;
    }
    const std::size_t integerBegin = i;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    if (i == integerBegin || (text[integerBegin] == '0' && i - integerBegin > 1)) {
        return false; // no digit, or a leading zero before other digits
    }
    if (format.precision == 0) {
        return i == text.size();
    }
    if (i == text.size() || text[i] != '.') {
        return false;
    }
    ++i;
    const std::size_t decimalsBegin = i;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i == text.size() && i - decimalsBegin == static_cast<std::size_t>(format.precision);
}

// The same with a non-finite text allowed, padded like any other.
inline bool HasFormatShape(std::string_view text, FixedFormat format) {
    std::string_view bare = text;
    while (!bare.empty() && bare.front() == ' ') {
        bare.remove_prefix(1);
    }
    if (IsNonFiniteText(bare)) {
        return bare.size() == text.size() ||
               text.size() == static_cast<std::size_t>(format.minWidth);
    }
    return HasFixedShape(text, format);
}

} // namespace velmaro::fuzz
