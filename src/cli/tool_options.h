#pragma once

// A tool's options on the command line, read from its declaration: a
// field's option (--pressure P [UNIT]) and its other names, a list's option
// (--sensor K) and its entries as flags (--gauge), the flags of the modes
// (--saturation), the option groups (--range LRV URV [UNIT]), an option for
// a group of fields whose unit picks the field (--flow Q UNIT), and what every
// tool takes: --json, --strict and --print. What they received becomes the
// state a face holds, checked as a whole: one field of each group, the
// options a mode needs, a unit the field offers.

#include "tools/evaluate.h"
#include "tools/tool.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
} // namespace CLI

namespace velmaro::cli {

// What a tool's options received, in the order given.
struct ToolArgs {
    struct Given {
        std::string option; // as typed: --temperature for the field hot
        std::vector<std::string> values;
    };
    std::array<std::optional<Given>, tools::kMaxFields> fields;
    std::vector<std::optional<Given>> groups;       // by option group
    std::vector<std::optional<Given>> groupOptions; // by group option (--flow)
    std::array<std::optional<Given>, tools::kMaxChoices> choices;
    std::vector<std::string> modeFlags;
    std::optional<std::string> print;
    bool json = false;
    bool strict = false;
};

// A tool to run, and how.
struct ToolRequest {
    const tools::Tool* tool = nullptr;
    tools::FaceState state;
    tools::NumberRule rule = tools::NumberRule::Lenient;
    bool json = false;
    // The field whose values come from standard input, one per line (its
    // option was given "-").
    std::optional<std::size_t> stdinField;
    // The results --print asks for; none: every result, with its name.
    std::vector<std::size_t> print;
    // How each field was given, for messages ("--range", "--temperature").
    std::array<std::string, tools::kMaxFields> options;
};

// Declares the options of `tool` on its subcommand; what they receive goes
// to `args`, which must outlive the parse. An option given twice is refused.
void AddToolOptions(CLI::App& command, const tools::Tool& tool, ToolArgs& args);

// The request the options make; refuses (status 2) what does not fit the
// tool: a unit or entry it does not offer, a missing input, two fields of
// one group, options no mode takes together.
ToolRequest ReadToolArgs(const tools::Tool& tool, const ToolArgs& args);

// The command line's name of a field: "--id", or its option group's.
std::string OptionName(const tools::Tool& tool, std::size_t field);

} // namespace velmaro::cli
