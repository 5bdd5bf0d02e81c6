#include "mainwnd/converter_dlg.h"

#include "categories/field_group_cycle.h"
#include "convert/tables/unit_tables.h"
#include "convert/temperature_scales.h"
#include "framework/data_exchange.h"
#include "framework/font_faces.h"
#include "framework/image_resources.h"
#include "mainwnd/converter_ids.h"
#include "mainwnd/system_menu.h"
#include "res/main_window_template.h"
#include "res/maker_details.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/splash_window.h"

#include <QThread>

#include <array>

namespace velmaro {
namespace {

int g_startupPauseMs = 1000;

// One text member per unit field, in the order the window exchanges them.
struct TextBinding {
    int controlId;
    QString CConverterDlg::*member;
};

constexpr TextBinding kTextBindings[] = {
    {IDC_SENSOR_OUTPUT, &CConverterDlg::m_strSensorOutput},
    {IDC_SENSOR_CELSIUS, &CConverterDlg::m_strSensorCelsius},
    {IDC_SENSOR_FAHRENHEIT, &CConverterDlg::m_strSensorFahrenheit},
    {IDC_SENSOR_KELVIN, &CConverterDlg::m_strSensorKelvin},
    {IDC_SENSOR_RANKINE, &CConverterDlg::m_strSensorRankine},
    {1064, &CConverterDlg::m_strMPa},
    {1065, &CConverterDlg::m_strKPa},
    {1066, &CConverterDlg::m_strPa},
    {1067, &CConverterDlg::m_strKgfPerCm2},
    {1016, &CConverterDlg::m_strAtm},
    {1018, &CConverterDlg::m_strBar},
    {1022, &CConverterDlg::m_strMmH2O},
    {1019, &CConverterDlg::m_strMmHg},
    {1023, &CConverterDlg::m_strInH2O},
    {1021, &CConverterDlg::m_strInHg},
    {1020, &CConverterDlg::m_strPsi},
    {1069, &CConverterDlg::m_strLbfPerFt2},
    {kCelsiusFieldId, &CConverterDlg::m_strCelsius},
    {kFahrenheitFieldId, &CConverterDlg::m_strFahrenheit},
    {kKelvinFieldId, &CConverterDlg::m_strKelvin},
    {kRankineFieldId, &CConverterDlg::m_strRankine},
    {1032, &CConverterDlg::m_strKgPerHour},
    {1033, &CConverterDlg::m_strKgPerSecond},
    {1036, &CConverterDlg::m_strTonnesPerYear},
    {1035, &CConverterDlg::m_strTonnesPerDay},
    {1034, &CConverterDlg::m_strTonnesPerHour},
    {1039, &CConverterDlg::m_strLbPerDay},
    {1038, &CConverterDlg::m_strLbPerHour},
    {1037, &CConverterDlg::m_strLbPerSecond},
    {1042, &CConverterDlg::m_strBarrelsPerDay},
    {1040, &CConverterDlg::m_strFt3PerMinute},
    {1041, &CConverterDlg::m_strFt3PerSecond},
    {1044, &CConverterDlg::m_strGalUkPerMinute},
    {1043, &CConverterDlg::m_strGalUsPerMinute},
    {1048, &CConverterDlg::m_strLitresPerMinute},
    {1049, &CConverterDlg::m_strLitresPerSecond},
    {1045, &CConverterDlg::m_strM3PerHour},
    {1046, &CConverterDlg::m_strM3PerMinute},
    {1047, &CConverterDlg::m_strM3PerSecond},
    {1068, &CConverterDlg::m_strTorr},
    {1017, &CConverterDlg::m_strMillibar},
};
static_assert(std::size(kTextBindings) == 41);

bool IsCategoryButton(const void* /*unused*/, int controlId) {
    return res::FindCategoryByButton(controlId) != nullptr;
}

using Entry = fw::MessageMapEntry<CConverterDlg>;

constexpr Entry kMessageMap[] = {
    OnGroupChange(tables::kPressure, &CConverterDlg::OnChangePressure),
    OnGroupChange(tables::kMassFlow, &CConverterDlg::OnChangeMassFlow),
    OnGroupChange(tables::kVolumeFlow, &CConverterDlg::OnChangeVolumeFlow),
    {fw::Notify::EditChange, kCelsiusFieldId, &CConverterDlg::OnChangeCelsius},
    {fw::Notify::EditChange, kFahrenheitFieldId, &CConverterDlg::OnChangeFahrenheit},
    {fw::Notify::EditChange, kKelvinFieldId, &CConverterDlg::OnChangeKelvin},
    {fw::Notify::EditChange, kRankineFieldId, &CConverterDlg::OnChangeRankine},
    {fw::Notify::ButtonClicked, IDC_THERMOCOUPLE_KIND, &CConverterDlg::OnThermocoupleKind},
    {fw::Notify::ButtonClicked, IDC_RTD_KIND, &CConverterDlg::OnRtdKind},
    {fw::Notify::SelChange, IDC_SENSOR_TYPE, &CConverterDlg::OnSensorTypeChange},
    {fw::Notify::EditChange, IDC_SENSOR_CELSIUS, &CConverterDlg::OnSensorCelsiusChange},
    {fw::Notify::EditChange, IDC_SENSOR_FAHRENHEIT, &CConverterDlg::OnSensorScaleChange},
    {fw::Notify::EditChange, IDC_SENSOR_KELVIN, &CConverterDlg::OnSensorScaleChange},
    {fw::Notify::EditChange, IDC_SENSOR_RANKINE, &CConverterDlg::OnSensorScaleChange},
    {fw::Notify::EditChange, IDC_SENSOR_OUTPUT, &CConverterDlg::OnSensorOutputChange},
    // Category buttons: each opens its category dialog.
    {fw::Notify::ButtonClicked, -1, nullptr, &CConverterDlg::OnCategoryButton,
     fw::ControlSet{nullptr, &IsCategoryButton}},
};

// Caption font of the three panel group boxes and the footer font.
constexpr fw::LogicalFont kGroupFont{"Arial", 30, 10, 400};
constexpr fw::LogicalFont kFooterFont{"Arial", 19, 0, 1000};

constexpr int kFooterStatics[] = {
    IDC_FOOTER_PHONE_CAPTION, IDC_FOOTER_FAX_CAPTION,       IDC_FOOTER_PHONE,
    IDC_FOOTER_FAX,           IDC_FOOTER_MESSENGER_CAPTION, IDC_FOOTER_SERVICE_CAPTION,
    IDC_FOOTER_MESSENGER,     IDC_FOOTER_SERVICE_PHONE};
constexpr int kPanelGroupBoxes[] = {IDC_GROUP_PRESSURE, IDC_GROUP_TEMPERATURE, IDC_GROUP_FLOW};

constexpr const char* kWindowTitle = "TharnixV2.0 ---精工诚信 Oskelta 实用为本 细节成质";

} // namespace

void CConverterDlg::SetStartupPause(int milliseconds) {
    g_startupPauseMs = milliseconds;
}

CConverterDlg::CConverterDlg(QWidget* parent) : fw::CDialog(res::kMainWindowTemplate, parent) {
    m_appIcon = fw::LoadIconGroup(res::IDR_MAINFRAME);
    // The window has no screen window yet: the splash stands on its own in
    // the middle of the screen.
    CSplashWindow::ShowSplash(this);
    AddHelpKey(*this);
}

CConverterDlg::~CConverterDlg() = default;

void CConverterDlg::DoDataExchange(fw::CDataExchange* dx) {
    fw::CDialog::DoDataExchange(dx);
    for (std::size_t i = 0; i < res::kCategoryCount; ++i) {
        fw::DDX_Control(dx, res::kCategories[i].buttonId, m_btnCategories[i]);
    }
    fw::DDX_Control(dx, IDC_SENSOR_TYPE, m_cbSensorType);
    fw::DDX_Radio(dx, IDC_THERMOCOUPLE_KIND, m_nSensorKind);
    for (const TextBinding& binding : kTextBindings) {
        fw::DDX_Text(dx, binding.controlId, this->*binding.member);
    }
}

QString* CConverterDlg::TextMember(int controlId) {
    for (const TextBinding& binding : kTextBindings) {
        if (binding.controlId == controlId) {
            return &(this->*binding.member);
        }
    }
    return nullptr;
}

void CConverterDlg::OnNotify(int controlId, fw::Notify code) {
    fw::DispatchMessageMap<CConverterDlg>(kMessageMap, this, code, controlId);
}

std::optional<fw::CtlColour> CConverterDlg::OnCtlColor(fw::CtlColourKind kind) {
    const auto base = fw::CDialog::OnCtlColor(kind);
    switch (kind) {
    case fw::CtlColourKind::ListBox:
        return fw::CtlColour{QColor(0, 0, 0), QColor(233, 233, 220)};
    case fw::CtlColourKind::Edit:
        return fw::CtlColour{QColor(0, 0, 0), QColor(156, 205, 166)};
    default:
        return base;
    }
}

bool CConverterDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();

