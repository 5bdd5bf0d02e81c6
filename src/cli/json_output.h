#pragma once

// The --json output: one object per line, written by nlohmann-json with its
// keys in the order they were set.

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace velmaro::cli {

using Json = nlohmann::ordered_json;

// `object` on one line. Text goes out as UTF-8; a byte that is not part of
// valid UTF-8 (input read from a pipe can hold anything) becomes U+FFFD, so
// the line is always valid JSON.
std::string JsonLine(const Json& object);

// A result as the windows print it ("4.096230") as a JSON number, or null
// for a text that is no finite number ("inf").
Json PrintedNumber(std::string_view printed);

} // namespace velmaro::cli
