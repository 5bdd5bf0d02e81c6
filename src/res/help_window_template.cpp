#include "res/help_window_template.h"

#include "res/resource_ids.h"

#include <iterator>

namespace velmaro::res {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::kNoId;
using fw::kStyleTabStop;

// Each topic is a framed caption over one text of broken lines; a line is
// kLine dialog units high, which holds a line of the Song face with room.
constexpr int kLine = 12;

constexpr std::string_view kPanels =
    "主窗口：压力（14 种单位）、温度（°C、°F、K、R）、质量流量（8 种单位）和体积\n"
    "流量（10 种单位）。\n"
    "90温标转换：由温度求热电偶（S、R、B、K、N、E、J、T 型）的热电势（mV）或\n"
    "热电阻（Pt100、Pt10、Cu100、Cu50、Pt1000、Pt500）的电阻（Ω），也可反求温度。\n"
    "其他单位转换：17 个按钮各打开一个换算窗口：长度、面积、体积、容积、质量、力、速度、\n"
    "密度、能量、功率、传热速度、传热系数、导热系数、动力粘度、运动粘度、扩散系数和表面张力。\n"
    "仪表计算（Ctrl+I）：热电偶冷端补偿、变送器信号、气体流量的工况与标况换算。\n"
    "水和水蒸气性质（Ctrl+H）：按 IAPWS-IF97 由压力和温度、比焓或比熵\n"
    "求水和水蒸气的状态，以及饱和水和饱和蒸汽。\n"
    "差压流量计算（Ctrl+L）：按 ISO 5167 由差压求流量、由流量求差压或求孔径。";

constexpr std::string_view kNumbers =
    "在任一单位的框中输入数字，同组其他单位的框随即算出，不必按键确认。\n"
    "小数点一律用“.”，与系统的区域设置无关；可用指数写法，如 1.5e3 即 1500。\n"
    "只读开头的数字：“12abc”按 12 计算，数字后面的文字不计；\n"
    "空框，或开头不是数字的文字（如“abc”、“-”、“.”），按 0 计算。\n"
    "传感器栏只在 °C 和 mV（或 Ω）框中输入，°F、K、R 框只显示结果；\n"
    "数值超出所选型号的范围时，提示“超出范围”，结果为 0。\n"
    "Tab 转到下一个框；Esc 关闭窗口，Enter 不关闭换算窗口。";

constexpr std::string_view kResults =
    "单位换算的结果都由固定的换算系数表以双精度算出，按固定的小数位数显示；\n"
    "温度按各温标的定义换算，传感器按下面的标准计算。\n"
    "程序不读写文件、不联网，关闭窗口后不保留任何数值。";

constexpr std::string_view kStandards =
    "热电偶：ITS-90 参考函数，系数取自 NIST Monograph 175（与 IEC 60584-1 相同），\n"
    "参考端 0 °C；由热电势求温度，K 型用标准的反函数，其他各型以二分法解参考函数。\n"
    "铂热电阻 Pt100、Pt10、Pt1000、Pt500：IEC 60751 的 Callendar–Van Dusen 方程，\n"
    "    A = 3.9083×10⁻³，B = −5.775×10⁻⁷，C = −4.183×10⁻¹²（C 只用于 0 °C 以下）。\n"
    "铜热电阻 Cu100、Cu50（−50 ～ 150 °C）：\n"
    "    由温度求电阻 R = R0[1 + αt + βt(t − 100) + γt²(t − 100)]，\n"
    "        α = 4.28×10⁻³，β = −9.31×10⁻⁸，γ = 1.23×10⁻⁹；\n"
    "    由电阻求温度，解 R = R0(1 + At + Bt² + Ct³)，\n"
    "        A = 4.28899×10⁻³，B = −2.133×10⁻⁷，C = 1.233×10⁻⁹。";

// Lines of a text.
constexpr int LinesOf(std::string_view text) {
    int lines = 1;
    for (char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    return lines;
}

// Topics from the top: a group box whose caption names the topic, and the
// text inside it.
constexpr int kLeft = 7;
constexpr int kWidth = 410;
constexpr int kTextInset = 7;
constexpr int kCaptionRoom = 11; // from a box's top edge to its text
constexpr int kBottomRoom = 4;   // from a box's text to its bottom edge
constexpr int kGap = 3;          // between boxes

constexpr int BoxHeight(std::string_view text) {
    return kCaptionRoom + LinesOf(text) * kLine + kBottomRoom;
}

constexpr int kPanelsTop = 4;
constexpr int kNumbersTop = kPanelsTop + BoxHeight(kPanels) + kGap;
constexpr int kResultsTop = kNumbersTop + BoxHeight(kNumbers) + kGap;
constexpr int kStandardsTop = kResultsTop + BoxHeight(kResults) + kGap;
constexpr int kButtonsTop = kStandardsTop + BoxHeight(kStandards) + 6;
constexpr int kButtonHeight = 14;
constexpr int kWindowWidth = kLeft + kWidth + kLeft;
constexpr int kWindowHeight = kButtonsTop + kButtonHeight + 6;

constexpr ControlTemplate Box(std::string_view caption, int top, std::string_view text) {
    return {kNoId, ControlKind::GroupBox, caption, {kLeft, top, kWidth, BoxHeight(text)}};
}

constexpr ControlTemplate Text(int top, std::string_view text) {
    return {
        kNoId,
        ControlKind::Label,
        text,
        {kLeft + kTextInset, top + kCaptionRoom, kWidth - 2 * kTextInset, LinesOf(text) * kLine}};
}

// The buttons in a row: the tool windows' from the left, About and close on
// the right.
constexpr int kButtonGap = 5;
constexpr int kCloseWidth = 50;
constexpr int kAboutWidth = 84;
constexpr int kInstrumentsWidth = 88;
constexpr int kSteamWidth = 88;
constexpr int kFlowMeterWidth = 80;
static_assert(kSteamWidth + kFlowMeterWidth + kInstrumentsWidth + kAboutWidth + kCloseWidth +
                  4 * kButtonGap <=
              kWidth);

// The buttons come first: the close button takes the focus when the window
// opens, and each text lies over its frame.
constexpr ControlTemplate kControls[] = {
    {IDC_HELP_CLOSE,
     ControlKind::DefPushButton,
     "确定",
     {kLeft + kWidth - kCloseWidth, kButtonsTop, kCloseWidth, kButtonHeight},
     kStyleTabStop},
    {IDC_HELP_ABOUT,
     ControlKind::PushButton,
     "",
     {kLeft + kWidth - kCloseWidth - kButtonGap - kAboutWidth, kButtonsTop, kAboutWidth,
      kButtonHeight},
     kStyleTabStop},
    {IDC_HELP_INSTRUMENTS,
     ControlKind::PushButton,
     "",
     {kLeft + kWidth - kCloseWidth - kAboutWidth - kInstrumentsWidth - 2 * kButtonGap, kButtonsTop,
      kInstrumentsWidth, kButtonHeight},
     kStyleTabStop},
    {IDC_HELP_STEAM,
     ControlKind::PushButton,
     "",
     {kLeft, kButtonsTop, kSteamWidth, kButtonHeight},
     kStyleTabStop},
    {IDC_HELP_FLOWMETER,
     ControlKind::PushButton,
     "",
     {kLeft + kSteamWidth + kButtonGap, kButtonsTop, kFlowMeterWidth, kButtonHeight},
     kStyleTabStop},
    Text(kPanelsTop, kPanels),
    Box("换算内容", kPanelsTop, kPanels),
    Text(kNumbersTop, kNumbers),
    Box("输入数字", kNumbersTop, kNumbers),
    Text(kResultsTop, kResults),
    Box("计算方法", kResultsTop, kResults),
    Text(kStandardsTop, kStandards),
    Box("传感器依据的标准", kStandardsTop, kStandards),
};

static_assert(std::size(kControls) == 13);

} // namespace

// A caption bar with the close box, a fixed frame, no minimise box and no
// task-bar button of its own: it belongs to the window it was opened over.
constexpr fw::DialogTemplate kHelpWindowTemplate{
    IDD_HELP, "Velmaro 帮助", kWindowWidth, kWindowHeight, "宋体", 9, fw::kDialogNone, kControls,
};

} // namespace velmaro::res
