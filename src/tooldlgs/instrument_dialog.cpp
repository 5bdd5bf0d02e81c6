#include "tooldlgs/instrument_dialog.h"

#include "convert/number_text.h"
#include "convert/quantities.h"
#include "convert/unit_symbols.h"
#include "framework/data_exchange.h"
#include "instruments/signal_ranges.h"
#include "res/instrument_dialog_template.h"
#include "res/instrument_texts.h"
#include "res/texts/texts.h"
#include "sensors/sensor_panel_rule.h"
#include "sensors/thermocouple_types.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

namespace velmaro {
namespace {

using Entry = fw::MessageMapEntry<CInstrumentDialog>;
using fw::Notify;

constexpr Entry kMessageMap[] = {
    {Notify::SelChange, res::IDC_CJ_TYPE, &CInstrumentDialog::OnColdJunctionSetup},
    {Notify::EditChange, res::IDC_CJ_COLD, &CInstrumentDialog::OnColdJunctionSetup},
    {Notify::EditChange, res::IDC_CJ_EMF, &CInstrumentDialog::OnColdJunctionEmf},
    {Notify::EditChange, res::IDC_CJ_HOT, &CInstrumentDialog::OnColdJunctionHot},
    {Notify::EditChange, res::IDC_TX_LRV, &CInstrumentDialog::OnTransmitterSetup},
    {Notify::EditChange, res::IDC_TX_URV, &CInstrumentDialog::OnTransmitterSetup},
    {Notify::EditChange, res::IDC_TX_UNIT, &CInstrumentDialog::OnTransmitterSetup},
    {Notify::SelChange, res::IDC_TX_SIGNAL_RANGE, &CInstrumentDialog::OnTransmitterSetup},
    {Notify::SelChange, res::IDC_TX_CHARACTERISTIC, &CInstrumentDialog::OnTransmitterSetup},
    {Notify::EditChange, res::IDC_TX_CUTOFF, &CInstrumentDialog::OnTransmitterSetup},
    {Notify::EditChange, res::IDC_TX_SIGNAL, &CInstrumentDialog::OnTransmitterSignal},
    {Notify::EditChange, res::IDC_TX_VALUE, &CInstrumentDialog::OnTransmitterValue},
    {Notify::EditChange, res::IDC_TX_PERCENT, &CInstrumentDialog::OnTransmitterPercent},
    {Notify::SelChange, res::IDC_GAS_FLOW_UNIT, &CInstrumentDialog::OnGasSetup},
    {Notify::EditChange, res::IDC_GAS_PRESSURE, &CInstrumentDialog::OnGasSetup},
    {Notify::SelChange, res::IDC_GAS_PRESSURE_UNIT, &CInstrumentDialog::OnGasSetup},
    {Notify::SelChange, res::IDC_GAS_PRESSURE_KIND, &CInstrumentDialog::OnGasSetup},
    {Notify::EditChange, res::IDC_GAS_TEMPERATURE, &CInstrumentDialog::OnGasSetup},
    {Notify::EditChange, res::IDC_GAS_Z, &CInstrumentDialog::OnGasSetup},
    {Notify::EditChange, res::IDC_GAS_Z_REF, &CInstrumentDialog::OnGasSetup},
    {Notify::SelChange, res::IDC_GAS_STANDARD, &CInstrumentDialog::OnGasSetup},
    {Notify::EditChange, res::IDC_GAS_LINE_FLOW, &CInstrumentDialog::OnGasLineFlow},
    {Notify::EditChange, res::IDC_GAS_NORMAL_FLOW, &CInstrumentDialog::OnGasNormalFlow},
    {Notify::EditChange, res::IDC_GAS_STANDARD_FLOW, &CInstrumentDialog::OnGasStandardFlow},
    {Notify::EditChange, res::IDC_GAS_DENSITY, &CInstrumentDialog::OnGasDensity},
    {Notify::EditChange, res::IDC_GAS_MOLAR_MASS, &CInstrumentDialog::OnGasMolarMass},
    {Notify::EditChange, res::IDC_GAS_MASS_FLOW, &CInstrumentDialog::OnGasSetup},
    {Notify::ButtonClicked, res::IDC_INSTRUMENTS_CLOSE, &CInstrumentDialog::OnClose},
};

// The worked example each tool opens with.
struct FirstText {
    int controlId;
    const char* text;
};

constexpr FirstText kFirstTexts[] = {
    {res::IDC_CJ_COLD, "25"},         {res::IDC_CJ_HOT, "400"},
    {res::IDC_TX_LRV, "0"},           {res::IDC_TX_URV, "1.6"},
    {res::IDC_TX_UNIT, "MPa"},        {res::IDC_TX_CUTOFF, "1"},
    {res::IDC_TX_SIGNAL, "12"},       {res::IDC_GAS_PRESSURE, "0.6"},
    {res::IDC_GAS_TEMPERATURE, "40"}, {res::IDC_GAS_Z, "1"},
    {res::IDC_GAS_Z_REF, "1"},        {res::IDC_GAS_LINE_FLOW, "1200"},
    {res::IDC_GAS_DENSITY, "1.293"},
};

constexpr int kFieldIds[] = {
    res::IDC_CJ_COLD,
    res::IDC_CJ_EMF,
    res::IDC_CJ_HOT,
    res::IDC_TX_LRV,
    res::IDC_TX_URV,
    res::IDC_TX_UNIT,
    res::IDC_TX_CUTOFF,
    res::IDC_TX_SIGNAL,
    res::IDC_TX_VALUE,
    res::IDC_TX_PERCENT,
    res::IDC_GAS_PRESSURE,
    res::IDC_GAS_TEMPERATURE,
    res::IDC_GAS_Z,
    res::IDC_GAS_Z_REF,
    res::IDC_GAS_LINE_FLOW,
    res::IDC_GAS_NORMAL_FLOW,
    res::IDC_GAS_STANDARD_FLOW,
    res::IDC_GAS_DENSITY,
    res::IDC_GAS_MOLAR_MASS,
    res::IDC_GAS_MASS_FLOW,
};

// Type K, the most common, is chosen first.
constexpr int kFirstThermocouple = sensors::TC_K;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void FillWithSymbols(QComboBox& list, std::string_view quantityId, std::string_view chosen) {
    const Quantity* quantity = FindQuantity(quantityId);
    for (const Unit& unit : quantity->group->units) {
        list.addItem(Utf8(unit.symbol));
    }
    list.setCurrentText(Utf8(chosen));
}

} // namespace

CInstrumentDialog::CInstrumentDialog(QWidget* parent)
    : fw::CDialog(res::kInstrumentDialogTemplate, parent) {
    static_assert(std::size(kFieldIds) == std::tuple_size_v<decltype(m_fields)>);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        m_fields[i].controlId = kFieldIds[i];
    }
}

