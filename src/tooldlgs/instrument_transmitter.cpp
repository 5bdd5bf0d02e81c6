// Transmitter signals: the signal, the value on the calibrated range and the
// % of span, each computed from the one typed last. The signal is printed to
// a thousandth of a mA or V, the value with six decimals, the % with two.

#include "convert/number_text.h"
#include "instruments/transmitter.h"
#include "res/instrument_ids.h"
#include "res/instrument_texts.h"
#include "tooldlgs/instrument_dialog.h"
#include "tooldlgs/instrument_messages.h"

#include <QComboBox>

namespace velmaro {
namespace {

constexpr FixedFormat kSignalFormat{0, 3};
constexpr int kSquareRootEntry = 1; // of the characteristic list

QString Formatted(double value, FixedFormat format) {
    return QString::fromStdString(FormatFixed(value, format));
}

} // namespace

void CInstrumentDialog::OnTransmitterSetup() {
    RecomputeTransmitter();
}

void CInstrumentDialog::OnTransmitterSignal() {
    m_signalSource = SignalSource::Signal;
    RecomputeTransmitter();
}

void CInstrumentDialog::OnTransmitterValue() {
    m_signalSource = SignalSource::Value;
    RecomputeTransmitter();
}

void CInstrumentDialog::OnTransmitterPercent() {
    m_signalSource = SignalSource::Percent;
    RecomputeTransmitter();
}

void CInstrumentDialog::RecomputeTransmitter() {
    UpdateData(true);
    const auto ranges = instruments::SignalRanges();
    const int entry = List(res::IDC_TX_SIGNAL_RANGE).currentIndex();
    const instruments::SignalSpan span =
        ranges[entry >= 0 ? static_cast<std::size_t>(entry) : 0].span;
    const bool squareRoot = List(res::IDC_TX_CHARACTERISTIC).currentIndex() == kSquareRootEntry;
    GetDlgItem(res::IDC_TX_CUTOFF)->setEnabled(squareRoot);
    const instruments::TransmitterSetup setup{Number(res::IDC_TX_LRV), Number(res::IDC_TX_URV),
                                              span, squareRoot, Number(res::IDC_TX_CUTOFF)};

    int source = res::IDC_TX_SIGNAL;
    instruments::TransmitterReading reading{};
    switch (m_signalSource) {
    case SignalSource::Signal:
        reading = instruments::FromSignal(setup, Number(res::IDC_TX_SIGNAL));
        break;
    case SignalSource::Value:
        source = res::IDC_TX_VALUE;
        reading = instruments::FromValue(setup, Number(res::IDC_TX_VALUE));
        break;
    case SignalSource::Percent:
        source = res::IDC_TX_PERCENT;
        reading = instruments::FromPercent(setup, Number(res::IDC_TX_PERCENT));
        break;
    }
    const bool ok = reading.fault == instruments::Fault::None;
    const struct {
        int controlId;
        double value;
        FixedFormat format;
    } outputs[] = {
        {res::IDC_TX_SIGNAL, reading.signal, kSignalFormat},
        {res::IDC_TX_VALUE, reading.value, kFormatF},
        {res::IDC_TX_PERCENT, reading.percent, kFormat2f},
    };
    for (const auto& output : outputs) {
        if (output.controlId != source) {
            Text(output.controlId) = ok ? Formatted(output.value, output.format) : QString();
        }
    }
    SetMessage(res::IDC_TX_STATUS, !ok               ? FaultMessage(reading.fault)
                                   : reading.outside ? res::kSignalOutside
                                                     : std::string_view());
    UpdateData(false);
}

} // namespace velmaro
