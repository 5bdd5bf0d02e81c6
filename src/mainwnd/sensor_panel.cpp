// Sensor panel: a temperature into a thermocouple EMF or an RTD resistance
// and back, for the family and type the user picks. The conversions are the
// guarded entry points (sensor_entry_points.cpp), which show the
// out-of-range message and give 0 for a value outside the type's range.

#include "convert/number_text.h"
#include "convert/temperature_scales.h"
#include "mainwnd/converter_dlg.h"
#include "mainwnd/converter_ids.h"
#include "sensors/rtd_types.h"
#include "sensors/thermocouple_types.h"

namespace velmaro {
namespace {

// What the panel shows for each family.
struct FamilyTexts {
    const char* outputCaption; // left of the output field
    const char* outputUnit;    // right of the output field
};

constexpr FamilyTexts kThermocoupleTexts{"电势", " mV (毫伏)"};
constexpr FamilyTexts kRtdTexts{"电阻", " Ω(欧姆)"};

QString Text(double value, FixedFormat format) {
    return QString::fromStdString(FormatFixed(value, format));
}

} // namespace

void CConverterDlg::FillSensorTypeList(SensorKind kind) {
    m_cbSensorType.clear();
    if (kind == SENSOR_RTD) {
        for (const sensors::RtdInfo& info : sensors::RtdTypes()) {
            m_cbSensorType.addItem(QString::fromUtf8(info.listText));
        }
    } else {
        for (const sensors::ThermocoupleInfo& info : sensors::ThermocoupleTypes()) {
            m_cbSensorType.addItem(QString::fromUtf8(info.listText));
        }
    }
}

void CConverterDlg::SelectSensorKind(SensorKind kind) {
    FillSensorTypeList(kind);
    const FamilyTexts& texts = kind == SENSOR_RTD ? kRtdTexts : kThermocoupleTexts;
    SetDlgItemText(IDC_SENSOR_OUTPUT_CAPTION, QString::fromUtf8(texts.outputCaption));
    SetDlgItemText(IDC_SENSOR_OUTPUT_UNIT, QString::fromUtf8(texts.outputUnit));
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
    if (m_nSensorKind == SENSOR_THERMOCOUPLE) {
        m_strSensorOutput = Text(ThermocoupleEmf(type, t), kFormatF);
        UpdateData(false);
    } else {
        m_strSensorOutput = Text(RtdResistance(type, t), kFormatF);
    }
    SetSensorScales(t, kFormatF);
    UpdateData(false);
}

void CConverterDlg::OnSensorOutputChange() {
    UpdateData(true);
    const double v = ParseNumber(GetDlgItemText(IDC_SENSOR_OUTPUT).toStdString());
    const auto type = static_cast<unsigned>(m_cbSensorType.currentIndex());
    const double t = m_nSensorKind == SENSOR_THERMOCOUPLE ? ThermocoupleTemperature(type, v)
                                                          : RtdTemperature(type, v);
    m_strSensorCelsius = Text(t, kFormat2f);
    SetSensorScales(t, kFormat5f);
    UpdateData(false);
}

void CConverterDlg::SetSensorScales(double celsius, FixedFormat format) {
    const OtherScales scales = ScalesFromCelsius(celsius);
    m_strSensorFahrenheit = Text(scales.fahrenheit, format);
    m_strSensorKelvin = Text(scales.kelvin, format);
    m_strSensorRankine = Text(scales.rankine, format);
}

void CConverterDlg::OnSensorScaleChange() {
    // °F, K and R are outputs only in this panel: writing the members back
    // undoes the keystroke.
    UpdateData(false);
}

} // namespace velmaro
