#pragma once

// The tools' older spellings, which scripts rely on, read as the tools'
// options: --steam ... is steam ..., --transmitter ... is transmitter ...,
// --cold-junction TC ... is cold-junction --cold-junction TC ... printing its
// one result, --gas-flow Q UNIT [--from COND] [--to COND] gives the flow at
// COND its field and prints the flow --to asks for and the mass flow, and
// --flow-meter TYPE ... is flow-meter --flow-meter TYPE ...

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro::cli {

// Whether an argument reads as an option rather than a value: "-x" and "--x"
// do; "-", "-5" and "-.5" do not.
bool LooksLikeOption(std::string_view arg);

// The tool an older spelling among `args` names (before any "--"), or "".
// Refuses two of them together.
std::string_view LegacyTool(std::span<const std::string_view> args);

// `args` in the tools' own spelling, starting with the tool's subcommand, or
// nullopt when they hold no older spelling.
std::optional<std::vector<std::string>> FromLegacySpelling(std::span<const std::string_view> args);

// The older spellings for --help: "  --steam ...   the same as steam ...".
std::string LegacyHelp();

} // namespace velmaro::cli
