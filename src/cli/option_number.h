#pragma once

// The number an option takes (--from, --to, --step, --pressure ...).

#include <string_view>

namespace velmaro::cli {

// Unlike a unit field, an option's value must be a number through and through:
// "--step abc" is a mistake, not 0. A leading '+' is allowed; anything else
// that is not a finite number is a usage error naming `option`.
double OptionNumber(std::string_view option, std::string_view text);

} // namespace velmaro::cli
