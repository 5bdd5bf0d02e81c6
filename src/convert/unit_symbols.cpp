#include "convert/unit_symbols.h"

#include <array>

namespace velmaro {
namespace {

constexpr std::string_view kFullWidthOpen = "\xEF\xBC\x88";  // （
constexpr std::string_view kFullWidthClose = "\xEF\xBC\x89"; // ）

// Spellings that are no unit's symbol: the short forms of the scales.
struct OtherSpelling {
    std::string_view name;
    std::string_view quantity;
    std::string_view symbol;
};

constexpr OtherSpelling kOtherSpellings[] = {
    {"C", "temperature", "°C"},
    {"℃", "temperature", "°C"},
    {"F", "temperature", "°F"},
};

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whether `text` (UTF-8) holds a CJK ideograph.
bool HoldsChinese(std::string_view text) {
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if ((lead & 0xF0U) != 0xE0U) {
            continue; // ideographs are three-byte sequences
        }
        const unsigned codePoint = ((lead & 0x0FU) << 12U) |
                                   ((static_cast<unsigned char>(text[i + 1]) & 0x3FU) << 6U) |
                                   (static_cast<unsigned char>(text[i + 2]) & 0x3FU);
        if (codePoint >= 0x3400U && codePoint <= 0x9FFFU) {
            return true;
        }
    }
    return false;
}

// Where the bracketed group that closes `text` opens, or npos when `text`
// does not end with a closing bracket that has its opening one.
std::size_t FinalGroupStart(std::string_view text) {
    constexpr std::size_t kMaxDepth = 8;
    std::array<std::size_t, kMaxDepth> opens{};
    std::size_t depth = 0;
    std::size_t start = std::string_view::npos;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        const bool wide = rest.starts_with(kFullWidthOpen) || rest.starts_with(kFullWidthClose);
        const std::size_t length = wide ? kFullWidthOpen.size() : 1;
        if (text[i] == '(' || rest.starts_with(kFullWidthOpen)) {
            if (depth == kMaxDepth) {
                return std::string_view::npos;
            }
            opens[depth++] = i;
        } else if ((text[i] == ')' || rest.starts_with(kFullWidthClose)) && depth > 0) {
            --depth;
            start = i + length == text.size() && depth == 0 ? opens[depth] : std::string_view::npos;
        }
        i += length;
    }
    return start;
}

bool AnswersTo(std::string_view symbol, std::string_view name) {
    if (symbol == name) {
        return true;
    }
    if (symbol.find(',') == std::string_view::npos) {
        return false;
    }
    // "kl,kL": each spelling on its own.
    for (std::size_t start = 0;;) {
        const std::size_t comma = symbol.find(',', start);
        if (symbol.substr(start, comma - start) == name) {
            return true;
        }
        if (comma == std::string_view::npos) {
            return false;
        }
        start = comma + 1;
    }
}

} // namespace

std::string_view UnitSymbol(std::string_view label) {
    const std::string_view trimmed = TrimBlanks(label);
    const std::size_t gloss = FinalGroupStart(trimmed);
    if (gloss == std::string_view::npos || gloss == 0 || !HoldsChinese(trimmed.substr(gloss))) {
        return trimmed;
    }
    return TrimBlanks(trimmed.substr(0, gloss));
}

std::vector<UnitRef> UnitsNamed(const Quantity& quantity, std::string_view name) {
    std::vector<UnitRef> found;
    for (std::size_t i = 0; i < quantity.group->size(); ++i) {
        const UnitRef unit{&quantity, i};
        const std::string_view symbol = unit.symbol();
        bool named = AnswersTo(symbol, name);
        for (const OtherSpelling& other : kOtherSpellings) {
            named = named ||
                    (other.name == name && other.quantity == quantity.id && other.symbol == symbol);
        }
        if (named) {
            found.push_back(unit);
        }
    }
    return found;
}

std::vector<UnitRef> UnitsNamed(std::string_view name) {
    std::vector<UnitRef> found;
    for (const Quantity& quantity : Quantities()) {
        const std::vector<UnitRef> here = UnitsNamed(quantity, name);
        found.insert(found.end(), here.begin(), here.end());
    }
    return found;
}

} // namespace velmaro
