#include "convert/unit_symbols.h"

#include <algorithm>

namespace velmaro {
namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool Answers(const Unit& unit, std::string_view name, bool ignoreCase) {
    bool named = false;
    ForEachName(unit, [&](std::string_view spelling) {
        named = named || (ignoreCase ? EqualIgnoringCase(spelling, name) : spelling == name);
    });
    return named;
}

std::vector<UnitRef> Matching(const Quantity& quantity, std::string_view name, bool ignoreCase) {
    std::vector<UnitRef> found;
    for (std::size_t i = 0; i < quantity.group->size(); ++i) {
        if (Answers(quantity.group->units[i], name, ignoreCase)) {
            found.push_back({&quantity, i});
        }
    }
    // Ignoring case must not choose between two units of one quantity.
    if (ignoreCase && found.size() > 1) {
        found.clear();
    }
    return found;
}

template <class Quantities>
std::vector<UnitRef> Named(const Quantities& quantities, std::string_view name) {
    std::vector<UnitRef> found;
    for (const bool ignoreCase : {false, true}) {
        for (const Quantity& quantity : quantities) {
            const std::vector<UnitRef> here = Matching(quantity, name, ignoreCase);
            found.insert(found.end(), here.begin(), here.end());
        }
        if (!found.empty()) {
            break;
        }
    }
    return found;
}

} // namespace

std::vector<UnitRef> UnitsNamed(const Quantity& quantity, std::string_view name) {
    return Named(std::span<const Quantity>(&quantity, 1), name);
}

std::vector<UnitRef> UnitsNamed(std::string_view name) {
    return Named(Quantities(), name);
}

} // namespace velmaro
