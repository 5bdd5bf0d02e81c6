#include "cli/json_text.h"

#include <array>
#include <cstddef>

namespace velmaro::cli {
namespace {

// Length of the valid UTF-8 sequence at the start of `text`, or 0.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    unsigned codePoint = 0;
    if (lead < 0x80U) {
        return 1;
    }
    if ((lead & 0xE0U) == 0xC0U) {
        length = 2;
        codePoint = lead & 0x1FU;
    } else if ((lead & 0xF0U) == 0xE0U) {
        length = 3;
        codePoint = lead & 0x0FU;
    } else if ((lead & 0xF8U) == 0xF0U) {
        length = 4;
        codePoint = lead & 0x07U;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0U) != 0x80U) {
            return 0;
        }
        codePoint = (codePoint << 6U) | (next & 0x3FU);
    }
    // Overlong forms, UTF-16 surrogates and values past U+10FFFF are invalid.
    constexpr std::array<unsigned, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kSmallest[length] || (codePoint >= 0xD800U && codePoint <= 0xDFFFU) ||
        codePoint > 0x10FFFFU) {
        return 0;
    }
    return length;
}

} // namespace

std::string JsonString(std::string_view text) {
    constexpr std::string_view kHex = "0123456789abcdef";
    std::string json = "\"";
    while (!text.empty()) {
        const char c = text[0];
        const std::size_t length = Utf8SequenceLength(text);
        if (length == 0) {
            json += "\\ufffd";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20U) {
            const auto byte = static_cast<unsigned char>(c);
            json += "\\u00";
            json += kHex[byte >> 4U];
            json += kHex[byte & 0x0FU];
        } else {
            json.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    json += '"';
    return json;
}

} // namespace velmaro::cli
