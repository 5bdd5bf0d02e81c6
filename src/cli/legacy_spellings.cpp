#include "cli/legacy_spellings.h"

#include "cli/cli_error.h"
#include "cli/nearest_names.h"
#include "cli/tool_help.h"
#include "tools/tools.h"

#include <algorithm>
#include <array>

namespace velmaro::cli {
namespace {

// The conditions --from and --to name: the flow at them, and the standard
// conditions or the options they need.
struct Condition {
    std::string_view name;
    std::string_view field;
    std::string_view standard;
    std::span<const std::string_view> needs = {};
};

constexpr std::array<std::string_view, 2> kLineState = {"--pressure", "--temperature"};

constexpr std::array<Condition, 5> kGasConditions = {{
    {"line", "line-flow", {}, kLineState},
    {"normal", "normal-flow", {}},
    {"standard", "standard-flow", "standard"},
    {"standard15", "standard-flow", "standard15"},
    {"standard60f", "standard-flow", "standard60f"},
}};

struct Spelling {
    std::string_view option;
    std::string_view tool;
    // The values the option takes (at least one when it takes any; the
    // others only when they follow it), and the field they go to.
    std::size_t values;
    std::string_view field;
    // What it prints: --print's list; none: every result.
    std::string_view print;
    // --from and --to: the first condition is the one given by default,
    // the second the one given when --to names the first. The flow --to
    // names prints beside `besideTo`.
    std::span<const Condition> conditions;
    std::string_view besideTo;
    std::string_view usage;
    std::string_view help;
};

constexpr std::array<Spelling, 5> kSpellings = {{
    {"--steam", "steam", 0, {}, {}, {}, {}, "--steam OPTIONS", "steam OPTIONS"},
    {"--cold-junction",
     "cold-junction",
     1,
     "cold-junction",
     "hot,emf",
     {},
     {},
     "--cold-junction TC OPTIONS",
     "cold-junction --cold-junction TC OPTIONS, printing the hot end or the EMF alone"},
    {"--transmitter",
     "transmitter",
     0,
     {},
     {},
     {},
     {},
     "--transmitter OPTIONS",
     "transmitter OPTIONS"},
    {"--gas-flow", "gas-flow", 2, "line-flow", "normal-flow,mass-flow", kGasConditions, "mass-flow",
     "--gas-flow Q UNIT [--from COND] [--to COND] OPTIONS",
     "gas-flow --COND-flow Q UNIT OPTIONS for the flow Q at --from (line, or normal when --to "
     "is line), printing the flow at --to (normal by default) and the mass flow; COND is line, "
     "normal, standard, standard15 or standard60f"},
    {"--flow-meter",
     "flow-meter",
     1,
     "flow-meter",
     {},
     {},
     {},
     "--flow-meter TYPE OPTIONS",
     "flow-meter --flow-meter TYPE OPTIONS"},
}};

// The older spelling among `args`; none when they name a tool's subcommand
// before it (cold-junction ... --cold-junction 25 is the new spelling). A
// tool's name after it is a value (--flow-meter ... --fluid steam).
const Spelling* SpellingIn(std::span<const std::string_view> args) {
    const Spelling* found = nullptr;
    for (const std::string_view arg : args) {
        if (arg == "--") {
            break;
        }
        if (found == nullptr && tools::FindTool(arg) != nullptr) {
            return nullptr;
        }
        for (const Spelling& spelling : kSpellings) {
            if (arg != spelling.option || found == &spelling) {
                continue;
            }
            if (found != nullptr) {
                std::vector<std::string> options(kSpellings.size());
                std::ranges::transform(kSpellings, options.begin(), [](const Spelling& other) {
                    return std::string(other.option);
                });
                throw UsageError(JoinNames(options, " and ") + " do not go together");
            }
            found = &spelling;
        }
    }
    return found;
}

const Condition& ConditionNamed(const Spelling& spelling, std::string_view option,
                                std::string_view name) {
    const auto found = std::ranges::find(spelling.conditions, name, &Condition::name);
    if (found == spelling.conditions.end()) {
        std::vector<std::string> names;
        for (const Condition& condition : spelling.conditions) {
            names.emplace_back(condition.name);
        }
        throw UsageError(std::string(option) + ": the conditions are " + JoinNames(names) +
                         ", not '" + std::string(name) + "'" + NearestTail(name, names));
    }
    return *found;
}

// `args` in the new spelling, step by step.
class Translation {
public:
    Translation(const Spelling& spelling, std::span<const std::string_view> args)
        : spelling_(spelling), args_(args), out_{std::string(spelling.tool)} {
        for (i_ = 0; i_ < args_.size(); ++i_) {
            const std::string_view arg = args_[i_];
            ended_ = ended_ || arg == "--";
            if (ended_ || !(TakeOption(arg) || TakeCondition(arg))) {
                printGiven_ = printGiven_ || (!ended_ && arg.starts_with("--print"));
                out_.emplace_back(arg);
            }
        }
    }

