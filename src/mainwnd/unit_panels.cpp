// The pressure, flow and temperature panels: four field groups, each running
// the change cycle on its own. Pressure has fourteen units; mass flow and
// volume flow are independent groups with no conversion between them; the
// temperature group runs the same cycle with the scale formulas in place of a
// factor table.

#include "categories/field_group_cycle.h"
#include "mainwnd/converter_dlg.h"
#include "res/unit_controls.h"

namespace velmaro {

void CConverterDlg::OnChangePressure(int controlId) {
    RunChangeCycle(*this, res::kPressureFields, controlId);
}

void CConverterDlg::OnChangeMassFlow(int controlId) {
    RunChangeCycle(*this, res::kMassFlowFields, controlId);
}

void CConverterDlg::OnChangeVolumeFlow(int controlId) {
    RunChangeCycle(*this, res::kVolumeFlowFields, controlId);
}

void CConverterDlg::OnChangeCelsius() {
    RunChangeCycle(*this, res::kTemperatureFields, res::kCelsiusFieldId);
}

void CConverterDlg::OnChangeFahrenheit() {
    RunChangeCycle(*this, res::kTemperatureFields, res::kFahrenheitFieldId);
}

void CConverterDlg::OnChangeKelvin() {
    RunChangeCycle(*this, res::kTemperatureFields, res::kKelvinFieldId);
}

void CConverterDlg::OnChangeRankine() {
    RunChangeCycle(*this, res::kTemperatureFields, res::kRankineFieldId);
}

} // namespace velmaro
