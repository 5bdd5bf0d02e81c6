#pragma once

// The main window: pressure, temperature, sensor and flow panels, the row of
// category buttons and the maker's footer. Each panel's handlers live in a
// source file of their own (pressure_panel.cpp, flow_panel.cpp,
// temperature_panel.cpp, sensor_panel.cpp, category_buttons.cpp).

#include "controls/round_image_button.h"
#include "controls/static_link.h"
#include "convert/number_text.h"
#include "framework/dialog.h"
#include "framework/notification.h"
#include "res/category_table.h"

#include <QComboBox>
#include <QFont>
#include <QIcon>
#include <QPushButton>
#include <QString>

#include <array>

namespace velmaro {

class CSystemMenu;

namespace sensors {
struct SensorResult;
}

// The sensor family, the index of the checked family button.
enum SensorKind : int {
    SENSOR_THERMOCOUPLE = 0,
    SENSOR_RTD = 1,
};

// The category buttons: flat buttons in the dialog colour that light up with a
// rounded panel under the mouse.
using CategoryButton = CRoundImageButton;

class CConverterDlg : public fw::CDialog {
public:
    explicit CConverterDlg(QWidget* parent = nullptr);
    ~CConverterDlg() override;

    // How long the window's set-up pauses before it is shown, in ms. The
    // program always pauses 1000 ms; tests shorten it.
    static void SetStartupPause(int milliseconds);

    // A command of the window menu: the About command opens the About box,
    // every other command gets the window system's handling.
    void OnSysCommand(unsigned nID);
    // The window menu, once the window has been set up.
    CSystemMenu* GetSystemMenu() const { return m_pSysMenu; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnNotify(int controlId, fw::Notify code) override;
    std::optional<fw::CtlColour> OnCtlColor(fw::CtlColourKind kind) override;

public:
    QString* TextMember(int controlId) override;

    // Pressure panel.
    void OnChangePressure(int controlId);
    // Flow panels.
    void OnChangeMassFlow(int controlId);
    void OnChangeVolumeFlow(int controlId);
    // Temperature panel.
    void OnChangeCelsius();
    void OnChangeFahrenheit();
    void OnChangeKelvin();
    void OnChangeRankine();
    // Sensor panel.
    void OnThermocoupleKind();
    void OnRtdKind();
    void OnSensorTypeChange();
    void OnSensorCelsiusChange();
    void OnSensorOutputChange();
    void OnSensorScaleChange();
    // Category buttons (category_buttons.cpp): opens the button's dialog.
    void OnCategoryButton(int controlId);

    // The guarded sensor conversions: a value outside the selected type's
    // range shows the out-of-range message, owned by this window, and gives 0.
    double ThermocoupleEmf(unsigned type, double celsius);
    double ThermocoupleTemperature(unsigned type, double emf);
    double RtdResistance(unsigned type, double celsius);
    double RtdTemperature(unsigned type, double ohms);

private:
    void FillSensorTypeList(SensorKind kind);
    void SelectSensorKind(SensorKind kind);
    // The panel's °F, K and R members from a Celsius temperature.
    void SetSensorScales(double celsius, FixedFormat format);
    double Checked(const sensors::SensorResult& result);
    void ShowOutOfRangeMessage();

    void CreateFonts();
    void ApplyFonts();
    // The category buttons' look (category_buttons.cpp).
    void ConfigureCategoryButtons();

public:
    // Members in declaration order.
    CStaticLink m_link; // the footer web address, no target until the window opens
    QFont m_groupFont;
    QFont m_footerFont;

    // One per row of the category table, in its order.
    std::array<CategoryButton, res::kCategoryCount> m_btnCategories;

    QComboBox m_cbSensorType;
    int m_nSensorKind = SENSOR_THERMOCOUPLE;

    // Sensor panel.
    QString m_strSensorOutput;
    QString m_strSensorCelsius;
    QString m_strSensorFahrenheit;
    QString m_strSensorKelvin;
    QString m_strSensorRankine;
    // Pressure panel.
    QString m_strMPa;
    QString m_strKPa;
    QString m_strPa;
    QString m_strKgfPerCm2;
    QString m_strAtm;
    QString m_strBar;
    QString m_strMmH2O;
    QString m_strMmHg;
    QString m_strInH2O;
    QString m_strInHg;
    QString m_strPsi;
    QString m_strLbfPerFt2;
    // Temperature panel.
    QString m_strCelsius;
    QString m_strFahrenheit;
    QString m_strKelvin;
    QString m_strRankine;
    // Mass-flow panel.
    QString m_strKgPerHour;
    QString m_strKgPerSecond;
    QString m_strTonnesPerYear;
    QString m_strTonnesPerDay;
    QString m_strTonnesPerHour;
    QString m_strLbPerDay;
    QString m_strLbPerHour;
    QString m_strLbPerSecond;
    // Volume-flow panel.
    QString m_strBarrelsPerDay;
    QString m_strFt3PerMinute;
    QString m_strFt3PerSecond;
    QString m_strGalUkPerMinute;
    QString m_strGalUsPerMinute;
    QString m_strLitresPerMinute;
    QString m_strLitresPerSecond;
    QString m_strM3PerHour;
    QString m_strM3PerMinute;
    QString m_strM3PerSecond;
    // Pressure panel, bound last.
    QString m_strTorr;
    QString m_strMillibar;

    QIcon m_appIcon;

private:
    CSystemMenu* m_pSysMenu = nullptr; // owned by the window
};

} // namespace velmaro
