#include "tooldlgs/steam_dialog.h"

#include "convert/absolute_state.h"
#include "convert/number_text.h"
#include "convert/tables/unit_tables.h"
#include "res/steam_dialog_template.h"
#include "res/texts/chinese_tool_texts.h"
#include "steam/property_list.h"
#include "steam/water_steam.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

#include <optional>

namespace velmaro {
namespace {

using namespace res;
using steam::Property;

constexpr int kInputIds[] = {IDC_STEAM_PRESSURE,      IDC_STEAM_AMBIENT,
                             IDC_STEAM_TEMPERATURE,   IDC_STEAM_ENTHALPY,
                             IDC_STEAM_ENTROPY,       IDC_STEAM_QUALITY,
                             IDC_STEAM_MODE,          IDC_STEAM_PRESSURE_UNIT,
                             IDC_STEAM_PRESSURE_KIND, IDC_STEAM_TEMPERATURE_UNIT};

bool IsInput(const void*, int controlId) {
    return std::ranges::find(kInputIds, controlId) != std::end(kInputIds);
}

using Entry = fw::MessageMapEntry<CSteamDialog>;

constexpr Entry kMessageMap[] = {
    {fw::Notify::EditChange, fw::kNoId, &CSteamDialog::OnChangeInput, nullptr, {nullptr, IsInput}},
    {fw::Notify::SelChange, fw::kNoId, &CSteamDialog::OnChangeInput, nullptr, {nullptr, IsInput}},
    {fw::Notify::ButtonClicked, IDC_STEAM_CLOSE, &CSteamDialog::OnClose},
};

enum Mode {
    kPressureTemperature,
    kSaturationByPressure,
    kSaturationByTemperature,
    kPressureEnthalpy,
    kPressureEntropy
};

constexpr double kCelsiusOffset = 273.15;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Result rows below the region and phase, with their property.
constexpr Property kRowProperties[] = {
    Property::Temperature, // in °C
    Property::Temperature, Property::Pressure,       Property::Volume,  Property::Density,
    Property::Enthalpy,    Property::InternalEnergy, Property::Entropy, Property::Cp,
    Property::Cv,          Property::SpeedOfSound,   Property::Quality,
};
static_assert(std::size(kRowProperties) + 2 == kSteamRows);

int DecimalsOf(Property property) {
    for (const steam::PropertyFormat& format : steam::kPropertyFormats) {
        if (format.property == property) {
            return format.decimals;
        }
    }
    return 6;
}

QString Fixed(double value, int decimals) {
    return QString::fromStdString(
        FormatFixed(steam::WithoutNegativeZero(value, decimals), {0, decimals}));
}

// A number as the fields read it: the leading number counts, text without
// one is 0.
double Number(const CSteamDialog& dialog, int controlId) {
    return ParseNumber(dialog.GetDlgItemText(controlId).toStdString());
}

} // namespace

CSteamDialog::CSteamDialog(QWidget* parent) : fw::CDialog(kSteamDialogTemplate, parent) {}

CSteamDialog::~CSteamDialog() = default;

bool CSteamDialog::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    auto* mode = DlgItem<QComboBox>(IDC_STEAM_MODE);
    for (std::string_view text : kSteamModes) {
        mode->addItem(Utf8(text));
    }
    auto* pressureUnit = DlgItem<QComboBox>(IDC_STEAM_PRESSURE_UNIT);
    for (const Unit& unit : tables::kPressure.units) {
        pressureUnit->addItem(Utf8(unit.symbol));
    }
    pressureUnit->setCurrentText(QStringLiteral("MPa"));
    for (std::string_view text : kSteamPressureKinds) {
        DlgItem<QComboBox>(IDC_STEAM_PRESSURE_KIND)->addItem(Utf8(text));
    }
    for (std::string_view text : kSteamTemperatureUnits) {
        DlgItem<QComboBox>(IDC_STEAM_TEMPERATURE_UNIT)->addItem(Utf8(text));
    }
    const std::pair<int, std::string_view> names[] = {
        {IDC_STEAM_PRESSURE, kSteamPressureLabel},       {IDC_STEAM_AMBIENT, kSteamAmbientLabel},
        {IDC_STEAM_TEMPERATURE, kSteamTemperatureLabel}, {IDC_STEAM_ENTHALPY, kSteamEnthalpyLabel},
        {IDC_STEAM_ENTROPY, kSteamEntropyLabel},         {IDC_STEAM_QUALITY, kSteamQualityLabel},
    };
    for (const auto& [id, name] : names) {
        GetDlgItem(id)->setAccessibleName(Utf8(name));
    }
    const std::pair<int, std::string_view> lists[] = {
        {IDC_STEAM_MODE, "steam.known"},
        {IDC_STEAM_PRESSURE_UNIT, "steam.label.pressure-unit"},
        {IDC_STEAM_PRESSURE_KIND, "steam.label.pressure-kind"},
        {IDC_STEAM_TEMPERATURE_UNIT, "steam.label.temperature-unit"},
    };
    for (const auto& [id, textId] : lists) {
        DlgItem<QComboBox>(id)->setAccessibleName(Utf8(texts::ToolText(textId)));
    }
    SetDlgItemText(IDC_STEAM_AMBIENT, Fixed(kStandardAmbientKPa, 3));
    OnChangeInput();
    // The pressure is typed first in every choice but saturation by
    // temperature.
    GetDlgItem(IDC_STEAM_PRESSURE)->setFocus();
    return false;
}

