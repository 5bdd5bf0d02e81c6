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

// One unit of a group, as text outside the windows name it: its symbol, short
// and ASCII wherever the unit has an ASCII name ("mbar", "kWh"), and other
// spellings that name it too, separated by '|' (older symbols among them). A
// unit's label and the control that shows it belong to the resources.
//
// Its definition in SI units: one of the unit is `si` of the quantity's SI
// unit, plus `siOffset` for a scale with another zero (x °C is x + 273.15 K).
// The windows convert with their tables' rounded entries; the tools convert
// by these, and the tables' entries are checked against them.
struct Unit {
    std::string_view symbol;
    std::string_view aliases = {};
    double si = 0.0;
    double siOffset = 0.0;
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
    std::span<const Unit> units;
    FixedFormat format;
    // Square table, row-major: factors[source * n + target] is the multiplier
    // from the source unit to the target unit. Every entry is a constant of
    // its own and the diagonal holds kSelf. Empty when `formula` is set.
    std::span<const double> factors;
    GroupFormula formula = nullptr;

    std::size_t size() const { return units.size(); }
    // Position of the unit whose symbol is `symbol`, or size() when none is.
    std::size_t indexOf(std::string_view symbol) const;
    double factor(std::size_t source, std::size_t target) const {
        return factors[source * units.size() + target];
    }
};

} // namespace velmaro
