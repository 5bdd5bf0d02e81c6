#pragma once

// The units of a tool's field: the catalogue's units it offers, the unit its
// tool computes in, and values between the two by the units' definitions.

#include "convert/unit_symbols.h"
#include "tools/tool.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace velmaro::tools {

// The units `field` offers, in the order its list shows them; empty for a
// field without a quantity. The field whose list it shares decides
// (Field::unitFrom).
std::vector<UnitRef> OfferedUnits(const Tool& tool, const Field& field);

// The unit `field` is computed in, or nullopt for a field without a quantity.
std::optional<UnitRef> ComputeUnit(const Field& field);

// The position in OfferedUnits of the unit chosen first.
std::size_t StartUnit(const Tool& tool, const Field& field);

// `value` shown in `unit`, in the field's compute unit, and back. A field
// without a quantity takes the value as it is.
double ToComputeUnit(const Field& field, const UnitRef& unit, double value);
double FromComputeUnit(const Field& field, const UnitRef& unit, double value);

// The field whose list decides the unit of `field`: itself, or the one it
// shares a list with.
const Field& UnitOwner(const Tool& tool, const Field& field);

} // namespace velmaro::tools
