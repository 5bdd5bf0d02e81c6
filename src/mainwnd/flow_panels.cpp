// Flow panels: mass flow and volume flow, two independent field groups with
// no conversion between them.

#include "categories/field_group_cycle.h"
#include "convert/tables/unit_tables.h"
#include "mainwnd/converter_dlg.h"

namespace velmaro {

void CConverterDlg::OnChangeMassFlow(int controlId) {
    RunChangeCycle(*this, tables::kMassFlow, controlId);
}

void CConverterDlg::OnChangeVolumeFlow(int controlId) {
    RunChangeCycle(*this, tables::kVolumeFlow, controlId);
}

} // namespace velmaro
