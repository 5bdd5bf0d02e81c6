// Pressure panel: fourteen pressure units in one field group.

#include "categories/field_group_cycle.h"
#include "convert/tables/unit_tables.h"
#include "mainwnd/converter_dlg.h"

namespace velmaro {

void CConverterDlg::OnChangePressure(int controlId) {
    RunChangeCycle(*this, tables::kPressure, controlId);
}

} // namespace velmaro