void CSteamDialog::OnNotify(int controlId, fw::Notify code) {
    fw::DispatchMessageMap<CSteamDialog>(kMessageMap, this, code, controlId);
}

std::optional<fw::CtlColor> CSteamDialog::OnCtlColor(fw::CtlColorKind kind) {
    switch (kind) {
    case fw::CtlColorKind::Edit:
        return fw::CtlColor{QColor(0, 0, 0), QColor(156, 205, 166)};
    case fw::CtlColorKind::ListBox:
        return fw::CtlColor{QColor(0, 0, 0), QColor(233, 233, 220)};
    default:
        return fw::CDialog::OnCtlColor(kind);
    }
}

void CSteamDialog::OnClose() {
    accept();
}

QString CSteamDialog::ResultText(int column, int row) const {
    const auto* label = DlgItem<QLabel>(SteamResultId(column, row));
    return label != nullptr ? label->text() : QString();
}

void CSteamDialog::SetResult(int column, int row, const QString& text) {
    // Straight into the label: the window's own text setter would name the
    // fields again after whatever static lies to their right.
    if (auto* label = DlgItem<QLabel>(SteamResultId(column, row))) {
        label->setText(text);
    }
}

void CSteamDialog::ClearResults() {
    for (int column = 0; column < kSteamColumns; ++column) {
        for (int row = 0; row <= kSteamRows; ++row) {
            SetResult(column, row, QString());
        }
    }
}

void CSteamDialog::EnableInputs(int mode) {
    const bool pressure = mode != kSaturationByTemperature;
    const bool temperature = mode == kPressureTemperature || mode == kSaturationByTemperature;
    GetDlgItem(IDC_STEAM_PRESSURE)->setEnabled(pressure);
    GetDlgItem(IDC_STEAM_PRESSURE_UNIT)->setEnabled(pressure);
    GetDlgItem(IDC_STEAM_PRESSURE_KIND)->setEnabled(pressure);
    GetDlgItem(IDC_STEAM_AMBIENT)->setEnabled(pressure);
    GetDlgItem(IDC_STEAM_TEMPERATURE)->setEnabled(temperature);
    GetDlgItem(IDC_STEAM_TEMPERATURE_UNIT)->setEnabled(temperature);
    GetDlgItem(IDC_STEAM_ENTHALPY)->setEnabled(mode == kPressureEnthalpy);
    GetDlgItem(IDC_STEAM_ENTROPY)->setEnabled(mode == kPressureEntropy);
    GetDlgItem(IDC_STEAM_QUALITY)
        ->setEnabled(mode == kSaturationByPressure || mode == kSaturationByTemperature);
}

