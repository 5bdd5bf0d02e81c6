// The guarded sensor conversions. They belong to the main window so that the
// out-of-range message has the main window as its owner.

#include "mainwnd/converter_dlg.h"

#include "framework/utf8_text.h"
#include "res/texts/texts.h"
#include "sensors/rtd.h"
#include "sensors/sensor_panel_rule.h"
#include "sensors/thermocouple.h"

#include <QMessageBox>

namespace velmaro {
namespace {

// The message shows once per conversion: a conversion started while one is
// already up (nothing in the program does that) gets its 0 silently instead
// of stacking a second box.
bool g_messageShowing = false;

} // namespace

double CConverterDlg::Checked(const sensors::SensorResult& result) {
    if (result.check == sensors::RangeCheck::OutOfRange) {
        ShowOutOfRangeMessage();
    }
    return result.check == sensors::RangeCheck::InRange ? result.value : 0.0;
}

void CConverterDlg::ShowOutOfRangeMessage() {
    if (g_messageShowing) {
        return;
    }
    g_messageShowing = true;
    QMessageBox box(QMessageBox::Critical,
                    fw::Utf8(texts::Lookup(sensors::kOutOfRangeCaptionTextId)),
                    fw::Utf8(texts::Lookup(sensors::kOutOfRangeTextId)), QMessageBox::Ok, this);
    box.exec();
    g_messageShowing = false;
}

double CConverterDlg::ThermocoupleEmf(unsigned type, double celsius) {
    return Checked(sensors::ThermocoupleEmf(type, celsius));
}

double CConverterDlg::ThermocoupleTemperature(unsigned type, double emf) {
    return Checked(sensors::ThermocoupleTemperature(type, emf));
}

double CConverterDlg::RtdResistance(unsigned type, double celsius) {
    return Checked(sensors::RtdResistance(type, celsius));
}

double CConverterDlg::RtdTemperature(unsigned type, double ohms) {
    return Checked(sensors::RtdTemperature(type, ohms));
}

} // namespace velmaro
