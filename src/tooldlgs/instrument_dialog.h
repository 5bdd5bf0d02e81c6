#pragma once

// The instrument window "仪表计算": cold-junction compensation, transmitter
// signals and gas flow at reference conditions, side by side. Every field
// recomputes its tool's other fields on each keystroke; a tool whose input has
// no answer empties its results and says why on the line under its fields.

#include "framework/dialog.h"
#include "framework/notification.h"

#include <QString>

#include <array>

class QComboBox;

namespace velmaro {

class CInstrumentDialog : public fw::CDialog {
public:
    // Made without a parent, the modal run puts it over the main window; the
    // help window passes itself so that this window comes up on top of it.
    explicit CInstrumentDialog(QWidget* parent = nullptr);
    ~CInstrumentDialog() override;

    // Cold-junction compensation (instrument_cold_junction.cpp).
    void OnColdJunctionSetup();
    void OnColdJunctionEmf();
    void OnColdJunctionHot();

    // Transmitter signals (instrument_transmitter.cpp).
    void OnTransmitterSetup();
    void OnTransmitterSignal();
    void OnTransmitterValue();
    void OnTransmitterPercent();

    // Gas flow (instrument_gas_flow.cpp).
    void OnGasSetup();
    void OnGasLineFlow();
    void OnGasNormalFlow();
    void OnGasStandardFlow();
    void OnGasDensity();
    void OnGasMolarMass();

    void OnClose();

protected:
    // Fills the lists, writes a worked example into each tool and computes it.
    bool OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnNotify(int controlId, fw::Notify code) override;
    // Fields in black on green, as in every converting window.
    std::optional<fw::CtlColor> OnCtlColor(fw::CtlColorKind kind) override;
    QString* TextMember(int controlId) override;

private:
    // The field a tool computes the others from: the one typed in last.
    enum class JunctionSource { Emf, Hot };
    enum class SignalSource { Signal, Value, Percent };
    enum class FlowSource { Line, Normal, Standard };

    struct TextField {
        int controlId = 0;
        QString text;
    };

    QString& Text(int controlId);
    double Number(int controlId);
    QComboBox& List(int controlId) const;
    void SetMessage(int controlId, std::string_view text);
    void NameListsAfterTheirLabels();

    void FillLists();
    void RecomputeColdJunction();
    void RecomputeTransmitter();
    void RecomputeGasFlow();

    std::array<TextField, 20> m_fields;
    JunctionSource m_junctionSource = JunctionSource::Hot;
    SignalSource m_signalSource = SignalSource::Signal;
    FlowSource m_flowSource = FlowSource::Line;
    bool m_densityFromMolarMass = false;
};

// Makes Ctrl+I in `window` open the instrument window over it.
void AddInstrumentKey(QWidget& window);

// Opens the instrument window modally over `parent` (none: over the main
// window) and returns when it closes.
void RunInstrumentDialog(QWidget* parent);

} // namespace velmaro
