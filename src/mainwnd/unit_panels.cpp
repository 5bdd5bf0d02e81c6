// The pressure, flow and temperature panels: four field groups, each running
// the change cycle on its own. Pressure has fourteen units; mass flow and
// volume flow are independent groups with no conversion between them; the
// temperature group runs the same cycle with the scale formulas in place of a
// factor table.

#include "categories/field_group_cycle.h"
#include "convert/tables/unit_tables.h"
#include "convert/temperature_scales.h"
#include "mainwnd/converter_dlg.h"

namespace velmaro {

void CConverterDlg::OnChangePressure(int controlId) {
    RunChangeCycle(*this, tables::kPressure, controlId);
}

void CConverterDlg::OnChangeMassFlow(int controlId) {
    RunChangeCycle(*this, tables::kMassFlow, controlId);
}

void CConverterDlg::OnChangeVolumeFlow(int controlId) {
    RunChangeCycle(*this, tables::kVolumeFlow, controlId);
}

void CConverterDlg::OnChangeCelsius() {
    RunChangeCycle(*this, kTemperatureGroup, kCelsiusFieldId);
}

void CConverterDlg::OnChangeFahrenheit() {
    RunChangeCycle(*this, kTemperatureGroup, kFahrenheitFieldId);
}

void CConverterDlg::OnChangeKelvin() {
    RunChangeCycle(*this, kTemperatureGroup, kKelvinFieldId);
}

void CConverterDlg::OnChangeRankine() {
    RunChangeCycle(*this, kTemperatureGroup, kRankineFieldId);
}

} // namespace velmaro
