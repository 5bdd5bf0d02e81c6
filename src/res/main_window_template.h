#pragma once

// Template 102: the main window, in the language in use. The English one
// gives the sensor panel's words and the category buttons more room.

#include "framework/dialog_template.h"

namespace velmaro::res {

const fw::DialogTemplate& MainWindowTemplate();

} // namespace velmaro::res
