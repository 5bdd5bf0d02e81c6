// Cold-junction compensation: the meter's EMF with the cold-junction
// temperature gives the hot end, the hot end gives the meter's EMF. Printed as
// the sensor panel prints them: EMF with six decimals, temperature with two.

#include "convert/number_text.h"
#include "instruments/cold_junction.h"
#include "res/instrument_ids.h"
#include "tooldlgs/instrument_dialog.h"
#include "tooldlgs/instrument_messages.h"

#include <QComboBox>

namespace velmaro {

void CInstrumentDialog::OnColdJunctionSetup() {
    RecomputeColdJunction();
}

void CInstrumentDialog::OnColdJunctionEmf() {
    m_junctionSource = JunctionSource::Emf;
    RecomputeColdJunction();
}

void CInstrumentDialog::OnColdJunctionHot() {
    m_junctionSource = JunctionSource::Hot;
    RecomputeColdJunction();
}

void CInstrumentDialog::RecomputeColdJunction() {
    UpdateData(true);
    const auto type = static_cast<unsigned>(List(res::IDC_CJ_TYPE).currentIndex());
    const double cold = Number(res::IDC_CJ_COLD);
    const bool fromEmf = m_junctionSource == JunctionSource::Emf;
    const instruments::JunctionResult result =
        fromEmf ? instruments::HotJunctionTemperature(type, Number(res::IDC_CJ_EMF), cold)
                : instruments::MeterEmf(type, Number(res::IDC_CJ_HOT), cold);
    QString& output = Text(fromEmf ? res::IDC_CJ_HOT : res::IDC_CJ_EMF);
    output =
        result.fault != instruments::Fault::None
            ? QString()
            : QString::fromStdString(FormatFixed(result.value, fromEmf ? kFormat2f : kFormatF));
    SetMessage(res::IDC_CJ_STATUS, FaultMessage(result.fault));
    UpdateData(false);
}

} // namespace velmaro
