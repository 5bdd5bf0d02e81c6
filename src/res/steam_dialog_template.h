#pragma once

// Template 105: the water and steam window, with its control ids and every
// text it shows besides the template's own.

#include "framework/dialog_template.h"

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
    "压力和温度", "饱和状态（按压力）", "饱和状态（按温度）", "压力和比焓", "压力和比熵",
};
inline constexpr std::array<std::string_view, 2> kSteamPressureKinds = {"绝压", "表压"};
inline constexpr std::array<std::string_view, 3> kSteamTemperatureUnits = {"°C", "K", "°F"};

// Column headings: one state, or the saturated pair and the wet state.
inline constexpr std::string_view kSteamStateHeading = "状态";
inline constexpr std::array<std::string_view, 3> kSteamSaturationHeadings = {"饱和水", "饱和蒸汽",
                                                                             "湿蒸汽"};
// Phase names by steam::Phase.
inline constexpr std::array<std::string_view, 6> kSteamPhases = {
    "过冷水", "饱和水", "湿蒸汽", "饱和蒸汽", "过热蒸汽", "超临界流体",
};
inline constexpr std::string_view kSteamOutOfRange = "超出范围";
inline constexpr std::string_view kSteamNotDefined = "—";

// The labels that name the input fields (their accessible names).
inline constexpr std::string_view kSteamPressureLabel = "压力";
inline constexpr std::string_view kSteamAmbientLabel = "大气压 (kPa)";
inline constexpr std::string_view kSteamTemperatureLabel = "温度";
inline constexpr std::string_view kSteamEnthalpyLabel = "比焓 (kJ/kg)";
inline constexpr std::string_view kSteamEntropyLabel = "比熵 (kJ/(kg·K))";
inline constexpr std::string_view kSteamQualityLabel = "干度 x";

// The window menu's command and the help window's button, with the key that
// opens the window from the main window.
inline constexpr std::string_view kSteamCommand = "水和水蒸气性质(&W)...\tCtrl+H";
inline constexpr std::string_view kSteamButton = "水和水蒸气 (Ctrl+H)";

extern const fw::DialogTemplate kSteamDialogTemplate;

} // namespace velmaro::res
