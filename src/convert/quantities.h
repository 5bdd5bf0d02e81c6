#pragma once

// Every quantity the program converts, by a stable name for use outside the
// windows (the command line, the web page): the four field groups of the main
// window first, then the seventeen category dialogs.

#include "convert/field_group.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace velmaro {

struct Quantity {
    std::string_view id; // lower case, words joined by '-': "heat-flux"
    const FieldGroup* group;
};

// In the order given above; the order of a quantity's units is its group's.
std::span<const Quantity> Quantities();

// The quantity named `id`, or nullptr.
const Quantity* FindQuantity(std::string_view id);
// The quantity whose units `group` holds, or nullptr.
const Quantity* FindQuantity(const FieldGroup& group);

// Keys of the texts each language gives the catalogue (the resources hold
// them): a quantity's short name, "quantity.heat-flux", and a unit's label as
// the windows show it, "unit.pressure.mbar".
std::string QuantityTextId(const Quantity& quantity);
std::string UnitTextId(const Quantity& quantity, std::size_t unit);

} // namespace velmaro