namespace {

// The pressure field in MPa absolute; a gauge reading lies over the ambient
// pressure given in kPa.
double AbsolutePressure(const CSteamDialog& dialog) {
    const auto unit = static_cast<std::size_t>(
        std::max(0, dialog.DlgItem<QComboBox>(IDC_STEAM_PRESSURE_UNIT)->currentIndex()));
    const bool gauge = dialog.DlgItem<QComboBox>(IDC_STEAM_PRESSURE_KIND)->currentIndex() == 1;
    return AbsoluteMegapascals(Number(dialog, IDC_STEAM_PRESSURE), unit, gauge,
                               Number(dialog, IDC_STEAM_AMBIENT));
}

// The temperature field in kelvins.
double Temperature(const CSteamDialog& dialog) {
    const int scale = dialog.DlgItem<QComboBox>(IDC_STEAM_TEMPERATURE_UNIT)->currentIndex();
    return Kelvins(Number(dialog, IDC_STEAM_TEMPERATURE),
                   static_cast<TemperatureScale>(std::max(0, scale)));
}

} // namespace

void CSteamDialog::OnChangeInput() {
    const int mode = std::max(0, DlgItem<QComboBox>(IDC_STEAM_MODE)->currentIndex());
    EnableInputs(mode);
    ClearResults();
    std::optional<steam::State> states[kSteamColumns];
    const bool saturation = mode == kSaturationByPressure || mode == kSaturationByTemperature;
    if (saturation) {
        const auto pair = mode == kSaturationByPressure
                              ? steam::SaturationAtPressure(AbsolutePressure(*this))
                              : steam::SaturationAtTemperature(Temperature(*this));
        if (pair) {
            states[0] = pair->liquid;
            states[1] = pair->vapour;
            states[2] = steam::WetSteam(*pair, Number(*this, IDC_STEAM_QUALITY));
        }
    } else if (mode == kPressureTemperature) {
        states[0] = steam::AtPressureTemperature(AbsolutePressure(*this), Temperature(*this));
    } else if (mode == kPressureEnthalpy) {
        states[0] =
            steam::AtPressureEnthalpy(AbsolutePressure(*this), Number(*this, IDC_STEAM_ENTHALPY));
    } else {
        states[0] =
            steam::AtPressureEntropy(AbsolutePressure(*this), Number(*this, IDC_STEAM_ENTROPY));
    }
    const bool outOfRange = !states[0] || (saturation && !states[2]);
    DlgItem<QLabel>(IDC_STEAM_STATUS)->setText(outOfRange ? Utf8(kSteamOutOfRange) : QString());
    for (int column = 0; column < kSteamColumns; ++column) {
        if (!saturation && column > 0) {
            break;
        }
        SetResult(column, 0,
                  Utf8(saturation ? kSteamSaturationHeadings.at(static_cast<std::size_t>(column))
                                  : kSteamStateHeading));
        const auto& state = states[column];
        if (!state) {
            SetResult(column, 1, Utf8(kSteamOutOfRange));
            continue;
        }
        ShowState(column, *state);
    }
}

void CSteamDialog::ShowState(int column, const steam::State& state) {
    SetResult(column, 1, QString::number(state.region));
    SetResult(column, 2, Utf8(kSteamPhases.at(static_cast<std::size_t>(state.phase))));
    for (std::size_t i = 0; i < std::size(kRowProperties); ++i) {
        const Property property = kRowProperties[i];
        const auto value = steam::ValueOf(state, property);
        const int row = static_cast<int>(i) + 3;
        if (!value) {
            SetResult(column, row, Utf8(kSteamNotDefined));
        } else if (i == 0) {
            SetResult(column, row, Fixed(*value - kCelsiusOffset, DecimalsOf(property)));
        } else {
            SetResult(column, row, Fixed(*value, DecimalsOf(property)));
        }
    }
}

void RunSteamDialog(QWidget* parent) {
    CSteamDialog dialog(parent);
    dialog.DoModal();
}

void AddSteamKey(QWidget& window) {
    auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), &window);
    QObject::connect(key, &QShortcut::activated, &window, [&window] { RunSteamDialog(&window); });
}

} // namespace velmaro
