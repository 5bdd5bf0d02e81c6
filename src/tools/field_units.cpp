#include "tools/field_units.h"

#include "convert/exact_units.h"

namespace velmaro::tools {

const Field& UnitOwner(const Tool& tool, const Field& field) {
    if (!field.unitFrom.empty()) {
        if (const auto owner = FieldIndex(tool, field.unitFrom)) {
            return tool.fields[*owner];
        }
    }
    return field;
}

std::vector<UnitRef> OfferedUnits(const Tool& tool, const Field& field) {
    const Field& owner = UnitOwner(tool, field);
    const Quantity* quantity = FindQuantity(owner.quantity);
    std::vector<UnitRef> units;
    if (quantity == nullptr) {
        return units;
    }
    if (owner.allUnits) {
        for (std::size_t i = 0; i < quantity->group->size(); ++i) {
            units.push_back({quantity, i});
        }
        return units;
    }
    if (owner.units.empty()) {
        units.push_back({quantity, quantity->group->indexOf(owner.unit)});
        return units;
    }
    for (const std::string_view symbol : owner.units) {
        units.push_back({quantity, quantity->group->indexOf(symbol)});
    }
    return units;
}

std::optional<UnitRef> ComputeUnit(const Field& field) {
    const Quantity* quantity = FindQuantity(field.quantity);
    if (quantity == nullptr) {
        return std::nullopt;
    }
    return UnitRef{quantity, quantity->group->indexOf(field.unit)};
}

std::size_t StartUnit(const Tool& tool, const Field& field) {
    const Field& owner = UnitOwner(tool, field);
    const std::string_view start = owner.startUnit.empty() ? owner.unit : owner.startUnit;
    const std::vector<UnitRef> units = OfferedUnits(tool, field);
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i].symbol() == start) {
            return i;
        }
    }
    return 0;
}

double ToComputeUnit(const Field& field, const UnitRef& unit, double value) {
    const auto target = ComputeUnit(field);
    if (!target || target->quantity != unit.quantity) {
        return value;
    }
    return ConvertExact(*unit.quantity->group, unit.index, target->index, value);
}

double FromComputeUnit(const Field& field, const UnitRef& unit, double value) {
    const auto source = ComputeUnit(field);
    if (!source || source->quantity != unit.quantity) {
        return value;
    }
    return ConvertExact(*unit.quantity->group, source->index, unit.index, value);
}

} // namespace velmaro::tools
