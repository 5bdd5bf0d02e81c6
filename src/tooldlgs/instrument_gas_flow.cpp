// Gas flow: one volume flow at line, normal or standard conditions gives the
// other two, and with the normal density (typed, or from the molar mass) the
// mass flow in kg/h. Flows print with six decimals, as the main window's flow
// fields do.

#include "convert/number_text.h"
#include "convert/quantities.h"
#include "convert/unit_symbols.h"
#include "instruments/gas_flow_sheet.h"
#include "res/instrument_ids.h"
#include "tooldlgs/instrument_dialog.h"
#include "tooldlgs/instrument_messages.h"

#include <QComboBox>

#include <algorithm>

namespace velmaro {
namespace {

using instruments::Fault;
using instruments::GasState;

constexpr int kGaugeEntry = 0;      // of the pressure-kind list
constexpr int kStandard20Entry = 0; // of the standard-conditions list

// The factor from the unit at `index` of a quantity to its unit `base`.
double FactorTo(std::string_view quantityId, int index, std::string_view base) {
    const Quantity& quantity = *FindQuantity(quantityId);
    const std::size_t target = UnitsNamed(quantity, base).front().index;
    const auto source = static_cast<std::size_t>(std::max(index, 0));
    return source == target ? 1.0 : quantity.group->factor(source, target);
}

QString Formatted(double value) {
    return QString::fromStdString(FormatFixed(value, kFormatF));
}

} // namespace

void CInstrumentDialog::OnGasSetup() {
    RecomputeGasFlow();
}

void CInstrumentDialog::OnGasLineFlow() {
    m_flowSource = FlowSource::Line;
    RecomputeGasFlow();
}

void CInstrumentDialog::OnGasNormalFlow() {
    m_flowSource = FlowSource::Normal;
    RecomputeGasFlow();
}

void CInstrumentDialog::OnGasStandardFlow() {
    m_flowSource = FlowSource::Standard;
    RecomputeGasFlow();
}

void CInstrumentDialog::OnGasDensity() {
    m_densityFromMolarMass = false;
    RecomputeGasFlow();
}

void CInstrumentDialog::OnGasMolarMass() {
    m_densityFromMolarMass = true;
    RecomputeGasFlow();
}

void CInstrumentDialog::RecomputeGasFlow() {
    UpdateData(true);
    const double pascals =
        Number(res::IDC_GAS_PRESSURE) *
        FactorTo("pressure", List(res::IDC_GAS_PRESSURE_UNIT).currentIndex(), "Pa");
    const bool gauge = List(res::IDC_GAS_PRESSURE_KIND).currentIndex() == kGaugeEntry;
    constexpr int kFlowIds[] = {res::IDC_GAS_LINE_FLOW, res::IDC_GAS_NORMAL_FLOW,
                                res::IDC_GAS_STANDARD_FLOW};
    const auto given = static_cast<unsigned>(m_flowSource);
    const instruments::GasFlowSheet sheet = instruments::WorkGasFlow({
        GasState{instruments::AbsolutePressure(pascals, gauge),
                 Number(res::IDC_GAS_TEMPERATURE) + instruments::kZeroCelsiusKelvin,
                 Number(res::IDC_GAS_Z)},
        Number(res::IDC_GAS_Z_REF),
        List(res::IDC_GAS_STANDARD).currentIndex() == kStandard20Entry
            ? instruments::Reference::Standard20
            : instruments::Reference::Standard15,
        static_cast<instruments::FlowAt>(given),
        Number(kFlowIds[given]),
        FactorTo("volume-flow", List(res::IDC_GAS_FLOW_UNIT).currentIndex(), "m3/h"),
        m_densityFromMolarMass,
        Number(res::IDC_GAS_DENSITY),
        Number(res::IDC_GAS_MOLAR_MASS),
    });

    const bool flowsOk = sheet.flowFault == Fault::None;
    const bool massOk = flowsOk && sheet.massFault == Fault::None;
    for (unsigned i = 0; i < std::size(kFlowIds); ++i) {
        if (i != given) {
            Text(kFlowIds[i]) = flowsOk ? Formatted(sheet.flows[i]) : QString();
        }
    }
    if (m_densityFromMolarMass) {
        Text(res::IDC_GAS_DENSITY) = massOk ? Formatted(sheet.normalDensity) : QString();
    }
    Text(res::IDC_GAS_MASS_FLOW) = massOk ? Formatted(sheet.massPerHour) : QString();
    SetMessage(res::IDC_GAS_STATUS, FaultMessage(flowsOk ? sheet.massFault : sheet.flowFault));
    UpdateData(false);
}

} // namespace velmaro
