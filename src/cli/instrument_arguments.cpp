#include "cli/instrument_arguments.h"

#include "cli/cli_error.h"
#include "cli/nearest_names.h"
#include "cli/value_source.h"

#include <string>
#include <vector>

namespace velmaro::cli {
namespace {

enum class Opt {
    Json,
    Strict,
    ColdJunction,
    Sensor,
    Emf,
    Temperature,
    Transmitter,
    Range,
    SignalRange,
    Signal,
    Value,
    Percent,
    Sqrt,
    CutOff,
    GasFlow,
    Pressure,
    Gauge,
    From,
    To,
    Z,
    ZRef,
    Density,
    MolarMass,
};

// `values` arguments follow the option, the first `numbers` of them numbers;
// with `unit` one more may follow when it does not look like an option.
struct InstrumentOption {
    std::string_view name;
    Opt opt;
    int values;
    int numbers;
    bool unit;
};

constexpr InstrumentOption kOptions[] = {
    {"--json", Opt::Json, 0, 0, false},
    {"--strict", Opt::Strict, 0, 0, false},
    {"--cold-junction", Opt::ColdJunction, 1, 1, false},
    {"--sensor", Opt::Sensor, 1, 0, false},
    {"--emf", Opt::Emf, 1, 1, false},
    {"--temperature", Opt::Temperature, 1, 1, false},
    {"--transmitter", Opt::Transmitter, 0, 0, false},
    {"--range", Opt::Range, 2, 2, true},
    {"--signal-range", Opt::SignalRange, 2, 2, true},
    {"--signal", Opt::Signal, 1, 1, false},
    {"--value", Opt::Value, 1, 1, false},
    {"--percent", Opt::Percent, 1, 1, false},
    {"--sqrt", Opt::Sqrt, 0, 0, false},
    {"--cut-off", Opt::CutOff, 1, 1, false},
    {"--gas-flow", Opt::GasFlow, 2, 1, false},
    {"--pressure", Opt::Pressure, 2, 1, false},
    {"--gauge", Opt::Gauge, 0, 0, false},
    {"--from", Opt::From, 1, 0, false},
    {"--to", Opt::To, 1, 0, false},
    {"--z", Opt::Z, 1, 1, false},
    {"--z-ref", Opt::ZRef, 1, 1, false},
    {"--density", Opt::Density, 1, 1, false},
    {"--molar-mass", Opt::MolarMass, 1, 1, false},
};

bool LooksLikeOption(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9') && arg[1] != '.';
}

const InstrumentOption& FindOption(std::string_view name) {
    std::vector<std::string> names;
    for (const InstrumentOption& option : kOptions) {
        if (option.name == name) {
            return option;
        }
        names.emplace_back(option.name);
    }
    throw UsageError("unknown option '" + std::string(name) + "'" + NearestTail(name, names) +
                     " (see --help)");
}

// The tool each option belongs to; --json, --strict and --temperature belong
// to more.
bool BelongsTo(Opt opt, InstrumentTool tool) {
    switch (opt) {
    case Opt::Json:
    case Opt::Strict:
        return true;
    case Opt::Temperature:
        return tool != InstrumentTool::Transmitter;
    case Opt::ColdJunction:
    case Opt::Sensor:
    case Opt::Emf:
        return tool == InstrumentTool::ColdJunction;
    case Opt::Transmitter:
    case Opt::Range:
    case Opt::SignalRange:
    case Opt::Signal:
    case Opt::Value:
    case Opt::Percent:
    case Opt::Sqrt:
    case Opt::CutOff:
        return tool == InstrumentTool::Transmitter;
    default:
        return tool == InstrumentTool::GasFlow;
    }
}

InstrumentTool ToolOf(std::span<const std::string_view> args) {
    int tools = 0;
    InstrumentTool tool = InstrumentTool::ColdJunction;
    for (const std::string_view arg : args) {
        if (arg == "--") {
            break;
        }
        if (arg == "--cold-junction" || arg == "--transmitter" || arg == "--gas-flow") {
            ++tools;
            tool = arg == "--cold-junction" ? InstrumentTool::ColdJunction
                   : arg == "--transmitter" ? InstrumentTool::Transmitter
                                            : InstrumentTool::GasFlow;
        }
    }
    if (tools > 1) {
        throw UsageError("--cold-junction, --transmitter and --gas-flow do not go together");
    }
    return tool;
}

// Stores the values of one option.
void Store(InstrumentRequest& r, Opt opt, std::span<const std::string_view> v) {
    switch (opt) {
    case Opt::Json:
        r.json = true;
        break;
    case Opt::Strict:
        r.strict = true;
        break;
    case Opt::ColdJunction:
        r.coldJunction = v[0];
        break;
    case Opt::Sensor:
        r.sensorType = v[0];
        break;
    case Opt::Emf:
        r.emf = v[0];
        break;
    case Opt::Temperature:
        r.temperature = v[0];
        break;
    case Opt::Transmitter:
        break;
    case Opt::Range:
        r.lowerRange = v[0];
        r.upperRange = v[1];
        r.rangeUnit = v.size() > 2 ? v[2] : std::string_view();
        break;
    case Opt::SignalRange:
        r.signalLow = v[0];
        r.signalHigh = v[1];
        r.signalUnit = v.size() > 2 ? v[2] : std::string_view();
        break;
    case Opt::Signal:
        r.signal = v[0];
        break;
    case Opt::Value:
        r.value = v[0];
        break;
    case Opt::Percent:
        r.percent = v[0];
        break;
    case Opt::Sqrt:
        r.squareRoot = true;
        break;
    case Opt::CutOff:
        r.cutOff = v[0];
        break;
    case Opt::GasFlow:
        r.flow = v[0];
        r.flowUnit = v[1];
        break;
    case Opt::Pressure:
        r.pressure = v[0];
        r.pressureUnit = v[1];
        break;
    case Opt::Gauge:
        r.gauge = true;
        break;
    case Opt::From:
        r.from = v[0];
        break;
    case Opt::To:
        r.to = v[0];
        break;
    case Opt::Z:
        r.z = v[0];
        break;
    case Opt::ZRef:
        r.zRef = v[0];
        break;
    case Opt::Density:
        r.density = v[0];
        break;
    case Opt::MolarMass:
        r.molarMass = v[0];
        break;
    }
}

void CheckComplete(const InstrumentRequest& r) {
    switch (r.tool) {
    case InstrumentTool::ColdJunction:
        if (r.sensorType.empty()) {
            throw UsageError("--cold-junction needs --sensor TYPE (a thermocouple)");
        }
        if (r.emf.has_value() == r.temperature.has_value()) {
            throw UsageError("--cold-junction needs one of --emf MV and --temperature T");
        }
        break;
    case InstrumentTool::Transmitter: {
        if (r.lowerRange.empty()) {
            throw UsageError("--transmitter needs --range LRV URV [UNIT]");
        }
        const int given = static_cast<int>(r.signal.has_value()) +
                          static_cast<int>(r.value.has_value()) +
                          static_cast<int>(r.percent.has_value());
        if (given != 1) {
            throw UsageError("--transmitter needs one of --signal S, --value V and --percent P");
        }
        if (r.cutOff && !r.squareRoot) {
            throw UsageError("--cut-off belongs to --sqrt");
        }
        break;
    }
    case InstrumentTool::GasFlow:
        if (r.density && r.molarMass) {
            throw UsageError("give one of --density and --molar-mass");
        }
        break;
    }
}

// With --strict, refuses a number given that is not a number through and
// through, as a value is refused elsewhere.
void CheckStrictNumbers(const InstrumentRequest& r, std::span<const std::string_view> numbers) {
    if (!r.strict) {
        return;
    }
    for (const std::string_view number : numbers) {
        CheckWholeNumber(number);
    }
}

} // namespace

bool IsInstrumentRequest(std::span<const std::string_view> args) {
    bool tool = false;
    for (const std::string_view arg : args) {
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "-h" || arg == "--version" || arg == "-V") {
            return false;
        }
        tool = tool || arg == "--cold-junction" || arg == "--transmitter" || arg == "--gas-flow";
    }
    return tool;
}

