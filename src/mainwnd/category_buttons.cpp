// The category buttons of the main window, one per row of the category table
// (res/category_table.h): their look and what a click opens.
//
// Look, set when the main window opens: at rest each blends into the window
// (face in the dialog background) with a dark-red caption; under the mouse it
// shows a rounded panel in the system button face, brightened by the row's
// hover shift (the area button keeps the plain face).
//
// Click: opens the row's category dialog modally over the main window (see
// RunCategoryDialog).

#include "categories/category_dialogs.h"
#include "mainwnd/converter_dlg.h"
#include "res/category_table.h"

#include <QColor>

#include <cstdint>

namespace velmaro {
namespace {

// The resting face is the dialog background; the resting caption its text colour.
constexpr QColor kRestingFace(236, 233, 216);
constexpr QColor kRestingCaption(80, 0, 0);

} // namespace

void CConverterDlg::ConfigureCategoryButtons() {
    for (const res::Category& category : res::kCategories) {
        auto* button = DlgItem<CategoryButton>(category.buttonId);
        if (button == nullptr) {
            continue;
        }
        if (category.hoverShift != 0) {
            button->ShiftStateColor(kHoverBackground,
                                    static_cast<std::int16_t>(category.hoverShift));
        }
        button->SetFaceColor(kRestingFace);
        button->SetRoundedHighlight(true);
        button->SetStateColor(kNormalText, kRestingCaption);
    }
}

// A message-map handler, so a member even though it needs no member.
// NOLINTNEXTLINE(readability-convert-member-functions-to-static)
void CConverterDlg::OnCategoryButton(int controlId) {
    if (const res::Category* category = res::FindCategoryByButton(controlId)) {
        RunCategoryDialog(*category);
    }
}

} // namespace velmaro
