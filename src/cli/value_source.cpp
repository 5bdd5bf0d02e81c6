#include "cli/value_source.h"

#include "cli/option_number.h"

namespace velmaro::cli {

ValueInput::Line ValueInput::NextLine(std::string& line) {
    line.clear();
    bool tooLong = false;
    for (bool first = true;; first = false) {
        lines_.getline(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
        const auto got = static_cast<std::size_t>(lines_.gcount());
        if (lines_.bad()) {
            throw CliError(kExitIoFailed, "could not read standard input");
        }
        const bool filled = lines_.fail() && !lines_.eof() && got + 1 == chunk_.size();
        if (first && got == 0 && lines_.fail()) {
            return Line::End;
        }
        // Without the line end, which getline counts but does not store.
        const std::size_t stored = filled || lines_.eof() ? got : got - 1;
        tooLong = tooLong || line.size() + stored > kLongestLine;
        if (!tooLong) {
            line.append(chunk_.data(), stored);
        }
        if (!filled) {
            break;
        }
        lines_.clear();
    }
    lines_.clear(lines_.rdstate() & std::ios::eofbit);
    if (tooLong) {
        return Line::TooLong;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return Line::Read;
}

void CheckWholeNumber(std::string_view text) {
    if (!IsWholeNumber(text)) {
        throw UsageError("'" + std::string(text) + "' is not a number");
    }
}

} // namespace velmaro::cli
