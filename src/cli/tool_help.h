#pragma once

// The --help of a tool, worded from its declaration: each option's label,
// units, range and default in English, what the tool must be given, and the
// results --print can name. The texts are wrapped to fit the help's column.

#include "tools/tool.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro::cli {

// Where the descriptions start in the help's lines, and how wide they are.
inline constexpr std::size_t kHelpColumn = 28;
inline constexpr std::size_t kHelpWidth = 79 - kHelpColumn;

// The fields and lists of `tool` the command line offers, in the order the
// windows lay them out, then the rest in their declared order.
std::vector<std::string_view> HelpOrder(const tools::Tool& tool);

std::string FieldHelp(const tools::Tool& tool, const tools::Field& field);
std::string ChoiceHelp(const tools::Tool& tool, const tools::Choice& choice);
std::string EntryHelp(const tools::Choice& choice, const tools::Entry& entry);
std::string GroupHelp(const tools::Tool& tool, const tools::OptionGroup& group);
std::string GroupOptionHelp(const tools::Tool& tool, const tools::GroupOption& option);
std::string ModeFlagHelp(const tools::Tool& tool, std::string_view flag);

// The option group a field is given through, if any.
const tools::OptionGroup* GroupOf(const tools::Tool& tool, std::string_view field);

// The Either fields of `group` the command line offers, by position.
std::vector<std::size_t> GroupFields(const tools::Tool& tool, int group);

// The results the command line prints and --print names, by id.
std::vector<std::string> ResultIds(const tools::Tool& tool);

// What follows the options: what to give, and the results.
std::string ToolFootnote(const tools::Tool& tool);

// What an option goes with: the field it follows ("--pressure"), or the list
// entries of its Field::usedWith ("--fluid gas or liquid").
std::string GoesWith(std::string_view follows, std::string_view usedWith);

// "--pressure --temperature, --pressure --saturation [--quality] or ..."
std::string ModeCombinations(const tools::Tool& tool);

// "--emf or --hot": the options that may read standard input.
std::string PrimaryOptions(const tools::Tool& tool);

// What follows a field's option in the help: "NUMBER [UNIT]", "LRV URV [UNIT]".
std::string HelpPlaceholder(const tools::Tool& tool, std::size_t field);
std::string GroupPlaceholder(const tools::OptionGroup& group);

// A label in English as a message names it ("signal range"), or `fallback`.
std::string EnglishLabel(std::string_view textId, std::string_view fallback);

// What a list's unit is the unit of: the field that takes its unit from it
// ("signal").
std::string UnitSubject(const tools::Tool& tool, const tools::Choice& choice);

// `text` broken into lines of at most `width` characters at blanks.
std::string Wrapped(std::string_view text, std::size_t width = kHelpWidth);

} // namespace velmaro::cli