    // The window menu gets the About command after a separator.
    if (windowFlags().testFlag(Qt::WindowSystemMenuHint)) {
        if (m_pSysMenu == nullptr) {
            m_pSysMenu = new CSystemMenu(*this, [this](unsigned nID) { OnSysCommand(nID); });
        }
        const std::string_view aboutText = res::LoadStringResource(res::IDS_ABOUTBOX);
        if (!aboutText.empty()) {
            m_pSysMenu->AppendSeparator();
            m_pSysMenu->AppendCommand(
                ID_SYSCMD_ABOUT,
                QString::fromUtf8(aboutText.data(), static_cast<qsizetype>(aboutText.size())));
        }
    }

    // A second request while the constructor's splash stands does nothing;
    // if the picture could not be shown then, this tries once more.
    CSplashWindow::ShowSplash(this);

    // The window is not visible yet: the start-up picture stands alone for
    // this second.
    if (g_startupPauseMs > 0) {
        QThread::msleep(static_cast<unsigned long>(g_startupPauseMs));
    }

    CreateFonts();
    setWindowIcon(m_appIcon);
    ApplyFonts();
    FillSensorTypeList(SENSOR_THERMOCOUPLE);
    m_cbSensorType.setCurrentIndex(0);
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    ConfigureCategoryButtons();

    // From here on the footer address is drawn and used as a link to the
    // maker's web page.
    m_link.m_target = QString::fromUtf8(res::kMakerWebAddress.data(),
                                        static_cast<qsizetype>(res::kMakerWebAddress.size()));
    SubclassDlgItem(IDC_FOOTER_LINK, m_link);
    return true;
}

void CConverterDlg::OnSysCommand(unsigned nID) {
    if ((nID & kSysCommandMask) == ID_SYSCMD_ABOUT) {
        CAboutBox dlgAbout;
        dlgAbout.DoModal();
    } else {
        CSystemMenu::DefaultCommand(*this, nID);
    }
}

void CConverterDlg::CreateFonts() {
    m_groupFont = fw::CreateLogicalFont(kGroupFont);
    m_footerFont = fw::CreateLogicalFont(kFooterFont);
}

void CConverterDlg::ApplyFonts() {
    for (int id : kFooterStatics) {
        if (QWidget* item = GetDlgItem(id)) {
            item->setFont(m_footerFont);
        }
    }
    for (int id : kPanelGroupBoxes) {
        if (QWidget* item = GetDlgItem(id)) {
            item->setFont(m_groupFont);
        }
    }
    FitStaticTexts();
}

} // namespace velmaro
