#include "cli/diagnostics.h"

#include "cli/json_output.h"
#include "cli/utf8_text.h"

#include <string>
#include <utility>

namespace velmaro::cli {

namespace {

// A message quotes what it refuses, and that can be a line of 100 MB.
constexpr std::size_t kLongestMessage = 400;

std::string Shortened(std::string message) {
    if (message.size() <= kLongestMessage) {
        return message;
    }
    std::size_t cut = kLongestMessage;
    while (cut > 0 && (static_cast<unsigned char>(message[cut]) & 0xC0U) == 0x80U) {
        --cut; // not inside a UTF-8 sequence
    }
    message.resize(cut);
    return message + "...";
}

} // namespace

void Diagnostics::Report(const CliError& error, std::size_t line) {
    std::string message = Shortened(error.message());
    // Nothing reaches a stream that has failed; the object is for a reader.
    if (json_ != nullptr && !error.inJson() && error.status() != kExitIoFailed) {
        Json object;
        if (line > 0) {
            object["line"] = line;
        }
        object["error"] = message;
        object["status"] = error.status();
        *json_ << JsonLine(object);
    }
    if (line > 0) {
        message = "line " + std::to_string(line) + ": " + message;
    }
    // Messages quote what was typed or piped in; nothing of it may reach the
    // terminal as a control sequence or break the one line.
    err_ << "velmaro-convert: " << TerminalSafe(message) << '\n';
    if (status_ == kExitOk || error.status() < status_) {
        status_ = error.status();
    }
}

} // namespace velmaro::cli
