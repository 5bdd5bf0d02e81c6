// velmaro-convert: the converter's conversions, sensor functions and
// reference tables on the command line.

#include "cli/run.h"

#include <iostream>
#include <span>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    // Only whole lines and large blocks are written; the C streams are not used.
    std::ios::sync_with_stdio(false);
    const std::span<char*> all(argv, static_cast<std::size_t>(argc));
    const std::vector<std::string_view> args(all.begin() + 1, all.end());
    return velmaro::cli::Run(args, std::cin, std::cout, std::cerr);
}
