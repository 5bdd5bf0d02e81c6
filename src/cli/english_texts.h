#pragma once

// The command line speaks English: the tools' texts (labels, list entries,
// verdicts) by their text ids, looked up in one place.

#include <string>
#include <string_view>

namespace velmaro::cli {

// The English text of `id`, or `fallback` when there is none.
std::string_view EnglishText(std::string_view id, std::string_view fallback = {});

// A verdict as a message goes on after "velmaro-convert: ...": its first
// letter in lower case unless it starts a name ("Z must be above zero").
std::string MessageText(std::string_view id);

} // namespace velmaro::cli
