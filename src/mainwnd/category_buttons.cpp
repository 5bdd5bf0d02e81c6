// The seventeen category buttons of the main window: each click opens its
// category dialog modally over the main window. A dialog is made fresh for
// every click and destroyed when it closes, so it always opens empty and no
// value passes between it and the main window.

#include "categories/category_dialogs.h"
#include "mainwnd/converter_dlg.h"
#include "mainwnd/converter_ids.h"

#include <iterator>

namespace velmaro {
namespace {

// Runs one category dialog, made without a parent: its modal run puts it
// over the application's main window. What the run returns means nothing.
template <class Dialog> void RunCategoryDialog() {
    Dialog dialog;
    dialog.DoModal();
}

struct CategoryButtonRoute {
    int buttonId;
    void (*runDialog)();
};

// Button -> dialog, in the buttons' left-to-right order on the screen.
constexpr CategoryButtonRoute kCategoryButtonRoutes[] = {
    {IDC_BTN_FORCE, &RunCategoryDialog<CForceDlg>},
    {IDC_BTN_AREA, &RunCategoryDialog<CAreaDlg>},
    {IDC_BTN_CAPACITY, &RunCategoryDialog<CCapacityDlg>},
    {IDC_BTN_VOLUME, &RunCategoryDialog<CVolumeDlg>},
    {IDC_BTN_DENSITY, &RunCategoryDialog<CDensityDlg>},
    {IDC_BTN_LENGTH, &RunCategoryDialog<CLengthDlg>},
    {IDC_BTN_MASS, &RunCategoryDialog<CMassDlg>},
    {IDC_BTN_SPEED, &RunCategoryDialog<CSpeedDlg>},
    {IDC_BTN_ENERGY, &RunCategoryDialog<CEnergyDlg>},
    {IDC_BTN_POWER, &RunCategoryDialog<CPowerDlg>},
    {IDC_BTN_HEAT_TRANSFER_COEFFICIENT, &RunCategoryDialog<CHeatTransferCoefDlg>},
    {IDC_BTN_THERMAL_CONDUCTIVITY, &RunCategoryDialog<CThermalConductivityDlg>},
    {IDC_BTN_DYNAMIC_VISCOSITY, &RunCategoryDialog<CDynamicViscosityDlg>},
    {IDC_BTN_KINEMATIC_VISCOSITY, &RunCategoryDialog<CKinematicViscosityDlg>},
    {IDC_BTN_HEAT_TRANSFER_RATE, &RunCategoryDialog<CHeatFluxDlg>},
    {IDC_BTN_DIFFUSION, &RunCategoryDialog<CDiffusionCoefDlg>},
    {IDC_BTN_SURFACE_TENSION, &RunCategoryDialog<CSurfaceTensionDlg>},
};
static_assert(std::size(kCategoryButtonRoutes) == 17);

} // namespace

// A message-map handler, so a member even though it needs no member.
// NOLINTNEXTLINE(readability-convert-member-functions-to-static)
void CConverterDlg::OnCategoryButton(int controlId) {
    for (const CategoryButtonRoute& route : kCategoryButtonRoutes) {
        if (route.buttonId == controlId) {
            route.runDialog();
            return;
        }
    }
}

} // namespace velmaro
