#include "cli/english_texts.h"

#include "res/texts/texts.h"

namespace velmaro::cli {

std::string_view EnglishText(std::string_view id, std::string_view fallback) {
    const std::string_view text = texts::Lookup(id, texts::Language::English);
    return text.empty() ? fallback : text;
}

std::string MessageText(std::string_view id) {
    std::string text(EnglishText(id, id));
    const auto isUpper = [](char c) { return c >= 'A' && c <= 'Z'; };
    const auto isLower = [](char c) { return c >= 'a' && c <= 'z'; };
    if (text.size() > 1 && isUpper(text[0]) && isLower(text[1])) {
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    }
    return text;
}

} // namespace velmaro::cli
