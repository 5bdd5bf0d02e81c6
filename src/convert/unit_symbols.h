#pragma once

// Units by name in plain text, outside the windows (the command line, the web
// page). A unit's symbol is its label without the Chinese gloss: "Pa     (帕)"
// is "Pa", "gal(US)/min(加仑(美)每分)" is "gal(US)/min", while "short t(US)" and
// "kcal/(m2.h.℃)" stay whole because their brackets hold no Chinese.

#include "convert/quantities.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace velmaro {

// The symbol of a unit label: a trailing bracketed gloss (ASCII or full-width
// brackets, nesting allowed) removed when it holds Chinese text, then the
// blanks at both ends trimmed.
std::string_view UnitSymbol(std::string_view label);

// One unit of one quantity.
struct UnitRef {
    const Quantity* quantity;
    std::size_t index; // position in the quantity's unit list

    std::string_view symbol() const { return UnitSymbol(quantity->group->units[index].label); }
    friend bool operator==(const UnitRef&, const UnitRef&) = default;
};

// The units, in catalogue order, that answer to `name`: their symbol, each
// comma-separated spelling of a symbol that offers several ("kl,kL" answers to
// "kl" and "kL"), and the temperature scales' short forms C, ℃ and F. Several
// units of different quantities can share a name ("lb", "m3").
std::vector<UnitRef> UnitsNamed(std::string_view name);

// The same, within one quantity.
std::vector<UnitRef> UnitsNamed(const Quantity& quantity, std::string_view name);

} // namespace velmaro
