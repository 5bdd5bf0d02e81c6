#pragma once

// Template 100: the About box with the maker's logo and contact details.

#include "framework/dialog_template.h"

namespace velmaro::res {

extern const fw::DialogTemplate kAboutBoxTemplate;

} // namespace velmaro::res
