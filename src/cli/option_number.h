#pragma once

// The one rule for the numbers of every option (--from, --to, --step, a
// tool's fields): read as a unit field reads its text, or with --strict a
// number and nothing else.

#include <string_view>

namespace velmaro::cli {

// Leniently, the leading number counts ("12abc" is 12) and text without one
// is 0; strictly, text that is not wholly a number, blanks around it aside,
// is a usage error naming `option`. A magnitude beyond the double range reads
// as an infinity, which the caller refuses as it must.
double OptionNumber(std::string_view option, std::string_view text, bool strict);

// Whether `text` is wholly a number, blanks around it aside.
bool IsWholeNumber(std::string_view text);

} // namespace velmaro::cli
