// Flow panels: mass flow and volume flow, two independent field groups with
// no conversion between them.

#include "convert/tables/unit_tables.h"
#include "framework/field_group_cycle.h"
#include "mainwnd/converter_dlg.h"

namespace velmaro {

void CConverterDlg::OnChangeMassFlow(int controlId) {
    fw::RunChangeCycle(*this, tables::kMassFlow, controlId);
}

void CConverterDlg::OnChangeVolumeFlow(int controlId) {
    fw::RunChangeCycle(*this, tables::kVolumeFlow, controlId);
}

} // namespace velmaro
