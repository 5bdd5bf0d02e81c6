#include "cli/arguments.h"

#include "cli/cli_error.h"
#include "cli/english_texts.h"
#include "cli/help_text.h"
#include "cli/legacy_spellings.h"
#include "cli/nearest_names.h"
#include "cli/tool_help.h"
#include "tools/tools.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace velmaro::cli {
namespace {

// The arguments before "--": where --help, --version and --json count.
std::span<const std::string_view> OptionPart(std::span<const std::string_view> args) {
    const auto end = std::ranges::find(args, std::string_view("--"));
    return args.first(static_cast<std::size_t>(end - args.begin()));
}

bool Holds(std::span<const std::string_view> args, std::initializer_list<std::string_view> names) {
    return std::ranges::any_of(OptionPart(args), [names](std::string_view arg) {
        return std::ranges::find(names, arg) != names.end();
    });
}

// The program's options and each tool's subcommand, and what they received.
class Grammar {
public:
    // With `named`, only the subcommands of the tools it holds (before any
    // "--"): each tool declares many options, and a command line names one.
    explicit Grammar(std::optional<std::span<const std::string>> named = std::nullopt)
        : tools_(tools::AllTools().size()) {
        app_.allow_extras();
        app_.require_subcommand(0, 1);
        app_.get_formatter()->column_width(kHelpColumn);
        app_.add_flag("--json", request_.json)->disable_flag_override();
        app_.add_flag("--strict", request_.strict)->disable_flag_override();
        app_.add_flag("--csv", request_.csv)->disable_flag_override();
        app_.add_flag("-V,--version");
        Once("--sensor", sensor_, "TYPE");
        Once("--table", table_, "TYPE");
        Once("--from", request_.from, "NUMBER");
        Once("--to", request_.to, "NUMBER");
        Once("--step", request_.step, "NUMBER");
        Once("--by", request_.by, "temperature|pressure");
        SensorInputOption("--temperature", SensorInput::Temperature);
        SensorInputOption("--emf", SensorInput::Emf);
        SensorInputOption("--resistance", SensorInput::Resistance);
        app_.add_option_function<std::vector<std::string>>(
                "--list",
                [this](const std::vector<std::string>& quantity) {
                    if (list_) {
                        throw UsageError("--list is given twice");
                    }
                    list_ = true;
                    // Without a value, CLI11 hands on one empty text.
                    if (!quantity.empty() && !quantity.front().empty()) {
                        request_.quantity = quantity.front();
                    }
                })
            ->expected(0, 1)
            ->allow_extra_args(false)
            ->trigger_on_parse();
        for (std::size_t i = 0; i < tools::AllTools().size(); ++i) {
            const tools::Tool& tool = *tools::AllTools()[i];
            if (named && !Names(*named, tool.id)) {
                continue;
            }
            CLI::App* command = app_.add_subcommand(
                std::string(tool.id), std::string(EnglishText(tool.titleTextId, tool.id)));
            command->allow_extras();
            command->get_formatter()->column_width(kHelpColumn);
            AddToolOptions(*command, tool, tools_[i]);
        }
    }
    Grammar(const Grammar&) = delete;
    Grammar& operator=(const Grammar&) = delete;

    Request Parse(std::vector<std::string> args) {
        std::ranges::reverse(args); // CLI11 takes them last first
        try {
            app_.parse(args);
        } catch (const CLI::ParseError& error) {
            throw UsageError(error.what());
        }
        if (const auto subcommands = app_.get_subcommands(); !subcommands.empty()) {
            return Tool(*subcommands.front());
        }
        ReadPositionals();
        Check();
        return std::move(request_);
    }

    // The help of the tool called `id`, or the program's.
    std::string Help(std::string_view id) {
        for (const tools::Tool* tool : tools::AllTools()) {
            if (tool->id == id) {
                return app_.get_subcommand(std::string(id))->help("velmaro-convert");
            }
        }
        return HelpText(ToolSections(), LegacyHelp());
    }

private:
    static bool Names(std::span<const std::string> args, std::string_view id) {
        const auto end = std::ranges::find(args, "--");
        return std::find(args.begin(), end, id) != end;
    }

