#pragma once

// The English texts of the tools, by the ids of chinese_tool_texts.h. The
// command line speaks English: its help and its messages take these.

#include "res/texts/texts.h"

#include <array>

namespace velmaro::texts {

// clang-format off
inline constexpr std::array kEnglishToolTexts = std::to_array<Text>({
    // The water and steam window: title, group captions, button.
    {"steam.title", "Water and Steam Properties"},
    {"steam.known", "Known"},
    {"steam.results", "Results"},
    {"steam.close", "Close"},
    // Its input choices, in the order of the mode list.
    {"steam.mode.pressure-temperature", "Pressure and temperature"},
    {"steam.mode.saturation-by-pressure", "Saturation (by pressure)"},
    {"steam.mode.saturation-by-temperature", "Saturation (by temperature)"},
    {"steam.mode.pressure-enthalpy", "Pressure and enthalpy"},
    {"steam.mode.pressure-entropy", "Pressure and entropy"},
    {"steam.absolute", "Absolute"},
    {"steam.gauge", "Gauge"},
    // The labels that name the input fields (their accessible names).
    {"steam.label.pressure", "Pressure"},
    {"steam.label.ambient", "Ambient (kPa)"},
    {"steam.label.temperature", "Temperature"},
    {"steam.label.enthalpy", "Enthalpy (kJ/kg)"},
    {"steam.label.entropy", "Entropy (kJ/(kg·K))"},
    {"steam.label.quality", "Quality x"},
    {"steam.label.pressure-unit", "Pressure unit"},
    {"steam.label.pressure-kind", "Gauge/absolute"},
    {"steam.label.temperature-unit", "Temperature unit"},
    // The page's panel.
    {"steam.panel", "Water and steam"},
    // Column headings: one state, or the saturated pair and the wet state.
    {"steam.heading.state", "State"},
    {"steam.heading.saturated-liquid", "Sat. liquid"},
    {"steam.heading.saturated-vapour", "Sat. vapour"},
    {"steam.heading.wet-steam", "Wet steam"},
    // The result rows, with their units.
    {"steam.result.region", "Region"},
    {"steam.result.phase", "Phase"},
    {"steam.result.celsius", "Temperature t (°C)"},
    {"steam.result.temperature", "Temperature T (K)"},
    {"steam.result.pressure", "Pressure p (MPa abs.)"},
    {"steam.result.volume", "Specific volume v (m³/kg)"},
    {"steam.result.density", "Density ρ (kg/m³)"},
    {"steam.result.enthalpy", "Enthalpy h (kJ/kg)"},
    {"steam.result.internal-energy", "Internal energy u (kJ/kg)"},
    {"steam.result.entropy", "Entropy s (kJ/(kg·K))"},
    {"steam.result.cp", "cp (kJ/(kg·K))"},
    {"steam.result.cv", "cv (kJ/(kg·K))"},
    {"steam.result.speed-of-sound", "Speed of sound w (m/s)"},
    {"steam.result.quality", "Quality x"},
    // Phases.
    {"steam.phase.compressed-liquid", "Compressed liquid"},
    {"steam.phase.saturated-liquid", "Saturated liquid"},
    {"steam.phase.wet-steam", "Wet steam"},
    {"steam.phase.saturated-vapour", "Saturated vapour"},
    {"steam.phase.superheated-vapour", "Superheated vapour"},
    {"steam.phase.supercritical", "Supercritical fluid"},
    {"steam.out-of-range", "Out of range"},
    {"steam.quality-outside", "The quality x must lie from 0 to 1"},
    {"steam.not-defined", "—"},
    // The window menu's command and the help window's button.
    {"steam.command", "&Water and Steam...\tCtrl+H"},
    {"steam.button", "Water and steam (Ctrl+H)"},
    // The instrument window: title, tool frames, button, field labels.
    {"instrument.title", "Instrument Calculations"},
    {"instrument.close", "Close"},
    {"instrument.cold-junction", "Thermocouple cold junction"},
    {"instrument.transmitter", "Transmitter signal"},
    {"instrument.gas-flow", "Gas flow (line, normal)"},
    {"instrument.cj.type", "Type"},
    {"instrument.cj.cold", "Cold junction °C"},
    {"instrument.cj.emf", "Measured EMF mV"},
    {"instrument.cj.hot", "Hot junction °C"},
    {"instrument.tx.lrv", "Lower range value"},
    {"instrument.tx.urv", "Upper range value"},
    {"instrument.tx.unit", "Engineering unit"},
    {"instrument.tx.signal-range", "Signal range"},
    {"instrument.tx.characteristic", "Output"},
    {"instrument.tx.cut-off", "Low-flow cut-off %"},
    {"instrument.tx.signal", "Signal"},
    {"instrument.tx.value", "Value"},
    {"instrument.tx.percent", "Percent of span %"},
    {"instrument.gas.flow-unit", "Flow unit"},
    {"instrument.gas.pressure", "Line pressure"},
    {"instrument.gas.pressure-unit", "Pressure unit"},
    {"instrument.gas.pressure-kind", "Pressure kind"},
    {"instrument.gas.temperature", "Line temperature °C"},
    {"instrument.gas.z", "Line Z"},
    {"instrument.gas.z-ref", "Reference Z"},
    {"instrument.gas.standard", "Standard conditions"},
    {"instrument.gas.line-flow", "Line flow"},
    {"instrument.gas.normal-flow", "Normal flow"},
    {"instrument.gas.standard-flow", "Standard flow"},
    {"instrument.gas.density", "Normal density kg/m³"},
    {"instrument.gas.molar-mass", "Molar mass g/mol"},
    {"instrument.gas.mass-flow", "Mass flow kg/h"},
    // Its list entries, verdicts, window-menu command and help button.
    {"instrument.command", "&Instrument Calculations...\tCtrl+I"},
    {"instrument.button", "Instruments (Ctrl+I)..."},
    {"instrument.characteristic.linear", "Linear"},
    {"instrument.characteristic.square-root", "Square root (DP flow)"},
    {"instrument.gauge", "Gauge"},
    {"instrument.absolute", "Absolute"},
    {"instrument.standard.20", "20 °C, 101.325 kPa"},
    {"instrument.standard.15", "15 °C, 101.325 kPa"},
    {"instrument.standard.60f", "60 °F, 14.696 psia"},
    {"instrument.out-of-range", "Out of range"},
    {"instrument.signal-outside", "Signal outside its range"},
    {"instrument.not-finite", "Number too large or invalid"},
    {"instrument.empty-range", "Upper range value equals the lower"},
    {"instrument.cut-off-outside", "Cut-off must lie from 0 to below 100 %"},
    {"instrument.pressure-not-positive", "Absolute pressure must be above zero"},
    {"instrument.temperature-not-positive", "Absolute temperature must be above zero"},
    {"instrument.z-not-positive", "Z must be above zero"},
    {"instrument.density-not-positive", "Density and molar mass must be above zero"},
    // Any tool: a number refused before it is computed with; a result the
    // state does not define (the cp of wet steam).
    {"tool.not-a-number", "Not a number"},
    {"tool.value-outside", "Value outside its allowed range"},
    {"tool.not-finite", "Number too large or invalid"},
    {"tool.not-defined", "—"},
});
// clang-format on

} // namespace velmaro::texts