    std::vector<std::string> Result() {
        std::string print(spelling_.print);
        if (!spelling_.conditions.empty()) {
            print = Conditions();
        }
        if (!print.empty() && !printGiven_) {
            out_.insert(out_.begin() + 1, {"--print", print});
        }
        return std::move(out_);
    }

private:
    // The older option itself, and the values it takes.
    bool TakeOption(std::string_view arg) {
        if (arg != spelling_.option) {
            return false;
        }
        if (spelling_.values == 0) {
            return true;
        }
        if (i_ + 1 == args_.size()) {
            throw UsageError(std::string(arg) + " needs a value");
        }
        fieldAt_ = out_.size();
        out_.push_back("--" + std::string(spelling_.field));
        out_.emplace_back(args_[++i_]);
        for (std::size_t v = 1;
             v < spelling_.values && i_ + 1 < args_.size() && !LooksLikeOption(args_[i_ + 1]);
             ++v) {
            out_.emplace_back(args_[++i_]);
        }
        return true;
    }

    // --from COND and --to COND, where the spelling has conditions.
    bool TakeCondition(std::string_view arg) {
        if (spelling_.conditions.empty() || (arg != "--from" && arg != "--to")) {
            return false;
        }
        if (i_ + 1 == args_.size()) {
            throw UsageError(std::string(arg) + " needs a value");
        }
        const Condition*& slot = arg == "--from" ? from_ : to_;
        if (slot != nullptr) {
            throw UsageError(std::string(arg) + " is given twice");
        }
        slot = &ConditionNamed(spelling_, arg, args_[++i_]);
        return true;
    }

    // The flow given goes to --from's field, the standard conditions named
    // become --standard; what prints is the flow --to names.
    std::string Conditions() {
        const auto conditions = spelling_.conditions;
        const Condition* to = to_ != nullptr ? to_ : &conditions[1];
        const Condition* from =
            from_ != nullptr ? from_
                             : (to == conditions.data() ? &conditions[1] : conditions.data());
        if (!from->standard.empty() && !to->standard.empty() && from->standard != to->standard) {
            throw UsageError("--from " + std::string(from->name) + " and --to " +
                             std::string(to->name) + ": give one standard condition");
        }
        for (const Condition* condition : {from, to}) {
            for (const std::string_view option : condition->needs) {
                if (std::ranges::find(args_, option) == args_.end()) {
                    throw UsageError(std::string(condition->name) + " conditions need " +
                                     JoinNames(std::vector<std::string>(condition->needs.begin(),
                                                                        condition->needs.end()),
                                               " and "));
                }
            }
        }
        if (fieldAt_) {
            out_[*fieldAt_] = "--" + std::string(from->field);
        }
        const std::string_view standard = from->standard.empty() ? to->standard : from->standard;
        if (!standard.empty()) {
            out_.insert(out_.begin() + 1, {"--standard", std::string(standard)});
        }
        return std::string(to->field) + "," + std::string(spelling_.besideTo);
    }

    const Spelling& spelling_;
    std::span<const std::string_view> args_;
    std::vector<std::string> out_;
    std::size_t i_ = 0;
    bool ended_ = false;
    bool printGiven_ = false;
    std::optional<std::size_t> fieldAt_; // where the option's field goes in out_
    const Condition* from_ = nullptr;
    const Condition* to_ = nullptr;
};

} // namespace

bool LooksLikeOption(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9') && arg[1] != '.';
}

std::string_view LegacyTool(std::span<const std::string_view> args) {
    const Spelling* spelling = SpellingIn(args);
    return spelling != nullptr ? spelling->tool : std::string_view();
}

std::optional<std::vector<std::string>> FromLegacySpelling(std::span<const std::string_view> args) {
    const Spelling* spelling = SpellingIn(args);
    if (spelling == nullptr) {
        return std::nullopt;
    }
    Translation translation(*spelling, args);
    return translation.Result();
}

std::string LegacyHelp() {
    std::string help;
    for (const Spelling& spelling : kSpellings) {
        std::string usage = "  " + std::string(spelling.usage);
        const std::string text = Wrapped("the same as " + std::string(spelling.help));
        if (usage.size() + 1 > kHelpColumn) {
            usage += "\n";
            usage.resize(usage.size() + kHelpColumn, ' ');
        } else {
            usage.resize(kHelpColumn, ' ');
        }
        std::string indented;
        for (const char c : text) {
            indented += c;
            if (c == '\n') {
                indented += std::string(kHelpColumn, ' ');
            }
        }
        help += usage + indented + "\n";
    }
    return help;
}

} // namespace velmaro::cli
