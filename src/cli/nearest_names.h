#pragma once

// Suggestions for a mistyped name: the known names nearest to it.

#include <string>
#include <string_view>
#include <vector>

namespace velmaro::cli {

// Whether two names are the same with ASCII case ignored ("pt100", "Pt100").
bool SameIgnoringCase(std::string_view a, std::string_view b);

// Up to `count` of `names` nearest to `typed` by edit distance (ASCII case
// ignored), nearest first and otherwise in the order given; only names within
// half the typed length (at least 2 edits) count as near.
std::vector<std::string> NearestNames(std::string_view typed, const std::vector<std::string>& names,
                                      std::size_t count = 3);

// "a, b or c"; "" for no names.
std::string JoinNames(const std::vector<std::string>& names, std::string_view lastJoin = " or ");

// The message tail for an unknown name: "; nearest: a, b or c", or "" when
// nothing is near.
std::string NearestTail(std::string_view typed, const std::vector<std::string>& names);

} // namespace velmaro::cli
