#include "cli/arguments.h"

#include "cli/cli_error.h"
#include "cli/nearest_names.h"

#include <string>

namespace velmaro::cli {
namespace {

enum class Option {
    Help,
    Version,
    Json,
    Csv,
    Strict,
    List,
    Sensor,
    Table,
    Temperature,
    Emf,
    Resistance,
    From,
    To,
    Step,
};

struct OptionName {
    std::string_view name;
    Option option;
    bool takesValue;
};

constexpr OptionName kOptions[] = {
    {"--help", Option::Help, false},
    {"-h", Option::Help, false},
    {"--version", Option::Version, false},
    {"-V", Option::Version, false},
    {"--json", Option::Json, false},
    {"--csv", Option::Csv, false},
    {"--strict", Option::Strict, false},
    {"--list", Option::List, false}, // its QUANTITY is optional, see below
    {"--sensor", Option::Sensor, true},
    {"--table", Option::Table, true},
    {"--temperature", Option::Temperature, true},
    {"--emf", Option::Emf, true},
    {"--resistance", Option::Resistance, true},
    {"--from", Option::From, true},
    {"--to", Option::To, true},
    {"--step", Option::Step, true},
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "-" (standard input) and negative numbers are arguments, not options.
bool LooksLikeOption(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && !IsDigit(arg[1]) && arg[1] != '.';
}

const OptionName& FindOption(std::string_view name) {
    std::vector<std::string> names;
    for (const OptionName& option : kOptions) {
        if (option.name == name) {
            return option;
        }
        names.emplace_back(option.name);
    }
    throw UsageError("unknown option '" + std::string(name) + "'" + NearestTail(name, names) +
                     " (see --help)");
}

void SetOnce(std::optional<std::string_view>& slot, std::string_view option,
             std::string_view value) {
    if (slot) {
        throw UsageError(std::string(option) + " is given twice");
    }
    slot = value;
}

// What the options given allow together; checked once everything is read.
void CheckCombination(const Request& request, bool sawInput, bool sawList, bool sawSensor,
                      bool sawTable) {
    if (static_cast<int>(sawList) + static_cast<int>(sawSensor) + static_cast<int>(sawTable) > 1) {
        throw UsageError("--list, --sensor and --table do not go together");
    }
    const bool tableOptions = request.csv || request.from || request.to || request.step;
    if (tableOptions && request.command != Command::Table) {
        throw UsageError("--csv, --from, --to and --step belong to --table");
    }
    if (sawInput && request.command != Command::Sensor) {
        throw UsageError("--temperature, --emf and --resistance need --sensor TYPE");
    }
    if (request.json && request.command == Command::Table) {
        throw UsageError("--json is for conversions, --sensor and --list");
    }
    if (request.command != Command::Convert && !request.positionals.empty()) {
        throw UsageError("unexpected argument '" + std::string(request.positionals.front()) + "'");
    }
    switch (request.command) {
    case Command::Sensor:
        if (!sawInput) {
            throw UsageError("--sensor needs --temperature, --emf or --resistance");
        }
        break;
    case Command::Table:
        if (request.step && !request.csv) {
            throw UsageError("--step is for --csv tables; the printed table steps by 1 °C");
        }
        break;
    case Command::Convert:
        if (request.positionals.empty()) {
            throw UsageError("missing UNIT (see --help)");
        }
        if (request.positionals.size() > 3) {
            throw UsageError("too many arguments: '" + std::string(request.positionals[3]) +
                             "' (see --help)");
        }
        break;
    default:
        break;
    }
}

} // namespace

// One pass over the arguments; the options are few and flat.
// NOLINTNEXTLINE(readability-function-cognitive-complexity)
Request ParseArguments(std::span<const std::string_view> args) {
    Request request;
    bool help = false;
    bool version = false;
    bool sawInput = false;
    bool sawList = false;
    bool sawSensor = false;
    bool sawTable = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || !LooksLikeOption(arg)) {
            request.positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const auto equals = arg.find('=');
        const OptionName& option = FindOption(arg.substr(0, equals));
        std::optional<std::string_view> value;
        if (equals != std::string_view::npos) {
            if (!option.takesValue && option.option != Option::List) {
                throw UsageError(std::string(option.name) + " takes no value");
            }
            value = arg.substr(equals + 1);
        } else if (option.takesValue) {
            if (i + 1 == args.size()) {
                throw UsageError(std::string(option.name) + " needs a value");
            }
            value = args[++i];
        } else if (option.option == Option::List && i + 1 < args.size() &&
                   !LooksLikeOption(args[i + 1])) {
            value = args[++i];
        }
        switch (option.option) {
        case Option::Help:
            help = true;
            break;
        case Option::Version:
            version = true;
            break;
        case Option::Json:
            request.json = true;
            break;
        case Option::Csv:
            request.csv = true;
            break;
        case Option::Strict:
            request.strict = true;
            break;
        case Option::List:
            sawList = true;
            request.command = Command::List;
            request.quantity = value;
            break;
        case Option::Sensor:
        case Option::Table:
            if (option.option == Option::Sensor ? sawSensor : sawTable) {
                throw UsageError(std::string(option.name) + " is given twice");
            }
            (option.option == Option::Sensor ? sawSensor : sawTable) = true;
            request.command = option.option == Option::Sensor ? Command::Sensor : Command::Table;
            request.sensorType = *value;
            break;
        case Option::Temperature:
        case Option::Emf:
        case Option::Resistance:
            if (sawInput) {
                throw UsageError("give one of --temperature, --emf and --resistance");
            }
            sawInput = true;
            request.input = option.option == Option::Temperature ? SensorInput::Temperature
                            : option.option == Option::Emf       ? SensorInput::Emf
                                                                 : SensorInput::Resistance;
            request.inputValue = *value;
            break;
        case Option::From:
            SetOnce(request.from, option.name, *value);
            break;
        case Option::To:
            SetOnce(request.to, option.name, *value);
            break;
        case Option::Step:
            SetOnce(request.step, option.name, *value);
            break;
        }
    }
    if (help || version) {
        request.command = help ? Command::Help : Command::Version;
        return request;
    }
    CheckCombination(request, sawInput, sawList, sawSensor, sawTable);
    return request;
}

} // namespace velmaro::cli
