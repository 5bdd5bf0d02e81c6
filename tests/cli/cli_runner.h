#pragma once

// Runs velmaro-convert in the test process and keeps what it printed.

#include "cli/run.h"

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro::cli::testing {

struct CliOutcome {
    int status;
    std::string out;
    std::string err;
};

inline CliOutcome RunCli(std::initializer_list<std::string_view> args,
                         const std::string& input = "") {
    const std::vector<std::string_view> argv(args);
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = Run(argv, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace velmaro::cli::testing
