#pragma once

// Results as the windows print them, held to what a script may rely on: a
// window shows "inf" for a result beyond the double range, the command line
// refuses it.

#include "convert/number_text.h"

#include <string>
#include <string_view>

namespace velmaro::cli {

// Whether a printed fixed-point text is a finite number (not "inf", "nan").
bool IsFiniteText(std::string_view printed);

// "1e+308 bar in Pa is inf, not a finite number"
std::string NotFiniteMessage(std::string_view what, std::string_view printed);

// Refuses with status 3 the result `what` ("1e+308 bar in Pa") that printed
// as `printed`, which is not finite.
[[noreturn]] void RefuseNotFinite(std::string_view what, std::string_view printed);

} // namespace velmaro::cli
