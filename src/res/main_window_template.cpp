#include "res/main_window_template.h"

#include "res/category_table.h"
#include "res/maker_details.h"
#include "res/resource_ids.h"
#include "res/texts/texts.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace velmaro::res {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::kNoId;
using fw::kStyleCentred;
using fw::kStyleGroup;
using fw::kStyleHidden;
using fw::kStyleNone;
using fw::kStyleTabStop;

// Every control of the main window in template order (the number in front),
// which is also its tab order and drawing order: the pressure fields, the
// temperature and sensor fields, the flow fields, the category buttons, then
// the static texts, group boxes, pictures and the footer.
// Rectangles are dialog units: x, y, width, height. The panels' titles and
// the sensor panel's words are the program's texts (res/texts), which the
// page shows too.
// clang-format off
const ControlTemplate kControlsBeforeButtons[] = {
    /*   1 */ {1064, ControlKind::Edit, "", {14, 138, 57, 12}, kStyleTabStop},
    /*   2 */ {1065, ControlKind::Edit, "", {14, 156, 57, 12}, kStyleTabStop},
    /*   3 */ {1066, ControlKind::Edit, "", {14, 43, 57, 12}, kStyleTabStop},
    /*   4 */ {1067, ControlKind::Edit, "", {14, 281, 57, 12}, kStyleTabStop},
    /*   5 */ {1068, ControlKind::Edit, "", {14, 62, 57, 12}, kStyleTabStop},
    /*   6 */ {1016, ControlKind::Edit, "", {14, 246, 57, 12}, kStyleTabStop},
    /*   7 */ {1017, ControlKind::Edit, "", {14, 120, 57, 12}, kStyleTabStop},
    /*   8 */ {1018, ControlKind::Edit, "", {14, 80, 57, 12}, kStyleTabStop},
    /*   9 */ {1019, ControlKind::Edit, "", {14, 174, 57, 12}, kStyleTabStop},
    /*  10 */ {1022, ControlKind::Edit, "", {14, 192, 57, 12}, kStyleTabStop},
    /*  11 */ {1021, ControlKind::Edit, "", {14, 210, 57, 12}, kStyleTabStop},
    /*  12 */ {1023, ControlKind::Edit, "", {14, 228, 57, 12}, kStyleTabStop},
    /*  13 */ {1020, ControlKind::Edit, "", {14, 98, 57, 12}, kStyleTabStop},
    /*  14 */ {1069, ControlKind::Edit, "", {14, 264, 57, 12}, kStyleTabStop},
    /*  15 */ {1070, ControlKind::Edit, "", {188, 46, 57, 12}, kStyleTabStop},
    /*  16 */ {1071, ControlKind::Edit, "", {188, 70, 57, 12}, kStyleTabStop},
    /*  17 */ {1072, ControlKind::Edit, "", {188, 94, 57, 12}, kStyleTabStop},
    /*  18 */ {1073, ControlKind::Edit, "", {188, 118, 57, 12}, kStyleTabStop},
    /*  19 */ {1074, ControlKind::PushLikeRadio, texts::Lookup("sensor.thermocouple"), {212, 166, 39, 16}, kStyleGroup},
    /*  20 */ {1075, ControlKind::PushLikeRadio, texts::Lookup("sensor.rtd"), {251, 166, 39, 16}, kStyleNone},
    /*  21 */ {1076, ControlKind::DropDownList, "", {177, 191, 138, 77}, kStyleTabStop},
    /*  22 */ {1028, ControlKind::Edit, "", {197, 212, 57, 12}, kStyleTabStop},
    /*  23 */ {1030, ControlKind::Edit, "", {197, 230, 57, 12}, kStyleTabStop},
    /*  24 */ {1029, ControlKind::Edit, "", {197, 247, 57, 12}, kStyleTabStop},
    /*  25 */ {1031, ControlKind::Edit, "", {197, 264, 57, 12}, kStyleTabStop},
    /*  26 */ {1077, ControlKind::Edit, "", {197, 281, 57, 12}, kStyleTabStop},
    /*  27 */ {1032, ControlKind::Edit, "", {331, 49, 57, 12}, kStyleTabStop},
    /*  28 */ {1033, ControlKind::Edit, "", {331, 61, 57, 12}, kStyleTabStop},
    /*  29 */ {1034, ControlKind::Edit, "", {331, 73, 57, 12}, kStyleTabStop},
    /*  30 */ {1035, ControlKind::Edit, "", {331, 85, 57, 12}, kStyleTabStop},
    /*  31 */ {1036, ControlKind::Edit, "", {331, 97, 57, 12}, kStyleTabStop},
    /*  32 */ {1037, ControlKind::Edit, "", {331, 109, 57, 12}, kStyleTabStop},
    /*  33 */ {1038, ControlKind::Edit, "", {331, 121, 57, 12}, kStyleTabStop},
    /*  34 */ {1039, ControlKind::Edit, "", {331, 133, 57, 12}, kStyleTabStop},
    /*  35 */ {1045, ControlKind::Edit, "", {331, 203, 57, 12}, kStyleTabStop},
    /*  36 */ {1046, ControlKind::Edit, "", {331, 216, 57, 12}, kStyleTabStop},
    /*  37 */ {1047, ControlKind::Edit, "", {331, 229, 57, 12}, kStyleTabStop},
    /*  38 */ {1048, ControlKind::Edit, "", {331, 164, 57, 12}, kStyleTabStop},
    /*  39 */ {1049, ControlKind::Edit, "", {331, 177, 57, 12}, kStyleTabStop},
    /*  40 */ {1040, ControlKind::Edit, "", {331, 242, 57, 12}, kStyleTabStop},
    /*  41 */ {1041, ControlKind::Edit, "", {331, 255, 57, 12}, kStyleTabStop},
    /*  42 */ {1043, ControlKind::Edit, "", {331, 268, 57, 12}, kStyleTabStop},
    /*  43 */ {1044, ControlKind::Edit, "", {331, 281, 57, 12}, kStyleTabStop},
    /*  44 */ {1042, ControlKind::Edit, "", {331, 190, 57, 12}, kStyleTabStop},
};

