// velmaro-convert: the converter's conversions, sensor functions and
// reference tables on the command line.

#include "cli/run.h"

#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include "cli/windows_console.h"

// Built with -municode: the command line as Windows holds it, in UTF-16, so
// that "℃" does not pass through the ANSI code page.
int wmain(int argc, wchar_t** argv) {
    std::ios::sync_with_stdio(false);
    const velmaro::cli::WindowsConsole console;
    const std::vector<std::string> utf8 = velmaro::cli::Utf8Arguments(argc, argv);
    const std::vector<std::string_view> args(utf8.begin(), utf8.end());
    const int status = velmaro::cli::Run(args, std::cin, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
#else
int main(int argc, char** argv) {
    // Only whole lines and large blocks are written; the C streams are not used.
    std::ios::sync_with_stdio(false);
    const std::span<char*> all(argv, static_cast<std::size_t>(argc));
    const std::vector<std::string_view> args(all.begin() + 1, all.end());
    return velmaro::cli::Run(args, std::cin, std::cout, std::cerr);
}
#endif
