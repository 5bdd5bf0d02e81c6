#pragma once

// Template 100: the About box with the maker's logo and contact details, in
// the language in use.

#include "framework/dialog_template.h"

namespace velmaro::res {

const fw::DialogTemplate& AboutBoxTemplate();

} // namespace velmaro::res
