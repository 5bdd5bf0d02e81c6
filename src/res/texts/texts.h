#pragma once

// The program's texts by text id, Qt-free so that every face reads them: the
// windows, the command line and the page. The catalogue of the core names its
// texts by id (convert/quantities.h); the texts themselves live here.

#include "convert/quantities.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace velmaro::texts {

struct Text {
    std::string_view id;
    std::string_view text; // UTF-8
};

// Every text in Simplified Chinese, the program's one language today.
std::span<const Text> ChineseTexts();

// The text of `id` in the program's language, or "" when there is none.
std::string_view Lookup(std::string_view id);

// A quantity's short name ("压力") and a unit's label as the windows show it
// ("mba    (毫巴)").
std::string_view QuantityName(const Quantity& quantity);
std::string_view UnitLabel(const Quantity& quantity, std::size_t unit);
// The label of a unit of `group`, which must be a quantity's.
std::string_view UnitLabel(const FieldGroup& group, std::size_t unit);

} // namespace velmaro::texts
