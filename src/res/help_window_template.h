#pragma once

// Template 103: the help window that F1 opens over the main window or a
// category dialog, in the language in use. Its texts name the catalogue's
// counts and names as the catalogue has them.

#include "framework/dialog_template.h"

namespace velmaro::res {

// Closes the window; the default button, so Enter closes it too.
inline constexpr int IDC_HELP_CLOSE = 1;
// Opens the About box; captioned with string 101 when the window opens.
inline constexpr int IDC_HELP_ABOUT = 1301;
// Opens the instrument window.
inline constexpr int IDC_HELP_INSTRUMENTS = 1302;
// Opens the water and steam window.
inline constexpr int IDC_HELP_STEAM = 1303;
// Opens the flowmeter window.
inline constexpr int IDC_HELP_FLOWMETER = 1304;

const fw::DialogTemplate& HelpWindowTemplate();

} // namespace velmaro::res
