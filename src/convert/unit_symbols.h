#pragma once

// Units by name in plain text, outside the windows (the command line, the web
// page): a unit answers to its symbol and to each of its aliases.

#include "convert/quantities.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace velmaro {

// One unit of one quantity.
struct UnitRef {
    const Quantity* quantity;
    std::size_t index; // position in the quantity's unit list

    const Unit& unit() const { return quantity->group->units[index]; }
    std::string_view symbol() const { return unit().symbol; }
    friend bool operator==(const UnitRef&, const UnitRef&) = default;
};

// The units, in catalogue order, that answer to `name` exactly: by symbol or
// by alias. When none does, the units whose symbol or an alias matches `name`
// with ASCII case ignored, where that leaves one unit in its quantity ("KG",
// "MBAR", but not "mj", which could be mJ or MJ). Several units of different
// quantities can share a name ("lb", "m3").
std::vector<UnitRef> UnitsNamed(std::string_view name);

// The same, within one quantity.
std::vector<UnitRef> UnitsNamed(const Quantity& quantity, std::string_view name);

// Calls `visit` with the symbol and then each alias of `unit`.
template <class Visit> void ForEachName(const Unit& unit, Visit visit) {
    visit(unit.symbol);
    for (std::string_view rest = unit.aliases; !rest.empty();) {
        const std::size_t bar = rest.find('|');
        visit(rest.substr(0, bar));
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
}

} // namespace velmaro
