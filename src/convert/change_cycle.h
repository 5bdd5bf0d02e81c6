#pragma once

// The conversion step of the change cycle, free of any window: given the text
// the user left in one unit field, the texts of every other field of its group.

#include "convert/field_group.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro {

struct UnitText {
    std::size_t unitIndex; // position in the group's unit list
    std::string text;
};

// Reads `sourceText` as a number and returns, for every other unit of `group`
// (never the source itself), its value in the group's format, in the order the
// group writes them. A source outside the group gives an empty list.
std::vector<UnitText> Convert(const FieldGroup& group, std::size_t source,
                              std::string_view sourceText);

// The value x of the unit at `source` in the unit at `target`, unrounded: by
// the group's factor or its formula, as the fields compute it; x itself when
// both are one unit, NaN for a position outside the group. For the tools that
// take a value in any unit of a quantity and work in one of them.
double ConvertValue(const FieldGroup& group, std::size_t source, std::size_t target, double x);

// The one text Convert writes into the unit at `target` (a position in the
// unit list) for the value x typed into the unit at `source`: for converting
// many values into one unit without formatting every other field. Nothing for
// the source itself or a position outside the group.
std::optional<std::string> ConvertOne(const FieldGroup& group, std::size_t source,
                                      std::size_t target, double x);

} // namespace velmaro
