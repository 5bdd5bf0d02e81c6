// Pressure panel: fourteen pressure units in one field group.

#include "convert/tables/unit_tables.h"
#include "framework/field_group_cycle.h"
#include "mainwnd/converter_dlg.h"

namespace velmaro {

void CConverterDlg::OnChangePressure(int controlId) {
    fw::RunChangeCycle(*this, tables::kPressure, controlId);
}

} // namespace velmaro
