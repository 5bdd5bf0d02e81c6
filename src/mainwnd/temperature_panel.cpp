// Temperature panel: Celsius, Fahrenheit, Kelvin and Rankine. The group runs
// the same change cycle as the linear groups, with the scale formulas in
// place of a factor table.

#include "categories/field_group_cycle.h"
#include "convert/temperature_scales.h"
#include "mainwnd/converter_dlg.h"

namespace velmaro {

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
