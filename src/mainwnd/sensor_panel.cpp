// Sensor panel: a temperature into a thermocouple EMF or an RTD resistance
// and back, for the family and type the user picks.

#include "mainwnd/converter_dlg.h"
#include "sensors/rtd_types.h"
#include "sensors/thermocouple_types.h"

namespace velmaro {

void CConverterDlg::FillSensorTypeList() {
    m_cbSensorType.clear();
    if (m_nSensorKind == 1) {
        for (const sensors::RtdInfo& info : sensors::RtdTypes()) {
            m_cbSensorType.addItem(QString::fromUtf8(info.listText));
        }
    } else {
        for (const sensors::ThermocoupleInfo& info : sensors::ThermocoupleTypes()) {
            m_cbSensorType.addItem(QString::fromUtf8(info.listText));
        }
    }
    m_cbSensorType.setCurrentIndex(0);
}

} // namespace velmaro
