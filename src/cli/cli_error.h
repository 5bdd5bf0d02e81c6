#pragma once

// How the console converter refuses what it was asked: one line for standard
// error and the exit status that goes with it.

#include <stdexcept>
#include <string>

namespace velmaro::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitIoFailed = 1; // standard output or input failed
// Unknown name, missing or conflicting argument; input a tool refuses.
inline constexpr int kExitUsage = 2;
// A value outside a sensor type's or a formulation's range, or a result that
// is no finite number.
inline constexpr int kExitOutOfRange = 3;

class CliError : public std::runtime_error {
public:
    CliError(int status, const std::string& message)
        : std::runtime_error(message), message_(message), status_(status) {}

    int status() const { return status_; }
    // Whole, where what() ends at the first NUL that a quoted input holds.
    const std::string& message() const { return message_; }

    // With --json, the command has written the refusal into its own object
    // (with the results it has): no separate error object follows.
    bool inJson() const { return inJson_; }
    CliError& InJson() {
        inJson_ = true;
        return *this;
    }

private:
    std::string message_;
    int status_;
    bool inJson_ = false;
};

inline CliError UsageError(const std::string& message) {
    return {kExitUsage, message};
}

inline CliError ValueError(const std::string& message) {
    return {kExitOutOfRange, message};
}

} // namespace velmaro::cli
