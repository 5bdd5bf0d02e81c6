#pragma once

// Control ids of the main window that its handlers name. Unit fields of the
// linear groups are named by their group's table instead, and the category
// buttons by the category table (res/category_table.h).

namespace velmaro {

// The About command the window adds to its window menu.
inline constexpr unsigned ID_SYSCMD_ABOUT = 0x0010;
// The instrument window's command beside it.
inline constexpr unsigned ID_SYSCMD_INSTRUMENTS = 0x0020;
// The water and steam command beside it.
inline constexpr unsigned ID_SYSCMD_STEAM = 0x0030;
// The language command after them: the windows switch to the other language.
inline constexpr unsigned ID_SYSCMD_LANGUAGE = 0x0040;
// The flowmeter command.
inline constexpr unsigned ID_SYSCMD_FLOWMETER = 0x0050;

// Sensor panel.
inline constexpr int IDC_THERMOCOUPLE_KIND = 1074;
inline constexpr int IDC_RTD_KIND = 1075;
inline constexpr int IDC_SENSOR_TYPE = 1076;
inline constexpr int IDC_SENSOR_OUTPUT = 1077;
inline constexpr int IDC_SENSOR_OUTPUT_CAPTION = 1078;
inline constexpr int IDC_SENSOR_OUTPUT_UNIT = 1080;
inline constexpr int IDC_SENSOR_CELSIUS = 1028;
inline constexpr int IDC_SENSOR_FAHRENHEIT = 1030;
inline constexpr int IDC_SENSOR_KELVIN = 1029;
inline constexpr int IDC_SENSOR_RANKINE = 1031;

// Panel group boxes.
inline constexpr int IDC_GROUP_PRESSURE = 1058;
inline constexpr int IDC_GROUP_TEMPERATURE = 1059;
inline constexpr int IDC_GROUP_FLOW = 1060;
inline constexpr int IDC_GROUP_SENSOR = 1229;

// The invisible default button that makes Enter inert.
inline constexpr int IDC_DEFAULT_BUTTON = 1210;

// Footer.
inline constexpr int IDC_FOOTER_PHONE_CAPTION = 1230;
inline constexpr int IDC_FOOTER_FAX_CAPTION = 1231;
inline constexpr int IDC_FOOTER_PHONE = 1232;
inline constexpr int IDC_FOOTER_FAX = 1233;
inline constexpr int IDC_FOOTER_MESSENGER_CAPTION = 1238;
inline constexpr int IDC_FOOTER_SERVICE_CAPTION = 1239;
inline constexpr int IDC_FOOTER_MESSENGER = 1240;
inline constexpr int IDC_FOOTER_SERVICE_PHONE = 1241;
inline constexpr int IDC_FOOTER_INVITATION = 1244;
inline constexpr int IDC_FOOTER_LINK = 1245;

} // namespace velmaro
