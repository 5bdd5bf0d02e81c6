#pragma once

// A field group: the unit fields of one quantity. Typing into one field
// recomputes every other field of its group, once, in the group's format.

#include "convert/number_text.h"

#include <cstddef>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

namespace velmaro {

// One unit of a group: the dialog control that shows it and the unit label
// printed beside it (UTF-8).
struct UnitField {
    int controlId;
    std::string_view label;
};

// Marks the diagonal of a factor table: a field never writes itself.
inline constexpr double kSelf = std::numeric_limits<double>::quiet_NaN();

// A computed value for one target unit, by position in the unit list.
struct TargetValue {
    std::size_t unitIndex;
    double value;
};

// Groups whose units are related by offsets (the temperature scales) compute
// their targets with a formula instead of a factor table. The formula returns
// the targets in the order they are written.
using GroupFormula = std::vector<TargetValue> (*)(std::size_t sourceIndex, double x);

struct FieldGroup {
    std::string_view name;
    std::span<const UnitField> units;
    FixedFormat format;
    // Square table, row-major: factors[source * n + target] is the multiplier
    // from the source unit to the target unit. Every entry is a constant of
    // its own and the diagonal holds kSelf. Empty when `formula` is set.
    std::span<const double> factors;
    GroupFormula formula = nullptr;

    std::size_t size() const { return units.size(); }
    // Position of the unit shown by `controlId`, or size() when it has none.
    std::size_t indexOf(int controlId) const;
    double factor(std::size_t source, std::size_t target) const {
        return factors[source * units.size() + target];
    }
};

} // namespace velmaro
