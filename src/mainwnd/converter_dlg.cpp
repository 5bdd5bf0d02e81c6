#include "mainwnd/converter_dlg.h"

#include "categories/field_group_cycle.h"
#include "framework/data_exchange.h"
#include "framework/image_resources.h"
#include "framework/logical_font.h"
#include "framework/utf8_text.h"
#include "mainwnd/converter_ids.h"
#include "mainwnd/system_menu.h"
#include "res/control_colours.h"
#include "res/flow_meter_dialog_template.h"
#include "res/language.h"
#include "res/main_window_template.h"
#include "res/maker_details.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "res/texts/texts.h"
#include "res/unit_controls.h"
#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/splash_window.h"
#include "tooldlgs/flow_meter_dialog.h"
#include "tooldlgs/instrument_dialog.h"
#include "tooldlgs/steam_dialog.h"

#include <QLineEdit>
#include <QThread>

#include <array>

namespace velmaro {
namespace {

int g_startupPauseMs = 1000;

bool IsCategoryButton(const void* /*unused*/, int controlId) {
    return res::FindCategoryByButton(controlId) != nullptr;
}

using Entry = fw::MessageMapEntry<CConverterDlg>;

constexpr Entry kMessageMap[] = {
    OnGroupChange(res::kPressureFields, &CConverterDlg::OnChangePressure),
    OnGroupChange(res::kMassFlowFields, &CConverterDlg::OnChangeMassFlow),
    OnGroupChange(res::kVolumeFlowFields, &CConverterDlg::OnChangeVolumeFlow),
    {fw::Notify::EditChange, res::kCelsiusFieldId, &CConverterDlg::OnChangeCelsius},
    {fw::Notify::EditChange, res::kFahrenheitFieldId, &CConverterDlg::OnChangeFahrenheit},
    {fw::Notify::EditChange, res::kKelvinFieldId, &CConverterDlg::OnChangeKelvin},
    {fw::Notify::EditChange, res::kRankineFieldId, &CConverterDlg::OnChangeRankine},
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

} // namespace

void CConverterDlg::SetStartupPause(int milliseconds) {
    g_startupPauseMs = milliseconds;
}

CConverterDlg::CConverterDlg(QWidget* parent)
    : fw::CDialog(res::MainWindowTemplate(), parent), m_strPressure(res::kPressureFields),
      m_strTemperature(res::kTemperatureFields), m_strMassFlow(res::kMassFlowFields),
      m_strVolumeFlow(res::kVolumeFlowFields) {
    m_appIcon = fw::LoadIconGroup(res::IDR_MAINFRAME);
    // The window has no screen window yet: the splash stands on its own in
    // the middle of the screen.
    CSplashWindow::ShowSplash(this);
    AddHelpKey(*this);
    AddInstrumentKey(*this);
    AddSteamKey(*this);
    AddFlowMeterKey(*this);
}

CConverterDlg::~CConverterDlg() = default;

void CConverterDlg::DoDataExchange(fw::CDataExchange* dx) {
    fw::CDialog::DoDataExchange(dx);
    for (std::size_t i = 0; i < res::kCategoryCount; ++i) {
        fw::DDX_Control(dx, res::kCategories[i].buttonId, m_btnCategories[i]);
    }
    fw::DDX_Control(dx, IDC_SENSOR_TYPE, m_cbSensorType);
    fw::DDX_Radio(dx, IDC_THERMOCOUPLE_KIND, m_nSensorKind);
    for (const SensorText& member : SensorTexts()) {
        fw::DDX_Text(dx, member.controlId, *member.text);
    }
    for (GroupTexts* texts : GroupTextMembers()) {
        texts->Exchange(dx);
    }
}

std::array<CConverterDlg::SensorText, 5> CConverterDlg::SensorTexts() {
    return {{
        {IDC_SENSOR_OUTPUT, &m_strSensorOutput},
        {IDC_SENSOR_CELSIUS, &m_strSensorCelsius},
        {IDC_SENSOR_FAHRENHEIT, &m_strSensorFahrenheit},
        {IDC_SENSOR_KELVIN, &m_strSensorKelvin},
        {IDC_SENSOR_RANKINE, &m_strSensorRankine},
    }};
}

std::array<GroupTexts*, 4> CConverterDlg::GroupTextMembers() {
    return {&m_strPressure, &m_strTemperature, &m_strMassFlow, &m_strVolumeFlow};
}

QString* CConverterDlg::TextMember(int controlId) {
    for (const SensorText& member : SensorTexts()) {
        if (member.controlId == controlId) {
            return member.text;
        }
    }
    for (GroupTexts* texts : GroupTextMembers()) {
        if (QString* text = texts->Find(controlId)) {
            return text;
        }
    }
    return nullptr;
}

void CConverterDlg::OnNotify(int controlId, fw::Notify code) {
    fw::DispatchMessageMap<CConverterDlg>(kMessageMap, this, code, controlId);
}

std::optional<fw::CtlColor> CConverterDlg::OnCtlColor(fw::CtlColorKind kind) {
    const auto base = fw::CDialog::OnCtlColor(kind);
    switch (kind) {
    case fw::CtlColorKind::ListBox:
        return res::ListColours();
    case fw::CtlColorKind::Edit:
        return res::FieldColours();
    default:
        return base;
    }
}

bool CConverterDlg::OnInitDialog() {
    fw::CDialog::OnInitDialog();

    // The window menu gets the About, instrument, water and steam and
    // language commands after a separator.
    if (windowFlags().testFlag(Qt::WindowSystemMenuHint)) {
        if (m_pSysMenu == nullptr) {
            m_pSysMenu = new CSystemMenu(*this, [this](unsigned nID) { OnSysCommand(nID); });
        }
        const std::string_view aboutText = res::LoadStringResource(res::IDS_ABOUTBOX);
        if (!aboutText.empty()) {
            m_pSysMenu->AppendSeparator();
            m_pSysMenu->AppendCommand(ID_SYSCMD_ABOUT, fw::Utf8(aboutText));
        }
        m_pSysMenu->AppendCommand(ID_SYSCMD_INSTRUMENTS,
                                  fw::Utf8(texts::Lookup("instrument.command")));
        m_pSysMenu->AppendCommand(ID_SYSCMD_STEAM, fw::Utf8(texts::Lookup("steam.command")));
        m_pSysMenu->AppendCommand(ID_SYSCMD_FLOWMETER,
                                  fw::Utf8(texts::Lookup("flowmeter.command")));
        m_pSysMenu->AppendCommand(ID_SYSCMD_LANGUAGE, fw::Utf8(texts::Lookup("menu.language")));
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
    setWindowTitle(fw::Utf8(texts::Lookup("main.title")));
    ConfigureCategoryButtons();

    // From here on the footer address is drawn and used as a link to the
    // maker's web page.
    m_link.m_target = QString::fromUtf8(res::kMakerWebAddress.data(),
                                        static_cast<qsizetype>(res::kMakerWebAddress.size()));
    SubclassDlgItem(IDC_FOOTER_LINK, m_link);

    if (m_resumed) {
        Resume(*m_resumed);
    }
    return true;
}

void CConverterDlg::OnSysCommand(unsigned nID) {
    if ((nID & kSysCommandMask) == ID_SYSCMD_ABOUT) {
        CAboutBox dlgAbout;
        dlgAbout.DoModal();
    } else if ((nID & kSysCommandMask) == ID_SYSCMD_INSTRUMENTS) {
        RunInstrumentDialog(this);
    } else if ((nID & kSysCommandMask) == ID_SYSCMD_STEAM) {
        RunSteamDialog(this);
    } else if ((nID & kSysCommandMask) == ID_SYSCMD_LANGUAGE) {
        OnSwitchLanguage();
    } else if ((nID & kSysCommandMask) == ID_SYSCMD_FLOWMETER) {
        RunFlowMeterDialog(this);
    } else {
        CSystemMenu::DefaultCommand(*this, nID);
    }
}

void CConverterDlg::OnSwitchLanguage() {
    // The other language, from now on and in later runs. The window closes
    // and the application opens it again in that language, where it was,
    // with what it showed (WindowState).
    const texts::Language language = texts::CurrentLanguage() == texts::Language::Chinese
                                         ? texts::Language::English
                                         : texts::Language::Chinese;
    res::RememberLanguage(language);
    res::UseLanguage(language);
    done(kLanguageSwitched);
}

CConverterDlg::WindowState CConverterDlg::State() {
    UpdateData(true);
    WindowState state{pos(), {}, m_nSensorKind, m_cbSensorType.currentIndex()};
    for (const QLineEdit* field : findChildren<QLineEdit*>()) {
        const int id = field->objectName().toInt();
        if (const QString* member = TextMember(id)) {
            state.texts.emplace_back(id, *member);
        }
    }
    return state;
}

void CConverterDlg::ResumeFrom(WindowState state) {
    m_resumed = std::move(state);
}

void CConverterDlg::Resume(const WindowState& state) {
    move(state.position);
    // The sensor panel as it was: family, its list and captions, the type.
    const auto kind = state.sensorKind == SENSOR_RTD ? SENSOR_RTD : SENSOR_THERMOCOUPLE;
    m_nSensorKind = kind;
    FillSensorTypeList(kind);
    ShowSensorCaptions(kind);
    if (state.sensorType >= 0 && state.sensorType < m_cbSensorType.count()) {
        m_cbSensorType.setCurrentIndex(state.sensorType);
    }
    // Every field's text, written back as an exchange writes: no handler runs.
    for (const auto& [id, text] : state.texts) {
        if (QString* member = TextMember(id)) {
            *member = text;
        }
    }
    UpdateData(false);
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