InstrumentRequest ParseInstrumentArguments(std::span<const std::string_view> args) {
    InstrumentRequest request;
    request.tool = ToolOf(args);
    std::vector<Opt> seen;
    std::vector<std::string_view> numbers;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!LooksLikeOption(arg)) {
            throw UsageError("unexpected argument '" + std::string(arg) + "'");
        }
        const InstrumentOption& option = FindOption(arg);
        if (!BelongsTo(option.opt, request.tool)) {
            throw UsageError(std::string(option.name) + " does not belong to " +
                             (request.tool == InstrumentTool::ColdJunction  ? "--cold-junction"
                              : request.tool == InstrumentTool::Transmitter ? "--transmitter"
                                                                            : "--gas-flow"));
        }
        for (const Opt earlier : seen) {
            if (earlier == option.opt) {
                throw UsageError(std::string(option.name) + " is given twice");
            }
        }
        seen.push_back(option.opt);
        const std::size_t first = i + 1;
        const auto count = static_cast<std::size_t>(option.values);
        if (args.size() - first < count) {
            throw UsageError(std::string(option.name) + " needs " + std::to_string(count) +
                             (count == 1 ? " value" : " values"));
        }
        std::size_t taken = count;
        if (option.unit && first + count < args.size() && !LooksLikeOption(args[first + count])) {
            ++taken;
        }
        Store(request, option.opt, args.subspan(first, taken));
        const auto given = args.subspan(first, static_cast<std::size_t>(option.numbers));
        numbers.insert(numbers.end(), given.begin(), given.end());
        i += taken;
    }
    CheckComplete(request);
    CheckStrictNumbers(request, numbers);
    return request;
}

} // namespace velmaro::cli
