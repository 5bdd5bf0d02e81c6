#include "res/texts/texts.h"

#include <array>
#include <map>

namespace velmaro::texts {
namespace {

using TextMap = std::map<std::string_view, std::string_view, std::less<>>;

Language g_language = Language::Chinese;

const TextMap& TextsById(Language language) {
    static const std::array<TextMap, std::size(kLanguages)> kById = [] {
        std::array<TextMap, std::size(kLanguages)> byId;
        for (const Language each : kLanguages) {
            for (const Text& text : TextsOf(each)) {
                byId.at(static_cast<std::size_t>(each)).emplace(text.id, text.text);
            }
        }
        return byId;
    }();
    return kById.at(static_cast<std::size_t>(language));
}

} // namespace

std::span<const Text> TextsOf(Language language) {
    return language == Language::English ? EnglishTexts() : ChineseTexts();
}

void SetLanguage(Language language) {
    g_language = language;
}

Language CurrentLanguage() {
    return g_language;
}

std::string_view LanguageCode(Language language) {
    return language == Language::English ? "en" : "zh";
}

std::optional<Language> LanguageOfCode(std::string_view code) {
    for (const Language language : kLanguages) {
        if (code == LanguageCode(language)) {
            return language;
        }
    }
    return std::nullopt;
}

std::string_view Lookup(std::string_view id, Language language) {
    for (const Language each : {language, Language::Chinese}) {
        const TextMap& byId = TextsById(each);
        if (const auto found = byId.find(id); found != byId.end()) {
            return found->second;
        }
    }
    return {};
}

std::string_view Lookup(std::string_view id) {
    return Lookup(id, g_language);
}

std::string_view QuantityName(const Quantity& quantity) {
    return Lookup(QuantityTextId(quantity));
}

std::string_view UnitLabel(const Quantity& quantity, std::size_t unit) {
    return Lookup(UnitTextId(quantity, unit));
}

std::string_view UnitLabel(const FieldGroup& group, std::size_t unit) {
    const Quantity* quantity = FindQuantity(group);
    return quantity != nullptr ? UnitLabel(*quantity, unit) : std::string_view();
}

std::string FillIn(std::string_view pattern, std::span<const FillInValue> values) {
    std::string filled;
    filled.reserve(pattern.size());
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::size_t open = pattern.find('{', at);
        const std::size_t close =
            open == std::string_view::npos ? open : pattern.find('}', open + 1);
        if (close == std::string_view::npos) {
            break;
        }
        filled.append(pattern.substr(at, open - at));
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const FillInValue* value = nullptr;
        for (const FillInValue& candidate : values) {
            value = candidate.first == name ? &candidate : value;
        }
        filled.append(value != nullptr ? value->second : pattern.substr(open, close - open + 1));
        at = close + 1;
    }
    filled.append(pattern.substr(std::min(at, pattern.size())));
    return filled;
}

} // namespace velmaro::texts
