#pragma once

// The command line of velmaro-convert, read into what it asks for: one
// grammar (CLI11) for every mode. A conversion, --list, --sensor and --table
// are the program's own options; each tool is a subcommand whose options
// come from its declaration (velmaro-convert steam --pressure ...), and the
// tools' older spellings (--steam ...) are read as those. Only the grammar
// and the tools' inputs are checked here; names and numbers of the other
// modes are checked by the command that uses them.

#include "cli/tool_options.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro::cli {

enum class Command { Help, Version, List, Convert, Sensor, Table, Tool };

enum class SensorInput { Temperature, Emf, Resistance };

struct Request {
    Command command = Command::Convert;
    bool json = false;
    bool csv = false;
    bool strict = false;                  // every number must be a number through and through
    std::vector<std::string> positionals; // VALUE UNIT [TARGET], or UNIT [TARGET]
    std::optional<std::string> quantity;  // --list QUANTITY
    std::string sensorType;               // --sensor or --table
    SensorInput input = SensorInput::Temperature;
    std::string inputValue; // --temperature, --emf or --resistance
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::optional<std::string> step;
    std::optional<std::string> by; // --table steam
    ToolRequest tool;              // Command::Tool
    std::string help;              // Command::Help: the text to print
};

// Reads the arguments after the program name; refuses what does not fit the
// grammar with a usage error. "-40" and "-.5" are values, not options, and
// "--" ends the options. --help and --version win over everything before
// "--"; --help with a tool (or its older spelling) is the tool's help.
Request ParseArguments(std::span<const std::string_view> args);

// Whether the arguments ask for --json (before any "--"), so that a command
// line that cannot be read is refused with a JSON object too.
bool AsksForJson(std::span<const std::string_view> args);

} // namespace velmaro::cli
