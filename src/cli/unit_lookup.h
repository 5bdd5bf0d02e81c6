#pragma once

// Units as the command line names them: a symbol ("Pa", "kg/cm2"), or a
// quantity and a symbol ("mass:lb") where the symbol alone would name units
// of several quantities.

#include "convert/unit_symbols.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro::cli {

// How to type a unit so that it names it alone: its symbol, or
// "quantity:symbol" when other quantities have a unit of that symbol.
std::string TypedName(const UnitRef& unit);

// The quantity called `name`, by id or by its name as the Chinese windows
// show it; refuses an unknown name with the nearest ids.
const Quantity& QuantityNamed(std::string_view name);

// Whether `text` names at least one unit (with or without a quantity).
bool NamesAUnit(std::string_view text);

struct Conversion {
    UnitRef source{};
    std::optional<UnitRef> target;
};

// The units of a conversion. A name shared by several quantities is settled by
// the other name when that leaves one quantity ("lb kgf" is force); otherwise
// it is refused with the list of candidates. Refuses unknown names (with the
// nearest ones), units of different quantities and a target that is the
// source itself.
Conversion ResolveConversion(std::string_view unit, std::optional<std::string_view> target);

} // namespace velmaro::cli
