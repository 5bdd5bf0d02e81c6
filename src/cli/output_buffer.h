#pragma once

// Output collected in memory and handed to the stream in large pieces: a
// million results must not mean a million small writes. The first piece the
// stream does not take stops the run: with SIGPIPE ignored, a reader that has
// gone away shows only as a failed write.

#include "cli/cli_error.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace velmaro::cli {

class OutputBuffer {
public:
    explicit OutputBuffer(std::ostream& out) : out_(out) { text_.reserve(2 * kChunk); }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;
    ~OutputBuffer() = default; // Run flushes; a destructor could not report the failure

    OutputBuffer& operator<<(std::string_view text) {
        text_.append(text);
        if (text_.size() >= kChunk) {
            Flush();
        }
        return *this;
    }
    OutputBuffer& operator<<(char c) {
        text_.push_back(c);
        return *this;
    }

    // Hands everything collected to the stream and flushes it; throws a
    // CliError with status 1 when the stream fails, now or before.
    void Flush() {
        out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
        out_.flush();
        text_.clear();
        if (!out_) {
            throw CliError(kExitIoFailed, "could not write the results");
        }
    }

private:
    static constexpr std::size_t kChunk = std::size_t{64} * 1024;
    std::ostream& out_;
    std::string text_;
};

} // namespace velmaro::cli
