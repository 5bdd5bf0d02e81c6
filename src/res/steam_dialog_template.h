#pragma once

// Template 105: the water and steam window, with its control ids and the
// texts it shows besides the template's own (by text id, from res/texts).

#include "framework/dialog_template.h"
#include "res/texts/chinese_tool_texts.h"

#include <array>
#include <string_view>

namespace velmaro::res {

inline constexpr int IDD_STEAM = 105;

// Inputs, in tab order.
inline constexpr int IDC_STEAM_MODE = 1401;
inline constexpr int IDC_STEAM_PRESSURE = 1402;
inline constexpr int IDC_STEAM_PRESSURE_UNIT = 1403;
inline constexpr int IDC_STEAM_PRESSURE_KIND = 1404;
inline constexpr int IDC_STEAM_AMBIENT = 1405;
inline constexpr int IDC_STEAM_TEMPERATURE = 1406;
inline constexpr int IDC_STEAM_TEMPERATURE_UNIT = 1407;
inline constexpr int IDC_STEAM_ENTHALPY = 1408;
inline constexpr int IDC_STEAM_ENTROPY = 1409;
inline constexpr int IDC_STEAM_QUALITY = 1410;
inline constexpr int IDC_STEAM_CLOSE = 1411;
// The out-of-range verdict under the results.
inline constexpr int IDC_STEAM_STATUS = 1412;
// Result columns: a heading, then one value per result row. Column c's row r
// is IDC_STEAM_RESULT + c * kSteamRowStride + r; row 0 is the heading.
inline constexpr int IDC_STEAM_RESULT = 1500;
inline constexpr int kSteamRowStride = 20;
inline constexpr int kSteamColumns = 3;
inline constexpr int kSteamRows = 14; // below the heading

constexpr int SteamResultId(int column, int row) {
    return IDC_STEAM_RESULT + column * kSteamRowStride + row;
}

// The input choices, in the order of the mode list.
inline constexpr std::array<std::string_view, 5> kSteamModes = {
    texts::ToolText("steam.mode.pressure-temperature"),
    texts::ToolText("steam.mode.saturation-by-pressure"),
    texts::ToolText("steam.mode.saturation-by-temperature"),
    texts::ToolText("steam.mode.pressure-enthalpy"),
    texts::ToolText("steam.mode.pressure-entropy"),
};
inline constexpr std::array<std::string_view, 2> kSteamPressureKinds = {
    texts::ToolText("steam.absolute"), texts::ToolText("steam.gauge")};
inline constexpr std::array<std::string_view, 3> kSteamTemperatureUnits = {"°C", "K", "°F"};

// Column headings: one state, or the saturated pair and the wet state.
inline constexpr std::string_view kSteamStateHeading = texts::ToolText("steam.heading.state");
inline constexpr std::array<std::string_view, 3> kSteamSaturationHeadings = {
    texts::ToolText("steam.heading.saturated-liquid"),
    texts::ToolText("steam.heading.saturated-vapour"), texts::ToolText("steam.heading.wet-steam")};
// Phase names by steam::Phase.
inline constexpr std::array<std::string_view, 6> kSteamPhases = {
    texts::ToolText("steam.phase.compressed-liquid"),
    texts::ToolText("steam.phase.saturated-liquid"),
    texts::ToolText("steam.phase.wet-steam"),
    texts::ToolText("steam.phase.saturated-vapour"),
    texts::ToolText("steam.phase.superheated-vapour"),
    texts::ToolText("steam.phase.supercritical"),
};
inline constexpr std::string_view kSteamOutOfRange = texts::ToolText("steam.out-of-range");
inline constexpr std::string_view kSteamNotDefined = texts::ToolText("steam.not-defined");

// The labels that name the input fields (their accessible names).
inline constexpr std::string_view kSteamPressureLabel = texts::ToolText("steam.label.pressure");
inline constexpr std::string_view kSteamAmbientLabel = texts::ToolText("steam.label.ambient");
inline constexpr std::string_view kSteamTemperatureLabel =
    texts::ToolText("steam.label.temperature");
inline constexpr std::string_view kSteamEnthalpyLabel = texts::ToolText("steam.label.enthalpy");
inline constexpr std::string_view kSteamEntropyLabel = texts::ToolText("steam.label.entropy");
inline constexpr std::string_view kSteamQualityLabel = texts::ToolText("steam.label.quality");

// The window menu's command and the help window's button, with the key that
// opens the window from the main window.
inline constexpr std::string_view kSteamCommand = texts::ToolText("steam.command");
inline constexpr std::string_view kSteamButton = texts::ToolText("steam.button");

extern const fw::DialogTemplate kSteamDialogTemplate;

} // namespace velmaro::res
