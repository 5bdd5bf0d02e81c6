#pragma once

// The main window: pressure, temperature, sensor and flow panels, the row of
// category buttons and the maker's footer. The frame is converter_dlg.cpp;
// the handlers live beside it by panel: unit_panels.cpp (pressure, flow and
// temperature), sensor_panel.cpp with sensor_entry_points.cpp, and
// category_buttons.cpp.

#include "categories/field_group_cycle.h"
#include "controls/round_image_button.h"
#include "controls/static_link.h"
#include "convert/number_text.h"
#include "framework/dialog.h"
#include "framework/notification.h"
#include "res/category_table.h"

#include <QComboBox>
#include <QFont>
#include <QIcon>
#include <QPoint>
#include <QPushButton>
#include <QString>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace velmaro {

class CSystemMenu;

namespace sensors {
struct SensorResult;
struct PanelTexts;
} // namespace sensors

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
    // program pauses 1000 ms when it starts; tests shorten it.
    static void SetStartupPause(int milliseconds);

    // What the window's run returns when the language was switched from the
    // window menu: the application opens the window again in the new
    // language.
    static constexpr int kLanguageSwitched = 2;

    // Where the window stands and what it shows: every field's text and the
    // sensor panel's family and type.
    struct WindowState {
        QPoint position;
        std::vector<std::pair<int, QString>> texts; // by field id
        int sensorKind = 0;
        int sensorType = 0;
    };
    WindowState State();
    // Opens as `state` was, when it opens.
    void ResumeFrom(WindowState state);

    // A command of the window menu: the About command opens the About box,
    // every other command gets the window system's handling.
    void OnSysCommand(unsigned nID);
    // The window menu, once the window has been set up.
    CSystemMenu* GetSystemMenu() const { return m_pSysMenu; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange* dx) override;
    void OnNotify(int controlId, fw::Notify code) override;
    std::optional<fw::CtlColor> OnCtlColor(fw::CtlColorKind kind) override;

public:
    QString* TextMember(int controlId) override;

    // Pressure, flow and temperature panels (unit_panels.cpp).
    void OnChangePressure(int controlId);
    void OnChangeMassFlow(int controlId);
    void OnChangeVolumeFlow(int controlId);
    void OnChangeCelsius();
    void OnChangeFahrenheit();
    void OnChangeKelvin();
    void OnChangeRankine();
    // Sensor panel (sensor_panel.cpp).
    void OnThermocoupleKind();
    void OnRtdKind();
    void OnSensorTypeChange();
    void OnSensorCelsiusChange();
    void OnSensorOutputChange();
    void OnSensorScaleChange();
    // Category buttons (category_buttons.cpp): opens the button's dialog.
    void OnCategoryButton(int controlId);

    // The guarded sensor conversions: a value outside the selected type's
    // range shows the out-of-range message, owned by this window, and gives 0
    // (sensor_entry_points.cpp).
    double ThermocoupleEmf(unsigned type, double celsius);
    double ThermocoupleTemperature(unsigned type, double emf);
    double RtdResistance(unsigned type, double celsius);
    double RtdTemperature(unsigned type, double ohms);

    // The footer web address, no target until the window opens (first of the
    // members, which follow in declaration order below).
    CStaticLink m_link;

private:
    void FillSensorTypeList(SensorKind kind);
    // The output field's caption and unit for the family.
    void ShowSensorCaptions(SensorKind kind);
    void SelectSensorKind(SensorKind kind);
    // The panel's °F, K and R members from the panel's rule.
    void SetSensorScales(const sensors::PanelTexts& panel);
    double Checked(const sensors::SensorResult& result);
    void ShowOutOfRangeMessage();

    // The language command: the other language from now on.
    void OnSwitchLanguage();
    void Resume(const WindowState& state);

    void CreateFonts();
    void ApplyFonts();
    // The category buttons' look (category_buttons.cpp).
    void ConfigureCategoryButtons();

    // A text member of the sensor panel and the field it is bound to.
    struct SensorText {
        int controlId;
        QString* text;
    };
    std::array<SensorText, 5> SensorTexts();
    // The text members of the four field groups.
    std::array<GroupTexts*, 4> GroupTextMembers();

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
    // The unit fields of the other panels, by field group.
    GroupTexts m_strPressure;
    GroupTexts m_strTemperature;
    GroupTexts m_strMassFlow;
    GroupTexts m_strVolumeFlow;

    QIcon m_appIcon;
    CSystemMenu* m_pSysMenu = nullptr; // owned by the window
    std::optional<WindowState> m_resumed;
};

} // namespace velmaro
