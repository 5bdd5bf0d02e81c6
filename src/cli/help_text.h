#pragma once

// What --help and --version print (the manual page is made from both).

#include <string>
#include <string_view>

namespace velmaro::cli {

// The program's help around the tools' option lists and their older
// spellings, which come from the tools' declarations.
std::string HelpText(std::string_view toolSections, std::string_view legacySpellings);
std::string_view VersionText();

} // namespace velmaro::cli
