#pragma once

// Numbers of the program's resources, as dialogs, menus and pictures name them.

namespace velmaro::res {

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_CONVERTER_DIALOG = 102;
inline constexpr int IDD_HELP = 103;
// IDD_INSTRUMENTS = 104 is in res/instrument_ids.h with the window's controls.

inline constexpr int IDR_MAINFRAME = 128; // application icon
inline constexpr int IDI_VOLUME_FLOW = 157;
inline constexpr int IDI_MASS_FLOW = 158;
inline constexpr int IDI_SENSOR = 172;
inline constexpr int IDI_CATEGORY = 184;

inline constexpr int IDB_LOGO_ABOUT = 177;
inline constexpr int IDB_GAUGES = 182;
inline constexpr int IDB_FOOTER = 186;
inline constexpr int IDB_SPLASH = 189;
inline constexpr int IDB_BANNER = 190;
inline constexpr int IDB_LOGO = 193;

inline constexpr int IDS_ABOUTBOX = 101;

} // namespace velmaro::res
