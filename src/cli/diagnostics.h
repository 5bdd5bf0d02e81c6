#pragma once

// Standard error of the console converter: every refusal is one line there,
// with its arguments made safe for a terminal, and the exit status is that of
// the gravest refusal. With --json each refusal is also an object on standard
// output, {"error": message, "status": N} (and "line" for a line of standard
// input), unless the command wrote it into its own object.

#include "cli/cli_error.h"
#include "cli/output_buffer.h"

#include <cstddef>
#include <ostream>

namespace velmaro::cli {

class Diagnostics {
public:
    explicit Diagnostics(std::ostream& err) : err_(err) {}

    // From now on, refusals also go to `out` as JSON objects.
    void EchoAsJson(OutputBuffer& out) { json_ = &out; }

    // Writes "velmaro-convert: [line N: ]message". `line` counts the lines of
    // standard input from 1; 0 is a value or refusal that has none.
    void Report(const CliError& error, std::size_t line = 0);

    // 0 when nothing was refused; otherwise the lowest status reported, as a
    // failed write or read (1) outweighs a usage error (2), and that a value
    // out of range (3).
    int status() const { return status_; }

private:
    std::ostream& err_;
    OutputBuffer* json_ = nullptr;
    int status_ = kExitOk;
};

} // namespace velmaro::cli
