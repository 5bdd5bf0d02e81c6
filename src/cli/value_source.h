#pragma once

// Where the values of a command come from: the one value on the command line,
// or one value per line of standard input for batch work.

#include "cli/cli_error.h"
#include "cli/diagnostics.h"

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro::cli {

// Refuses text that is not wholly a number, blanks around it aside: what
// --strict asks of every value.
void CheckWholeNumber(std::string_view text);

// Standard input as lines of values, and what becomes of a value that is
// refused.
class ValueInput {
public:
    ValueInput(std::istream& lines, Diagnostics& diagnostics, bool strict)
        : lines_(lines), diagnostics_(diagnostics), strict_(strict), chunk_(kChunk) {}

    // Calls each(text, line) for `value`, or, when there is none, for every
    // line of standard input (a carriage return before the line end is
    // dropped; line counts from 1, and is 0 for a value from the command
    // line). A value that each() refuses is reported with its line number
    // and the next one is taken; with --strict, so is a value that is not a
    // number through and through, and always a line of over 1 MiB. A failed
    // write or read stops at once with status 1.
    template <class Each> void ForEach(std::optional<std::string_view> value, Each each) {
        if (value) {
            Take(*value, 0, each);
            return;
        }
        std::string line;
        for (std::size_t number = 1;; ++number) {
            const Line read = NextLine(line);
            if (read == Line::End) {
                break;
            }
            if (read == Line::TooLong) {
                diagnostics_.Report(UsageError(kTooLong), number);
                continue;
            }
            Take(line, number, each);
        }
    }

private:
    template <class Each> void Take(std::string_view text, std::size_t line, Each& each) {
        try {
            if (strict_) {
                CheckWholeNumber(text);
            }
            each(text, line);
        } catch (const CliError& error) {
            if (error.status() == kExitIoFailed) {
                throw;
            }
            diagnostics_.Report(error, line);
        }
    }

    enum class Line { Read, TooLong, End };

    // The next line without its line end (and a carriage return before it);
    // a line longer than kLongestLine is read to its end but not kept. Throws a
    // CliError with status 1 when reading fails.
    Line NextLine(std::string& line);

    // A value is short: a longer line is not kept, so that input without
    // line ends cannot fill the memory.
    static constexpr std::size_t kLongestLine = std::size_t{1} << 20U;
    static constexpr const char* kTooLong = "longer than 1048576 bytes, not read";

    // What one read of a line takes at most; allocated once, as lines are many.
    static constexpr std::size_t kChunk = std::size_t{64} * 1024;

    std::istream& lines_;
    Diagnostics& diagnostics_;
    bool strict_;
    std::vector<char> chunk_;
};

template <class Each>
void ForEachValue(std::optional<std::string_view> value, ValueInput& in, Each each) {
    in.ForEach(value, each);
}

// A VALUE of "-" means standard input, as no VALUE does.
inline std::optional<std::string_view> CommandLineValue(std::string_view text) {
    return text == "-" ? std::nullopt : std::optional<std::string_view>(text);
}

} // namespace velmaro::cli
