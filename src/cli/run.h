#pragma once

// The console converter as a function of its arguments and streams, so that
// the tests run it without starting a process.

#include <istream>
#include <ostream>
#include <span>
#include <string_view>

namespace velmaro::cli {

// Runs velmaro-convert with `args` (without the program name) and returns its
// exit status. Results go to `out`; each refusal is one line on `err`, and
// nothing of a refused value reaches `out` but its --json object.
int Run(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
        std::ostream& err);

} // namespace velmaro::cli