    void Given(std::string_view option) { given_.emplace_back(option); }

    void Once(const std::string& name, std::optional<std::string>& slot, const std::string& type) {
        app_.add_option_function<std::string>(name,
                                              [this, name, &slot](const std::string& value) {
                                                  if (slot) {
                                                      throw UsageError(name + " is given twice");
                                                  }
                                                  slot = value;
                                                  Given(name);
                                              })
            ->type_name(type)
            ->trigger_on_parse();
    }

    void SensorInputOption(const std::string& name, SensorInput input) {
        app_.add_option_function<std::string>(name,
                                              [this, name, input](const std::string& value) {
                                                  if (sawInput_) {
                                                      throw UsageError("give one of --temperature, "
                                                                       "--emf and --resistance");
                                                  }
                                                  sawInput_ = true;
                                                  request_.input = input;
                                                  request_.inputValue = value;
                                                  Given(name);
                                              })
            ->type_name("NUMBER")
            ->trigger_on_parse();
    }

    // The options of the program and of a command, for suggestions.
    static std::vector<std::string> OptionNames(const CLI::App& app) {
        std::vector<std::string> names;
        for (const CLI::Option* option : app.get_options()) {
            for (const std::string& name : option->get_lnames()) {
                names.push_back("--" + name);
            }
        }
        return names;
    }

    [[noreturn]] static void RefuseExtra(const std::string& arg,
                                         const std::vector<std::string>& names,
                                         std::string_view command) {
        if (LooksLikeOption(arg)) {
            const std::string where =
                command.empty() ? std::string() : " for " + std::string(command);
            throw UsageError("unknown option '" + arg + "'" + where + NearestTail(arg, names) +
                             " (see --help)");
        }
        throw UsageError("unexpected argument '" + arg + "'");
    }

    Request Tool(const CLI::App& command) {
        const auto tools = tools::AllTools();
        const auto at = std::ranges::find(tools, command.get_name(), &tools::Tool::id);
        const tools::Tool& tool = **at;
        if (!given_.empty() || list_ || request_.csv) {
            throw UsageError(
                std::string(tool.id) + " does not take " +
                (given_.empty() ? std::string(list_ ? "--list" : "--csv") : given_.front()));
        }
        if (const auto extra = app_.remaining(); !extra.empty()) {
            RefuseExtra(extra.front(), {}, {});
        }
        if (const auto extra = command.remaining(); !extra.empty()) {
            RefuseExtra(extra.front(), OptionNames(command), tool.id);
        }
        ToolArgs& args = tools_[static_cast<std::size_t>(at - tools.begin())];
        args.json = args.json || request_.json;
        args.strict = args.strict || request_.strict;
        Request request;
        request.command = Command::Tool;
        request.json = args.json;
        request.strict = args.strict;
        request.tool = ReadToolArgs(tool, args);
        return request;
    }

    // What CLI11 left: VALUE UNIT [TARGET], and after "--" anything.
    void ReadPositionals() {
        std::vector<std::string> names = OptionNames(app_);
        for (const std::string_view spelling :
             {"--steam", "--cold-junction", "--transmitter", "--gas-flow", "--flow-meter"}) {
            names.emplace_back(spelling);
        }
        bool ended = false;
        for (const std::string& arg : app_.remaining()) {
            if (!ended && arg == "--") {
                ended = true;
            } else if (!ended && LooksLikeOption(arg)) {
                RefuseExtra(arg, names, {});
            } else {
                request_.positionals.push_back(arg);
            }
        }
    }

