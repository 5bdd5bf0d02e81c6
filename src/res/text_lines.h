#pragma once

// Breaking a text into lines that fit a window of a given width. Chinese
// text is set on the grid of its face's cells, and counted in columns: a
// column is half a cell, which a Latin letter or digit fills and a Chinese
// character fills twice. Other text is measured in its face.

#include <functional>
#include <string>
#include <string_view>

namespace velmaro::res {

// The character (UTF-8) at `text[i]`, with `i` advanced past it.
char32_t NextCharacter(std::string_view text, std::size_t& i);

// The columns `line` (UTF-8) takes: two for a wide character (Chinese and
// Japanese characters, fullwidth forms), one for any other.
int ColumnsOf(std::string_view line);

// The width of a line, in whatever unit the limit is given in.
using LineWidth = std::function<int(std::string_view line)>;

// `text` with every line wider than `limit` broken after the last blank or
// Chinese list mark (the enumeration comma, comma, semicolon and colon) that
// leaves it narrow enough; a blank at a break goes. Lines that fit, and their
// blanks, stay as they are; a line with no place to break stays whole.
std::string BreakLines(std::string_view text, int limit, const LineWidth& width = ColumnsOf);

// The number of lines of `text`.
int LineCount(std::string_view text);

} // namespace velmaro::res
