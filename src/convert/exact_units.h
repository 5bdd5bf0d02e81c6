#pragma once

// A value restated in another unit of its quantity by the two units'
// definitions (unit.si), not by the windows' rounded factor tables: what the
// tools convert with, so that 7500.6168 mmHg is 1.000000 MPa wherever it is
// typed.

#include "convert/field_group.h"

#include <cstddef>

namespace velmaro {

// `value` in unit `from` of `group`, in its unit `to`.
double ConvertExact(const FieldGroup& group, std::size_t from, std::size_t to, double value);

// `value` of `unit` in the quantity's SI unit, and back.
double ToSi(const Unit& unit, double value);
double FromSi(const Unit& unit, double si);

} // namespace velmaro
