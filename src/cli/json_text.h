#pragma once

// JSON strings for the --json output.

#include <string>
#include <string_view>

namespace velmaro::cli {

// `text` as a quoted JSON string. Quotes, backslashes and control characters
// are escaped; a byte that is not part of valid UTF-8 (input read from a pipe
// can hold anything) becomes U+FFFD, so the output is always valid JSON.
std::string JsonString(std::string_view text);

} // namespace velmaro::cli
