#include "res/text_lines.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace velmaro::res {
namespace {

bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6);
}

bool IsListMark(char32_t c) {
    constexpr std::array<char32_t, 4> kMarks = {U'\u3001', U'\uFF0C', U'\uFF1B', U'\uFF1A'};
    return std::find(kMarks.begin(), kMarks.end(), c) != kMarks.end();
}

// Appends `line` to `out`, broken where it is wider than `limit`.
void BreakLine(std::string_view line, int limit, const LineWidth& width, std::string& out) {
    while (width(line) > limit) {
        std::size_t cut = 0;  // end of the part that stays on this line
        std::size_t next = 0; // start of the rest
        for (std::size_t i = 0; i < line.size();) {
            const std::size_t at = i;
            const char32_t c = NextCharacter(line, i);
            if (width(line.substr(0, i)) > limit) {
                break;
            }
            if (c == U' ' && at > 0) {
                cut = at;
                next = i;
            } else if (IsListMark(c)) {
                cut = i;
                next = i;
            }
        }
        if (cut == 0) {
            break; // nowhere to break: the line stays whole
        }
        out.append(line.substr(0, cut));
        out += '\n';
        line.remove_prefix(next);
    }
    out.append(line);
}

} // namespace

char32_t NextCharacter(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    int continuation = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t c = continuation == 0 ? lead : lead & (0x3FU >> continuation);
    for (; continuation > 0 && i < text.size(); --continuation) {
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3FU);
    }
    return c;
}

int ColumnsOf(std::string_view line) {
    int columns = 0;
    for (std::size_t i = 0; i < line.size();) {
        columns += IsWide(NextCharacter(line, i)) ? 2 : 1;
    }
    return columns;
}

std::string BreakLines(std::string_view text, int limit, const LineWidth& width) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        BreakLine(text.substr(start, end == std::string_view::npos ? end : end - start), limit,
                  width, out);
        if (end == std::string_view::npos) {
            return out;
        }
        out += '\n';
        start = end + 1;
    }
}

int LineCount(std::string_view text) {
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace velmaro::res
