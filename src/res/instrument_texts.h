#pragma once

// The texts that open the instrument window: the window-menu command and the
// help window's button (by text id, from res/texts).

#include "res/texts/chinese_tool_texts.h"

#include <string_view>

namespace velmaro::res {

// The window-menu command and the help window's button; "&" marks the
// mnemonic, "\t" starts the key column.
inline constexpr std::string_view kInstrumentsCommand = texts::ToolText("instrument.command");
inline constexpr std::string_view kInstrumentsButton = texts::ToolText("instrument.button");

} // namespace velmaro::res
