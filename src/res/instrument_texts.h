#pragma once

// Texts of the instrument window that are not in its template: list entries,
// the verdict lines and the window-menu command (by text id, from res/texts).

#include "res/texts/chinese_tool_texts.h"

#include <array>
#include <string_view>

namespace velmaro::res {

// The window-menu command and the help window's button; "&" marks the
// mnemonic, "\t" starts the key column.
inline constexpr std::string_view kInstrumentsCommand = texts::ToolText("instrument.command");
inline constexpr std::string_view kInstrumentsButton = texts::ToolText("instrument.button");

// Transmitter output characteristic, in list order: linear, square root.
inline constexpr std::array<std::string_view, 2> kCharacteristics = {
    texts::ToolText("instrument.characteristic.linear"),
    texts::ToolText("instrument.characteristic.square-root")};
// Line pressure reading, in list order: gauge, absolute.
inline constexpr std::array<std::string_view, 2> kPressureKinds = {
    texts::ToolText("instrument.gauge"), texts::ToolText("instrument.absolute")};
// Standard conditions, in list order.
inline constexpr std::array<std::string_view, 2> kStandardConditions = {
    texts::ToolText("instrument.standard.20"), texts::ToolText("instrument.standard.15")};

// Under the transmitter's fields when its signal lies outside the signal
// range; the faults' texts are found by instruments::FaultTextId.
inline constexpr std::string_view kSignalOutside = texts::ToolText("instrument.signal-outside");

} // namespace velmaro::res
