#pragma once

// What --help and --version print (the manual page is made from both).

#include <string_view>

namespace velmaro::cli {

std::string_view HelpText();
std::string_view VersionText();

} // namespace velmaro::cli
