#pragma once

// Just enough JSON for the catalogue the page reads: strings and arrays of
// strings.

#include <string>
#include <string_view>

namespace velmaro::web {

// `text` (UTF-8) as a JSON string literal.
inline std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr char kHex[] = "0123456789abcdef";
            json += "\\u00";
            json += kHex[(c >> 4) & 0xF];
            json += kHex[c & 0xF];
        } else {
            json += c;
        }
    }
    return json + "\"";
}

// A JSON array of the texts `textOf` gives for each item of `items`.
template <typename Items, typename TextOf>
std::string JsonArray(const Items& items, TextOf textOf) {
    std::string json = "[";
    for (const auto& item : items) {
        if (json.size() > 1) {
            json += ',';
        }
        json += JsonString(textOf(item));
    }
    return json + "]";
}

} // namespace velmaro::web
