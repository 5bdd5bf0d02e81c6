#pragma once

// Template 102: the main window.

#include "framework/dialog_template.h"

namespace velmaro::res {

extern const fw::DialogTemplate kMainWindowTemplate;

} // namespace velmaro::res
