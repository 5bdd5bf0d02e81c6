#include "cli/utf8_text.h"

#include <array>

namespace velmaro::cli {
namespace {

void AppendHexByte(std::string& out, unsigned char byte) {
    constexpr std::string_view kHex = "0123456789abcdef";
    out += "\\x";
    out += kHex[byte >> 4U];
    out += kHex[byte & 0x0FU];
}

} // namespace

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
    constexpr std::array<unsigned, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kSmallest[length] || (codePoint >= 0xD800U && codePoint <= 0xDFFFU) ||
        codePoint > 0x10FFFFU) {
        return 0;
    }
    return length;
}

std::string TerminalSafe(std::string_view text) {
    std::string safe;
    safe.reserve(text.size());
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text[0]);
        const std::size_t length = Utf8SequenceLength(text);
        // U+0080 ... U+009F, the C1 controls, are C2 80 ... C2 9F.
        const bool c1 = length == 2 && byte == 0xC2U && static_cast<unsigned char>(text[1]) < 0xA0U;
        if (byte == '\\') {
            safe += "\\\\";
        } else if (byte == '\t' || byte == '\n' || byte == '\r') {
            safe += '\\';
            safe += byte == '\t' ? 't' : byte == '\n' ? 'n' : 'r';
        } else if (length == 0 || byte < 0x20U || byte == 0x7FU || c1) {
            const std::size_t shown = length == 0 ? 1 : length;
            for (std::size_t i = 0; i < shown; ++i) {
                AppendHexByte(safe, static_cast<unsigned char>(text[i]));
            }
            text.remove_prefix(shown);
            continue;
        } else {
            safe.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return safe;
}

} // namespace velmaro::cli
