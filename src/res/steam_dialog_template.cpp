#include "res/steam_dialog_template.h"

#include <iterator>

namespace velmaro::res {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::kNoId;
using fw::kStyleTabStop;

constexpr int kLeft = 7;
constexpr int kFieldX = 66;
constexpr int kFieldWidth = 70;
constexpr int kRow = 16; // input rows
constexpr int kFirstRow = 6;

constexpr int RowY(int row) {
    return kFirstRow + row * kRow;
}

constexpr ControlTemplate Caption(int row, std::string_view text, int x = kLeft, int width = 58) {
    return {kNoId, ControlKind::Label, text, {x, RowY(row) + 2, width, 10}};
}

constexpr ControlTemplate Field(int id, int row, int x = kFieldX, int width = kFieldWidth) {
    return {id, ControlKind::Edit, "", {x, RowY(row), width, 12}, kStyleTabStop};
}

constexpr ControlTemplate List(int id, int row, int x, int width) {
    return {id, ControlKind::DropDownList, "", {x, RowY(row), width, 100}, kStyleTabStop};
}

// The results: a name column with the unit, then three value columns.
constexpr int kResultsTop = RowY(6) + 4;
constexpr int kResultLine = 11;
constexpr int kNameX = 14;
constexpr int kNameWidth = 100;
constexpr int kValueX = 118;
constexpr int kValueWidth = 72;
constexpr int kWindowWidth = kValueX + 3 * kValueWidth + 4 + kLeft;
constexpr int kResultsHeight = 14 + (kSteamRows + 1) * kResultLine;
constexpr int kBottom = kResultsTop + kResultsHeight + 4;
constexpr int kWindowHeight = kBottom + 14 + 6;

constexpr std::array<std::string_view, kSteamRows> kResultNames = {
    texts::ToolText("steam.result.region"),
    texts::ToolText("steam.result.phase"),
    texts::ToolText("steam.result.celsius"),
    texts::ToolText("steam.result.temperature"),
    texts::ToolText("steam.result.pressure"),
    texts::ToolText("steam.result.volume"),
    texts::ToolText("steam.result.density"),
    texts::ToolText("steam.result.enthalpy"),
    texts::ToolText("steam.result.internal-energy"),
    texts::ToolText("steam.result.entropy"),
    texts::ToolText("steam.result.cp"),
    texts::ToolText("steam.result.cv"),
    texts::ToolText("steam.result.speed-of-sound"),
    texts::ToolText("steam.result.quality"),
};

constexpr int ResultY(int row) {
    return kResultsTop + 12 + row * kResultLine;
}

constexpr ControlTemplate ResultName(int row) {
    return {kNoId,
            ControlKind::Label,
            kResultNames[static_cast<std::size_t>(row - 1)],
            {kNameX, ResultY(row), kNameWidth, 10}};
}

constexpr ControlTemplate ResultValue(int column, int row) {
    return {SteamResultId(column, row),
            ControlKind::Label,
            "",
            {kValueX + column * kValueWidth, ResultY(row), kValueWidth - 2, 10}};
}

template <int... Rows> constexpr auto ResultRows(std::integer_sequence<int, Rows...>) {
    return std::array<ControlTemplate, sizeof...(Rows) * 4>{
        {ResultName(Rows + 1)..., ResultValue(0, Rows + 1)..., ResultValue(1, Rows + 1)...,
         ResultValue(2, Rows + 1)...}};
}

constexpr auto kResultControls = ResultRows(std::make_integer_sequence<int, kSteamRows>{});

constexpr std::array<ControlTemplate, 23> kInputControls = {{
    Caption(0, texts::ToolText("steam.known")),
    List(IDC_STEAM_MODE, 0, kFieldX, 124),
    Caption(1, kSteamPressureLabel),
    Field(IDC_STEAM_PRESSURE, 1),
    List(IDC_STEAM_PRESSURE_UNIT, 1, kFieldX + kFieldWidth + 4, 54),
    List(IDC_STEAM_PRESSURE_KIND, 1, kFieldX + kFieldWidth + 62, 40),
    Caption(1, kSteamAmbientLabel, kFieldX + kFieldWidth + 106, 52),
    Field(IDC_STEAM_AMBIENT, 1, kFieldX + kFieldWidth + 160, 46),
    Caption(2, kSteamTemperatureLabel),
    Field(IDC_STEAM_TEMPERATURE, 2),
    List(IDC_STEAM_TEMPERATURE_UNIT, 2, kFieldX + kFieldWidth + 4, 54),
    Caption(3, kSteamEnthalpyLabel),
    Field(IDC_STEAM_ENTHALPY, 3),
    Caption(4, kSteamEntropyLabel),
    Field(IDC_STEAM_ENTROPY, 4),
    Caption(5, kSteamQualityLabel),
    Field(IDC_STEAM_QUALITY, 5),
    {kNoId,
     ControlKind::GroupBox,
     texts::ToolText("steam.results"),
     {kLeft, kResultsTop, kWindowWidth - 2 * kLeft, kResultsHeight}},
    ResultValue(0, 0),
    ResultValue(1, 0),
    ResultValue(2, 0),
    {IDC_STEAM_STATUS, ControlKind::Label, "", {kLeft, kBottom + 2, 120, 10}},
    {IDC_STEAM_CLOSE,
     ControlKind::PushButton,
     texts::ToolText("steam.close"),
     {kWindowWidth - kLeft - 50, kBottom, 50, 14},
     kStyleTabStop},
}};

// Inputs first (the tab order), then the results; the group box lies under
// the texts drawn after it.
constexpr auto kControls = [] {
    std::array<ControlTemplate, kInputControls.size() + kResultControls.size()> all{};
    std::size_t i = 0;
    for (const ControlTemplate& control : kInputControls) {
        all[i++] = control;
    }
    for (const ControlTemplate& control : kResultControls) {
        all[i++] = control;
    }
    return all;
}();
static_assert(kControls.size() == 23 + 4 * kSteamRows);

} // namespace

constexpr fw::DialogTemplate kSteamDialogTemplate{
    IDD_STEAM,       texts::ToolText("steam.title"),
    kWindowWidth,    kWindowHeight,
    "宋体",          9,
    fw::kDialogNone, kControls,
};

} // namespace velmaro::res
