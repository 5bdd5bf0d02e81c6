#pragma once

// Where the values of a command come from: the one value on the command line,
// or one value per line of standard input for batch work.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace velmaro::cli {

// Calls each(text, line) for `value`, or, when there is none, for every line
// of `in` (a carriage return before the line end is dropped; line counts
// from 1, and is 0 for a value from the command line).
template <class Each>
void ForEachValue(std::optional<std::string_view> value, std::istream& in, Each each) {
    if (value) {
        each(*value, std::size_t{0});
        return;
    }
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        each(std::string_view(line), number);
    }
}

// A VALUE of "-" means standard input, as no VALUE does.
inline std::optional<std::string_view> CommandLineValue(std::string_view text) {
    return text == "-" ? std::nullopt : std::optional<std::string_view>(text);
}

} // namespace velmaro::cli
