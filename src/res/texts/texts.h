#pragma once

// The program's texts by text id, Qt-free so that every face reads them: the
// windows, the command line and the page. The catalogue of the core names its
// texts by id (convert/quantities.h); the texts themselves live here, one
// file per language with the same ids.
//
// The windows speak the language chosen when the program starts
// (SetLanguage); the command line and the page's generator, which choose
// none, read Chinese.

#include "convert/quantities.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace velmaro::texts {

struct Text {
    std::string_view id;
    std::string_view text; // UTF-8
};

// A language's whole table: `first`'s texts, then `second`'s.
template <std::size_t N, std::size_t M>
constexpr std::array<Text, N + M> JoinedTexts(const Text (&first)[N],
                                              const std::array<Text, M>& second) {
    std::array<Text, N + M> all{};
    std::size_t i = 0;
    for (const Text& text : first) {
        all.at(i++) = text;
    }
    for (const Text& text : second) {
        all.at(i++) = text;
    }
    return all;
}

enum class Language { Chinese, English };

inline constexpr Language kLanguages[] = {Language::Chinese, Language::English};

// Every text in Simplified Chinese, the program's first language, and in
// English.
std::span<const Text> ChineseTexts();
std::span<const Text> EnglishTexts();
std::span<const Text> TextsOf(Language language);

// The language Lookup answers in; Chinese until set.
void SetLanguage(Language language);
Language CurrentLanguage();

// "zh" and "en", as the command line and the settings write them.
std::string_view LanguageCode(Language language);
std::optional<Language> LanguageOfCode(std::string_view code);

// The text of `id` in the current language, or in `language`. An id the
// language has no text for gives the Chinese one (texts_test holds every
// language to every id); an unknown id gives "".
std::string_view Lookup(std::string_view id);
std::string_view Lookup(std::string_view id, Language language);

// A quantity's short name ("pressure" in the current language) and a unit's
// label as the windows show it (the millibar's, with the blanks that line up
// the main window's labels).
std::string_view QuantityName(const Quantity& quantity);
std::string_view UnitLabel(const Quantity& quantity, std::size_t unit);
// The label of a unit of `group`, which must be a quantity's.
std::string_view UnitLabel(const FieldGroup& group, std::size_t unit);

// A text whose "{name}" marks are filled in with `values` (name, value); a
// mark without a value stays as written.
using FillInValue = std::pair<std::string_view, std::string_view>;
std::string FillIn(std::string_view pattern, std::span<const FillInValue> values);

} // namespace velmaro::texts