    // What the options given allow together.
    void Check() {
        const int modes = static_cast<int>(list_) + static_cast<int>(sensor_.has_value()) +
                          static_cast<int>(table_.has_value());
        if (modes > 1) {
            throw UsageError("--list, --sensor and --table do not go together");
        }
        Request& r = request_;
        r.command = list_     ? Command::List
                    : sensor_ ? Command::Sensor
                    : table_  ? Command::Table
                              : Command::Convert;
        r.sensorType = sensor_ ? *sensor_ : table_.value_or("");
        const bool tableOptions = r.csv || r.from || r.to || r.step || r.by;
        if (tableOptions && r.command != Command::Table) {
            throw UsageError("--csv, --from, --to, --step and --by belong to --table");
        }
        if (sawInput_ && r.command != Command::Sensor) {
            throw UsageError("--temperature, --emf and --resistance need --sensor TYPE");
        }
        if (r.command != Command::Convert && !r.positionals.empty()) {
            throw UsageError("unexpected argument '" + r.positionals.front() + "'");
        }
        switch (r.command) {
        case Command::Sensor:
            if (!sawInput_) {
                throw UsageError("--sensor needs --temperature, --emf or --resistance");
            }
            break;
        case Command::Table:
            CheckTable();
            break;
        case Command::Convert:
            if (r.positionals.empty()) {
                throw UsageError("missing UNIT (see --help)");
            }
            if (r.positionals.size() > 3) {
                throw UsageError("too many arguments: '" + r.positionals[3] + "' (see --help)");
            }
            break;
        default:
            break;
        }
    }

    void CheckTable() const {
        const Request& r = request_;
        if (r.sensorType == "steam") {
            if (!r.from || !r.to || !r.step) {
                throw UsageError("--table steam needs --from, --to and --step");
            }
            if (r.by && *r.by != "temperature" && *r.by != "pressure") {
                throw UsageError("--by takes temperature or pressure, not '" + *r.by + "'");
            }
            return;
        }
        if (r.by) {
            throw UsageError("--by belongs to --table steam");
        }
        // JSON gives the rows of the --csv table.
        if (r.step && !r.csv && !r.json) {
            throw UsageError("--step is for --csv tables; the printed table steps by 1 °C");
        }
    }

    // Each tool's options for the program's --help, without those every tool
    // takes.
    std::string ToolSections() const {
        std::string sections;
        CLI::Formatter formatter;
        formatter.column_width(kHelpColumn);
        for (const tools::Tool* tool : tools::AllTools()) {
            const CLI::App& command = *app_.get_subcommand(std::string(tool->id));
            sections += "\n" + command.get_description() + " (velmaro-convert " +
                        std::string(tool->id) + " OPTIONS):\n";
            for (const CLI::Option* option : command.get_options()) {
                const std::string name = option->get_name();
                if (name != "--help" && name != "--json" && name != "--strict" &&
                    name != "--print") {
                    sections += formatter.make_option(option, false);
                }
            }
            sections += command.get_footer();
        }
        return sections;
    }

    CLI::App app_{"", "velmaro-convert"};
    std::vector<ToolArgs> tools_;
    Request request_;
    std::optional<std::string> sensor_;
    std::optional<std::string> table_;
    bool list_ = false;
    bool sawInput_ = false;
    std::vector<std::string> given_; // the program's options that take a value
};

} // namespace

bool AsksForJson(std::span<const std::string_view> args) {
    return std::ranges::any_of(OptionPart(args),
                               [](std::string_view arg) { return arg == "--json"; });
}

Request ParseArguments(std::span<const std::string_view> args) {
    if (Holds(args, {"--help", "-h"})) {
        std::string_view tool = LegacyTool(args);
        for (const std::string_view arg : OptionPart(args)) {
            if (tool.empty() && tools::FindTool(arg) != nullptr) {
                tool = arg;
            }
        }
        Request request;
        request.command = Command::Help;
        request.help = Grammar().Help(tool);
        return request;
    }
    if (Holds(args, {"--version", "-V"})) {
        Request request;
        request.command = Command::Version;
        return request;
    }
    std::vector<std::string> owned;
    if (auto translated = FromLegacySpelling(args)) {
        owned = std::move(*translated);
    } else {
        owned.assign(args.begin(), args.end());
    }
    Grammar grammar(owned);
    return grammar.Parse(std::move(owned));
}

} // namespace velmaro::cli
