#include "cli/utf16_text.h"

#include "cli/utf8_text.h"

namespace velmaro::cli {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0U | (c >> 6U));
        out += static_cast<char>(0x80U | (c & 0x3FU));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0U | (c >> 12U));
        out += static_cast<char>(0x80U | ((c >> 6U) & 0x3FU));
        out += static_cast<char>(0x80U | (c & 0x3FU));
    } else {
        out += static_cast<char>(0xF0U | (c >> 18U));
        out += static_cast<char>(0x80U | ((c >> 12U) & 0x3FU));
        out += static_cast<char>(0x80U | ((c >> 6U) & 0x3FU));
        out += static_cast<char>(0x80U | (c & 0x3FU));
    }
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The code point of the valid UTF-8 sequence of `length` bytes at the start
// of `text`.
char32_t DecodeUtf8(std::string_view text, std::size_t length) {
    constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    auto c = static_cast<char32_t>(static_cast<unsigned char>(text[0]) & kLeadBits[length]);
    for (std::size_t i = 1; i < length; ++i) {
        c = (c << 6U) | (static_cast<unsigned char>(text[i]) & 0x3FU);
    }
    return c;
}

} // namespace

std::string Utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10U) +
                                (static_cast<char32_t>(text[i + 1]) - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = Utf8SequenceLength(text);
        const char32_t c = length == 0 ? kReplacement : DecodeUtf8(text, length);
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10U));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FFU));
        } else {
            out += static_cast<char16_t>(c);
        }
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return out;
}

std::size_t IncompleteUtf8Tail(std::string_view text) {
    // A lead byte among the last three whose sequence runs past the end.
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0U) == 0x80U) {
            continue; // a continuation byte: look further back
        }
        const std::size_t length = (byte & 0xE0U) == 0xC0U   ? 2
                                   : (byte & 0xF0U) == 0xE0U ? 3
                                   : (byte & 0xF8U) == 0xF0U ? 4
                                                             : 1;
        return length > back ? back : 0;
    }
    return 0;
}

} // namespace velmaro::cli
