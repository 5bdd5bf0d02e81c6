// Temperature panel: Celsius, Fahrenheit, Kelvin and Rankine. The group runs
// the same change cycle as the linear groups, with the scale formulas in
// place of a factor table.

#include "convert/temperature_scales.h"
#include "framework/field_group_cycle.h"
#include "mainwnd/converter_dlg.h"

namespace velmaro {

void CConverterDlg::OnChangeCelsius() {
    fw::RunChangeCycle(*this, kTemperatureGroup, kCelsiusFieldId);
}

void CConverterDlg::OnChangeFahrenheit() {
    fw::RunChangeCycle(*this, kTemperatureGroup, kFahrenheitFieldId);
}

void CConverterDlg::OnChangeKelvin() {
    fw::RunChangeCycle(*this, kTemperatureGroup, kKelvinFieldId);
}

void CConverterDlg::OnChangeRankine() {
    fw::RunChangeCycle(*this, kTemperatureGroup, kRankineFieldId);
}

} // namespace velmaro
