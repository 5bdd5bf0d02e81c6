#include "convert/exact_units.h"

namespace velmaro {

double ToSi(const Unit& unit, double value) {
    return unit.siOffset == 0.0 ? value * unit.si : value * unit.si + unit.siOffset;
}

double FromSi(const Unit& unit, double si) {
    return unit.siOffset == 0.0 ? si / unit.si : (si - unit.siOffset) / unit.si;
}

double ConvertExact(const FieldGroup& group, std::size_t from, std::size_t to, double value) {
    if (from == to) {
        return value;
    }
    return FromSi(group.units[to], ToSi(group.units[from], value));
}

} // namespace velmaro
