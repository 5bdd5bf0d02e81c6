#pragma once

// The command line of velmaro-convert, read into what it asks for. Only the
// grammar is checked here; names and numbers are checked by the command that
// uses them.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace velmaro::cli {

enum class Command { Help, Version, List, Convert, Sensor, Table };

enum class SensorInput { Temperature, Emf, Resistance };

struct Request {
    Command command = Command::Convert;
    bool json = false;
    bool csv = false;
    bool strict = false;                       // a value must be a number through and through
    std::vector<std::string_view> positionals; // VALUE UNIT [TARGET], or UNIT [TARGET]
    std::optional<std::string_view> quantity;  // --list QUANTITY
    std::string_view sensorType;               // --sensor or --table
    SensorInput input = SensorInput::Temperature;
    std::string_view inputValue; // --temperature, --emf or --resistance
    std::optional<std::string_view> from;
    std::optional<std::string_view> to;
    std::optional<std::string_view> step;
};

// Reads the arguments after the program name; refuses what does not fit the
// grammar with a usage error. "-40" and "-.5" are values, not options, and
// "--" ends the options.
Request ParseArguments(std::span<const std::string_view> args);

} // namespace velmaro::cli
