#pragma once

// What a row of the category table (res/category_table.h) holds: the main
// window's button that opens the category, and the dialog's layout (template
// id, the text id of its title, size, field group, and for each unit field
// its column, its row counted from the top and its place in the tab order). The dialog templates
// are built from this data; it holds no window code.

#include "convert/field_group.h"
#include "framework/dialog_template.h"

#include <span>
#include <string_view>

namespace velmaro::res {

// Two-column dialogs place fields Left or Right; the diffusion-coefficient and
// surface-tension dialogs have a Single column.
enum class Column { Left, Right, Single };

struct FieldPlace {
    int controlId;
    Column column;
    int row;         // 1 = top row of its column
    int tabPosition; // 1 = first in the tab order, the field focused on opening
};

struct CategoryLayout {
    int templateId;
    std::string_view titleTextId; // window title, repeated by the caption text
    int width;                    // dialog units
    int height;                   // dialog units
    const FieldGroup* group;
    // One place per unit field, in the order of the group's units.
    std::span<const FieldPlace> fields;
};

struct Category {
    // The main window's button that opens the dialog: its control id, its
    // rectangle in template 102 and how much its hover panel is brightened
    // (0 leaves the plain button face).
    int buttonId = fw::kNoId;
    fw::DuRect buttonRect{};
    int hoverShift = 0;
    CategoryLayout dialog{};
};

} // namespace velmaro::res
