#pragma once

// Dialog templates 129 to 150: the category dialogs, each built from its
// layout (title, size, unit fields with column, row and tab position) inside
// the frame all 17 share.

#include "framework/dialog_template.h"
#include "res/category_layouts.h"

#include <string_view>

namespace velmaro::dialogs {

// The template of one category dialog in the language in use. Built once per
// dialog and language and kept for the life of the program, like a resource.
// Its controls in template order: the unit fields in tab order, each followed
// by its label, then the invisible default button, the caption, the footer
// and last the two black frames (drawn beneath the rest). Every text but the
// maker's numbers is named by its text id; the labels are as wide as the
// texts of the language need.
const fw::DialogTemplate& CategoryDialogTemplate(const res::CategoryLayout& layout);

// A generous estimate of the width of `text` (UTF-8) in the template font,
// in dialog units, used to size labels so that no unit name is cut off.
int EstimatedTextWidth(std::string_view text);

} // namespace velmaro::dialogs