// The category buttons (45 to 61) come from the category table.

const ControlTemplate kControlsAfterButtons[] = {
    /*  62 */ {kNoId, ControlKind::GroupBox, texts::Lookup("panel.categories"), {6, 303, 491, 31}, kStyleNone},
    /*  63 */ {1058, ControlKind::GroupBox, texts::Lookup("panel.pressure"), {10, 27, 159, 272}, kStyleCentred},
    /*  64 */ {1059, ControlKind::GroupBox, texts::Lookup("panel.temperature"), {173, 27, 148, 272}, kStyleCentred},
    /*  65 */ {1060, ControlKind::GroupBox, texts::Lookup("panel.flow"), {325, 27, 173, 272}, kStyleCentred},
    /*  66 */ {1079, ControlKind::Label, texts::Lookup("sensor.temperature"), {177, 215, 17, 9}, kStyleGroup},
    /*  67 */ {kNoId, ControlKind::Label, "°C (摄氏度)", {250, 47, 53, 10}, kStyleGroup},
    /*  68 */ {kNoId, ControlKind::Label, "°F (华氏度)", {248, 71, 53, 10}, kStyleGroup},
    /*  69 */ {kNoId, ControlKind::Label, "  K (开尔文)", {248, 95, 53, 10}, kStyleGroup},
    /*  70 */ {kNoId, ControlKind::Label, "  R (兰氏度)", {247, 119, 53, 10}, kStyleGroup},
    /*  71 */ {1078, ControlKind::Label, texts::Lookup("sensor.voltage"), {177, 283, 16, 9}, kStyleGroup},
    /*  72 */ {1080, ControlKind::Label, " mV (毫伏)", {263, 281, 52, 10}, kStyleGroup},
    /*  73 */ {1218, ControlKind::Label, "bar    (巴)", {73, 83, 55, 9}, kStyleGroup},
    /*  74 */ {1219, ControlKind::Label, "mmHg   (毫米汞柱)", {74, 176, 81, 8}, kStyleGroup},
    /*  75 */ {1220, ControlKind::Label, "mmH2O  (毫米水柱)", {76, 195, 69, 8}, kStyleGroup},
    /*  76 */ {1221, ControlKind::Label, "inHg   (英寸汞柱)", {77, 212, 69, 8}, kStyleGroup},
    /*  77 */ {1223, ControlKind::Label, "psi    (磅)", {74, 100, 65, 9}, kStyleGroup},
    /*  78 */ {1222, ControlKind::Label, "inH2O  (英寸水柱)", {74, 229, 69, 8}, kStyleGroup},
    /*  79 */ {1224, ControlKind::Label, "lb/ft2 (磅每平方英尺)", {74, 265, 85, 8}, kStyleGroup},
    /*  80 */ {1211, ControlKind::Label, "MPa    (兆帕)", {74, 141, 70, 9}, kStyleGroup},
    /*  81 */ {1212, ControlKind::Label, "kPa    (千帕)", {75, 158, 67, 9}, kStyleGroup},
    /*  82 */ {1213, ControlKind::Label, "Pa     (帕)", {74, 45, 52, 9}, kStyleGroup},
    /*  83 */ {1214, ControlKind::Label, "kg/cm2 (公斤每立方厘米)", {74, 283, 93, 8}, kStyleGroup},
    /*  84 */ {1216, ControlKind::Label, "atm    (标准大气压)", {75, 247, 77, 8}, kStyleGroup},
    /*  85 */ {1215, ControlKind::Label, "Torr   (托)", {74, 65, 52, 9}, kStyleGroup},
    /*  86 */ {1217, ControlKind::Label, "mba    (毫巴)", {74, 122, 67, 9}, kStyleGroup},
    /*  87 */ {kNoId, ControlKind::Label, "°C (摄氏度)", {259, 213, 48, 10}, kStyleGroup},
    /*  88 */ {kNoId, ControlKind::Label, "°F (华氏度)", {259, 231, 48, 10}, kStyleGroup},
    /*  89 */ {kNoId, ControlKind::Label, "  K (开尔文)", {259, 248, 48, 10}, kStyleGroup},
    /*  90 */ {kNoId, ControlKind::Label, "  R (兰氏度)", {260, 264, 52, 10}, kStyleGroup},
    /*  91 */ {1229, ControlKind::GroupBox, texts::Lookup("sensor.panel"), {173, 146, 148, 153}, kStyleCentred},
    /*  92 */ {kNoId, ControlKind::Label, "t/h （吨每时）", {393, 73, 70, 9}, kStyleGroup},
    /*  93 */ {kNoId, ControlKind::Label, "kg/h (千克每时)", {393, 47, 70, 9}, kStyleGroup},
    /*  94 */ {kNoId, ControlKind::Label, "kg/s (千克每秒)", {393, 60, 70, 9}, kStyleGroup},
    /*  95 */ {kNoId, ControlKind::Label, "t/d （吨每日）", {393, 86, 70, 9}, kStyleGroup},
    /*  96 */ {kNoId, ControlKind::Label, "lb/h (磅每时)", {393, 126, 70, 9}, kStyleGroup},
    /*  97 */ {kNoId, ControlKind::Label, "t/a （吨每年）", {393, 99, 70, 9}, kStyleGroup},
    /*  98 */ {kNoId, ControlKind::Label, "lb/s (磅每秒)", {393, 113, 70, 9}, kStyleGroup},
    /*  99 */ {kNoId, ControlKind::Label, "lb/d (磅每日)", {393, 139, 70, 9}, kStyleGroup},
    /* 100 */ {kNoId, ControlKind::Label, "m3/s   （立方米每秒）", {393, 229, 102, 9}, kStyleGroup},
    /* 101 */ {kNoId, ControlKind::Label, "m3/h   （立方米每时）", {393, 204, 102, 9}, kStyleGroup},
    /* 102 */ {kNoId, ControlKind::Label, "m3/min （立方米每分）", {393, 216, 102, 9}, kStyleGroup},
    /* 103 */ {kNoId, ControlKind::Label, "l/min  （升每分）", {393, 164, 102, 9}, kStyleGroup},
    /* 104 */ {kNoId, ControlKind::Label, "l/s    （升每秒）", {393, 178, 102, 9}, kStyleGroup},
    /* 105 */ {kNoId, ControlKind::Label, "gal(US)/min(加仑(美)每分)", {393, 269, 101, 9}, kStyleGroup},
    /* 106 */ {kNoId, ControlKind::Label, "ft3/min（立方英尺每分）", {393, 243, 102, 9}, kStyleGroup},
    /* 107 */ {kNoId, ControlKind::Label, "ft3/s  （立方英尺每秒）", {393, 256, 102, 9}, kStyleGroup},
    /* 108 */ {kNoId, ControlKind::Label, "gal(UK)/min(加仑(英)每分)", {393, 281, 102, 9}, kStyleGroup},
    /* 109 */ {kNoId, ControlKind::Label, "bbl/d  （桶每日）", {393, 191, 94, 9}, kStyleGroup},
    /* 110 */ {kNoId, ControlKind::Label, texts::Lookup("panel.flow.mass"), {347, 39, 41, 8}, kStyleGroup},
    /* 111 */ {kNoId, ControlKind::Label, texts::Lookup("panel.flow.volume"), {348, 153, 40, 8}, kStyleGroup},
    /* 112 */ {kNoId, ControlKind::Icon, "", {329, 146, 20, 20}, kStyleNone, 157},
    /* 113 */ {kNoId, ControlKind::Icon, "", {329, 32, 20, 20}, kStyleNone, 158},
    /* 114 */ {1210, ControlKind::DefPushButton, "", {214, 313, 19, 16}, kStyleTabStop | kStyleHidden},
    /* 115 */ {kNoId, ControlKind::Icon, "", {184, 165, 20, 20}, kStyleNone, 172},
    /* 116 */ {kNoId, ControlKind::Bitmap, "", {131, 43, 35, 32}, kStyleNone, 182},
    /* 117 */ {1244, ControlKind::LinkStatic, kMakerWebInvitation, {87, 339, 204, 9}, kStyleGroup},
    /* 118 */ {1245, ControlKind::LinkStatic, kMakerWebAddressText, {313, 339, 101, 8}, kStyleGroup},
    /* 119 */ {kNoId, ControlKind::GroupBox, "", {9, 333, 491, 29}, kStyleNone},
    /* 120 */ {1238, ControlKind::Label, "客服QQ:", {368, 351, 41, 8}, kStyleGroup},
    /* 121 */ {1240, ControlKind::Label, kMakerServiceMessenger, {411, 351, 58, 8}, kStyleGroup},
    /* 122 */ {1239, ControlKind::Label, "客服电话：", {236, 351, 48, 8}, kStyleGroup},
    /* 123 */ {1241, ControlKind::Label, kMakerServicePhone, {286, 351, 64, 8}, kStyleGroup},
    /* 124 */ {1230, ControlKind::Label, "联系电话：", {28, 351, 44, 8}, kStyleGroup},
    /* 125 */ {1231, ControlKind::Label, "传真：", {138, 351, 29, 8}, kStyleGroup},
    /* 126 */ {1232, ControlKind::Label, kMakerPhone, {73, 351, 61, 8}, kStyleGroup},
    /* 127 */ {1233, ControlKind::Label, kMakerFax, {170, 351, 63, 8}, kStyleGroup},
    /* 128 */ {1248, ControlKind::Bitmap, "", {4, 0, 69, 29}, kStyleNone, 193},
    /* 129 */ {kNoId, ControlKind::Bitmap, "", {124, 0, 248, 23}, kStyleNone, 190},
};
// clang-format on

