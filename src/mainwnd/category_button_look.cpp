// The look of the 17 category buttons, set when the main window opens: at
// rest each blends into the window (face in the dialog background) with a
// dark-red caption; under the mouse it shows a rounded panel in a brightened
// system button face, except 面积 (1053), whose panel keeps the plain face.

#include "mainwnd/converter_dlg.h"
#include "mainwnd/converter_ids.h"

#include <QColor>

#include <cstdint>
#include <iterator>

namespace velmaro {
namespace {

struct CategoryButtonLook {
    int controlId;
    int hoverShift; // brightening of the hover panel; 0 leaves it as it is
};

// Every category button, in declaration order of their members.
constexpr CategoryButtonLook kCategoryButtonLooks[] = {
    {IDC_BTN_THERMAL_CONDUCTIVITY, 30},
    {IDC_BTN_VOLUME, 30},
    {IDC_BTN_KINEMATIC_VISCOSITY, 30},
    {IDC_BTN_DYNAMIC_VISCOSITY, 30},
    {IDC_BTN_SURFACE_TENSION, 30},
    {IDC_BTN_FORCE, 30},
    {IDC_BTN_SPEED, 30},
    {IDC_BTN_MASS, 30},
    {IDC_BTN_POWER, 30},
    {IDC_BTN_LENGTH, 30},
    {IDC_BTN_ENERGY, 30},
    {IDC_BTN_HEAT_TRANSFER_RATE, 30},
    {IDC_BTN_DIFFUSION, 30},
    {IDC_BTN_HEAT_TRANSFER_COEFFICIENT, 30},
    {IDC_BTN_DENSITY, 30},
    {IDC_BTN_CAPACITY, 30},
    {IDC_BTN_AREA, 0},
};
static_assert(std::size(kCategoryButtonLooks) == 17);

// The resting face is the dialog background; the resting caption its text colour.
constexpr QColor kRestingFace(236, 233, 216);
constexpr QColor kRestingCaption(80, 0, 0);

} // namespace

void CConverterDlg::ConfigureCategoryButtons() {
    for (const CategoryButtonLook& look : kCategoryButtonLooks) {
        auto* button = DlgItem<CategoryButton>(look.controlId);
        if (button == nullptr) {
            continue;
        }
        if (look.hoverShift != 0) {
            button->ShiftStateColor(kHoverBackground, static_cast<std::int16_t>(look.hoverShift));
        }
        button->SetFaceColor(kRestingFace);
        button->SetRoundedHighlight(true);
        button->SetStateColor(kNormalText, kRestingCaption);
    }
}

} // namespace velmaro
