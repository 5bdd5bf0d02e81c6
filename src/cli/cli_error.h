#pragma once

// How the console converter refuses what it was asked: one line for standard
// error and the exit status that goes with it.

#include <stdexcept>
#include <string>

namespace velmaro::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitUsage = 2;      // unknown name, missing or conflicting argument
inline constexpr int kExitOutOfRange = 3; // a value outside a sensor type's range

class CliError : public std::runtime_error {
public:
    CliError(int status, const std::string& message)
        : std::runtime_error(message), status_(status) {}

    int status() const { return status_; }

private:
    int status_;
};

inline CliError UsageError(const std::string& message) {
    return {kExitUsage, message};
}

} // namespace velmaro::cli
