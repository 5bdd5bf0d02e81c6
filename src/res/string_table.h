#pragma once

// The program's string table: texts looked up by number, in the language in
// use.

#include <string_view>

namespace velmaro::res {

// The string with `id`, or an empty view when there is none.
std::string_view LoadStringResource(int id);

} // namespace velmaro::res
