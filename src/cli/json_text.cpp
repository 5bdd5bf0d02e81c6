#include "cli/json_text.h"

#include "cli/utf8_text.h"

#include <cstddef>

namespace velmaro::cli {

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
