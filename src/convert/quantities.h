#pragma once

// Every quantity the program converts, by a stable name for use outside the
// windows (the command line, the web page): the four field groups of the main
// window first, then the seventeen category dialogs.

#include "convert/field_group.h"

#include <span>
#include <string_view>

namespace velmaro {

struct Quantity {
    std::string_view id;      // lower case, words joined by '-': "heat-flux"
    std::string_view caption; // its short Chinese name (UTF-8): "传热速度"
    const FieldGroup* group;
};

// In the order given above; the order of a quantity's units is its group's.
std::span<const Quantity> Quantities();

// The quantity named `id`, or nullptr.
const Quantity* FindQuantity(std::string_view id);

} // namespace velmaro
