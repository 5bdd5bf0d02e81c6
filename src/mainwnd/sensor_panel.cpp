// Sensor panel: a temperature into a thermocouple EMF or an RTD resistance
// and back, for the family and type the user picks. What each field shows is
// the panel's rule in the core (sensors/sensor_panel_rule.h), which the
// command line and the page follow too; a value outside the type's range
// shows the window's out-of-range message (sensor_entry_points.cpp).

#include "framework/utf8_text.h"
#include "mainwnd/converter_dlg.h"
#include "mainwnd/converter_ids.h"
#include "res/texts/texts.h"
#include "sensors/sensor_panel_rule.h"

namespace velmaro {
namespace {

sensors::SensorFamily FamilyOf(int kind) {
    return kind == SENSOR_RTD ? sensors::SensorFamily::Rtd : sensors::SensorFamily::Thermocouple;
}

} // namespace

void CConverterDlg::FillSensorTypeList(SensorKind kind) {
    m_cbSensorType.clear();
    const sensors::SensorFamily family = FamilyOf(kind);
    for (unsigned type = 0; type < sensors::TypeCount(family); ++type) {
        m_cbSensorType.addItem(fw::Utf8(texts::Lookup(sensors::TypeTextId(family, type))));
    }
}

void CConverterDlg::ShowSensorCaptions(SensorKind kind) {
    const sensors::PanelFamily& family = sensors::FamilyOf(FamilyOf(kind));
    SetDlgItemText(IDC_SENSOR_OUTPUT_CAPTION, fw::Utf8(texts::Lookup(family.captionTextId)));
    SetDlgItemText(IDC_SENSOR_OUTPUT_UNIT, fw::Utf8(texts::Lookup(family.unitTextId)));
}

void CConverterDlg::SelectSensorKind(SensorKind kind) {
    FillSensorTypeList(kind);
    ShowSensorCaptions(kind);
    m_cbSensorType.setCurrentIndex(0);
    // Set directly, so the °C handler converts 0 °C for the new family.
    SetDlgItemText(IDC_SENSOR_CELSIUS, QStringLiteral("0"));
}

void CConverterDlg::OnThermocoupleKind() {
    SelectSensorKind(SENSOR_THERMOCOUPLE);
}

void CConverterDlg::OnRtdKind() {
    SelectSensorKind(SENSOR_RTD);
}

void CConverterDlg::OnSensorTypeChange() {
    // A temperature typed before is discarded: the new type starts at 0 °C.
    SetDlgItemText(IDC_SENSOR_CELSIUS, QStringLiteral("0"));
}

void CConverterDlg::OnSensorCelsiusChange() {
    UpdateData(true);
    const double t = ParseNumber(GetDlgItemText(IDC_SENSOR_CELSIUS).toStdString());
    const auto type = static_cast<unsigned>(m_cbSensorType.currentIndex());
    const sensors::PanelTexts panel = sensors::FromCelsius(FamilyOf(m_nSensorKind), type, t);
    if (panel.check == sensors::RangeCheck::OutOfRange) {
        ShowOutOfRangeMessage();
    }
    m_strSensorOutput = fw::Utf8(panel.output);
    if (m_nSensorKind == SENSOR_THERMOCOUPLE) {
        UpdateData(false);
    }
    SetSensorScales(panel);
    UpdateData(false);
}

void CConverterDlg::OnSensorOutputChange() {
    UpdateData(true);
    const double v = ParseNumber(GetDlgItemText(IDC_SENSOR_OUTPUT).toStdString());
    const auto type = static_cast<unsigned>(m_cbSensorType.currentIndex());
    const sensors::PanelTexts panel = sensors::FromOutput(FamilyOf(m_nSensorKind), type, v);
    if (panel.check == sensors::RangeCheck::OutOfRange) {
        ShowOutOfRangeMessage();
    }
    m_strSensorCelsius = fw::Utf8(panel.celsius);
    SetSensorScales(panel);
    UpdateData(false);
}

void CConverterDlg::SetSensorScales(const sensors::PanelTexts& panel) {
    m_strSensorFahrenheit = fw::Utf8(panel.fahrenheit);
    m_strSensorKelvin = fw::Utf8(panel.kelvin);
    m_strSensorRankine = fw::Utf8(panel.rankine);
}

void CConverterDlg::OnSensorScaleChange() {
    // °F, K and R are outputs only in this panel: writing the members back
    // undoes the keystroke.
    UpdateData(false);
}

} // namespace velmaro
