// Fuzzes the command line of velmaro-convert: any arguments, any standard
// input.
//
// Input: the arguments one per line, then an empty line, then the text on
// standard input (missing: no arguments, empty input). Inputs with "--step"
// are skipped: a fine step asks for a table of up to a million rows, which is
// correct but far too slow to fuzz; the tests cover its refusals.
//
// Invariants (a violation traps):
// - No crash, no sanitizer finding, whatever the arguments and the input.
// - The exit status is 0, 2 or 3.
// - Status 0 writes nothing on standard error.
// - Any other status writes exactly one line on standard error, starting with
//   "velmaro-convert: ".
// - A usage error (2) is found before anything is printed: standard output
//   stays empty.

#include "fuzz_check.h"

#include "cli/run.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.find("--step") != std::string_view::npos) {
        return 0;
    }
    const std::size_t split = input.find("\n\n");
    const std::string_view argText = input.substr(0, split);
    const std::string stdinText(split == std::string_view::npos ? std::string_view()
                                                                : input.substr(split + 2));
    std::vector<std::string_view> args;
    for (std::size_t start = 0; !argText.empty() && start <= argText.size();) {
        const std::size_t end = std::min(argText.find('\n', start), argText.size());
        args.push_back(argText.substr(start, end - start));
        start = end + 1;
    }

    std::istringstream in(stdinText);
    std::ostringstream out;
    std::ostringstream err;
    const int status = velmaro::cli::Run(args, in, out, err);
    const std::string errText = err.str();

    FUZZ_CHECK(status == 0 || status == 2 || status == 3);
    if (status == 0) {
        FUZZ_CHECK(errText.empty());
    } else {
        FUZZ_CHECK(errText.starts_with("velmaro-convert: "));
        FUZZ_CHECK(std::count(errText.begin(), errText.end(), '\n') == 1);
        FUZZ_CHECK(errText.back() == '\n');
    }
    if (status == 2) {
        FUZZ_CHECK(out.str().empty());
    }
    return 0;
}