CInstrumentDialog::~CInstrumentDialog() = default;

bool CInstrumentDialog::OnInitDialog() {
    for (const FirstText& first : kFirstTexts) {
        Text(first.controlId) = QString::fromUtf8(first.text);
    }
    fw::CDialog::OnInitDialog();
    FillLists();
    NameListsAfterTheirLabels();
    RecomputeColdJunction();
    RecomputeTransmitter();
    RecomputeGasFlow();
    return true;
}

void CInstrumentDialog::FillLists() {
    constexpr auto kThermocouple = sensors::SensorFamily::Thermocouple;
    for (unsigned type = 0; type < sensors::TypeCount(kThermocouple); ++type) {
        List(res::IDC_CJ_TYPE)
            .addItem(Utf8(texts::Lookup(sensors::TypeTextId(kThermocouple, type))));
    }
    List(res::IDC_CJ_TYPE).setCurrentIndex(kFirstThermocouple);
    for (const instruments::SignalRangeInfo& range : instruments::SignalRanges()) {
        List(res::IDC_TX_SIGNAL_RANGE).addItem(Utf8(instruments::SignalRangeLabel(range)));
    }
    for (const std::string_view text : res::kCharacteristics) {
        List(res::IDC_TX_CHARACTERISTIC).addItem(Utf8(text));
    }
    for (const std::string_view text : res::kPressureKinds) {
        List(res::IDC_GAS_PRESSURE_KIND).addItem(Utf8(text));
    }
    for (const std::string_view text : res::kStandardConditions) {
        List(res::IDC_GAS_STANDARD).addItem(Utf8(text));
    }
    FillWithSymbols(List(res::IDC_GAS_FLOW_UNIT), "volume-flow", "m3/h");
    FillWithSymbols(List(res::IDC_GAS_PRESSURE_UNIT), "pressure", "MPa");
}

// A list is named after the static text to its right, as the framework names
// the fields.
void CInstrumentDialog::NameListsAfterTheirLabels() {
    for (QComboBox* list : findChildren<QComboBox*>(Qt::FindDirectChildrenOnly)) {
        const QRect box = list->geometry();
        const QLabel* best = nullptr;
        for (const QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            const QRect text = label->geometry();
            if (text.left() >= box.right() - 2 && text.center().y() >= box.top() - 2 &&
                text.center().y() <= box.bottom() + 2 &&
                (best == nullptr || text.left() < best->geometry().left())) {
                best = label;
            }
        }
        if (best != nullptr) {
            list->setAccessibleName(best->text());
        }
    }
}

void CInstrumentDialog::DoDataExchange(fw::CDataExchange* dx) {
    fw::CDialog::DoDataExchange(dx);
    for (TextField& field : m_fields) {
        fw::DDX_Text(dx, field.controlId, field.text);
    }
}

void CInstrumentDialog::OnNotify(int controlId, fw::Notify code) {
    fw::DispatchMessageMap<CInstrumentDialog>(kMessageMap, this, code, controlId);
}

std::optional<fw::CtlColor> CInstrumentDialog::OnCtlColor(fw::CtlColorKind kind) {
    if (kind == fw::CtlColorKind::Edit) {
        return fw::CtlColor{QColor(0, 0, 0), QColor(156, 205, 166)};
    }
    return fw::CDialog::OnCtlColor(kind);
}

QString* CInstrumentDialog::TextMember(int controlId) {
    for (TextField& field : m_fields) {
        if (field.controlId == controlId) {
            return &field.text;
        }
    }
    return nullptr;
}

QString& CInstrumentDialog::Text(int controlId) {
    return *TextMember(controlId);
}

double CInstrumentDialog::Number(int controlId) {
    return ParseNumber(Text(controlId).toStdString());
}

QComboBox& CInstrumentDialog::List(int controlId) const {
    return *DlgItem<QComboBox>(controlId);
}

void CInstrumentDialog::SetMessage(int controlId, std::string_view text) {
    SetDlgItemText(controlId, Utf8(text));
}

void CInstrumentDialog::OnClose() {
    accept();
}

void AddInstrumentKey(QWidget& window) {
    auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), &window);
    QObject::connect(key, &QShortcut::activated, &window,
                     [&window] { RunInstrumentDialog(&window); });
}

void RunInstrumentDialog(QWidget* parent) {
    CInstrumentDialog dialog;
    if (parent != nullptr) {
        // Owned by the window it was opened from, so that it comes up on top.
        dialog.setParent(parent, dialog.windowFlags());
    }
    dialog.DoModal();
}

} // namespace velmaro