static_assert(std::size(kControlsBeforeButtons) == 44);
static_assert(std::size(kControlsAfterButtons) == 68);

// The category buttons in tab order, which runs from left to right.
std::vector<ControlTemplate> CategoryButtons() {
    std::vector<ControlTemplate> buttons;
    for (const Category& category : kCategories) {
        buttons.push_back({category.buttonId, ControlKind::PushButton, CategoryCaption(category),
                           category.buttonRect, kStyleTabStop});
    }
    std::sort(
        buttons.begin(), buttons.end(),
        [](const ControlTemplate& a, const ControlTemplate& b) { return a.rect.x < b.rect.x; });
    return buttons;
}

std::vector<ControlTemplate> MainWindowControls() {
    std::vector<ControlTemplate> controls(std::begin(kControlsBeforeButtons),
                                          std::end(kControlsBeforeButtons));
    const std::vector<ControlTemplate> buttons = CategoryButtons();
    controls.insert(controls.end(), buttons.begin(), buttons.end());
    controls.insert(controls.end(), std::begin(kControlsAfterButtons),
                    std::end(kControlsAfterButtons));
    return controls;
}

const std::vector<ControlTemplate> kControls = MainWindowControls();

} // namespace

// Built when the program starts, before any window can ask for it.
const fw::DialogTemplate kMainWindowTemplate{
    IDD_CONVERTER_DIALOG,
    "", // the title is set when the window opens
    509,
    383,
    "宋体",
    12,
    fw::kDialogMinimizeBox | fw::kDialogOwnTaskbarButton,
    kControls,
};

} // namespace velmaro::res
