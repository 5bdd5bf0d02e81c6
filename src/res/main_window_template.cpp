#include "res/main_window_template.h"

#include "framework/dialog_units.h"
#include "framework/font_faces.h"
#include "res/built_template.h"
#include "res/category_table.h"
#include "res/maker_details.h"
#include "res/resource_ids.h"
#include "res/texts/texts.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <numeric>
#include <string_view>
#include <tuple>
#include <vector>

namespace velmaro::res {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::DuRect;
using fw::kNoId;
using fw::kStyleCentred;
using fw::kStyleGroup;
using fw::kStyleHidden;
using fw::kStyleNone;
using fw::kStyleTabStop;
using fw::TextId;

// Every control of the main window in template order (the number in front),
// which is also its tab order and drawing order: the pressure fields, the
// temperature and sensor fields, the flow fields, the category buttons, then
// the static texts, group boxes, pictures and the footer.
// Rectangles are dialog units: x, y, width, height. Every text is named by
// its id in the program's texts (res/texts); the unit labels are the
// catalogue's, as the page and the category dialogs show them.
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
    /*  19 */ {1074, ControlKind::PushLikeRadio, TextId("sensor.thermocouple"), {212, 166, 39, 16}, kStyleGroup},
    /*  20 */ {1075, ControlKind::PushLikeRadio, TextId("sensor.rtd"), {251, 166, 39, 16}, kStyleNone},
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
    /*  62 */ {kNoId, ControlKind::GroupBox, TextId("panel.categories"), {6, 303, 491, 31}, kStyleNone},
    /*  63 */ {1058, ControlKind::GroupBox, TextId("panel.pressure"), {10, 27, 159, 272}, kStyleCentred},
    /*  64 */ {1059, ControlKind::GroupBox, TextId("panel.temperature"), {173, 27, 148, 272}, kStyleCentred},
    /*  65 */ {1060, ControlKind::GroupBox, TextId("panel.flow"), {325, 27, 173, 272}, kStyleCentred},
    /*  66 */ {1079, ControlKind::Label, TextId("sensor.temperature"), {177, 215, 17, 9}, kStyleGroup},
    /*  67 */ {kNoId, ControlKind::Label, TextId("unit.temperature.°C"), {250, 47, 53, 10}, kStyleGroup},
    /*  68 */ {kNoId, ControlKind::Label, TextId("unit.temperature.°F"), {248, 71, 53, 10}, kStyleGroup},
    /*  69 */ {kNoId, ControlKind::Label, TextId("unit.temperature.K"), {248, 95, 53, 10}, kStyleGroup},
    /*  70 */ {kNoId, ControlKind::Label, TextId("unit.temperature.R"), {247, 119, 53, 10}, kStyleGroup},
    /*  71 */ {1078, ControlKind::Label, TextId("sensor.voltage"), {177, 283, 16, 9}, kStyleGroup},
    /*  72 */ {1080, ControlKind::Label, TextId("sensor.emf.unit"), {263, 281, 52, 10}, kStyleGroup},
    /*  73 */ {1218, ControlKind::Label, TextId("unit.pressure.bar"), {73, 83, 55, 9}, kStyleGroup},
    /*  74 */ {1219, ControlKind::Label, TextId("unit.pressure.mmHg"), {74, 176, 81, 8}, kStyleGroup},
    /*  75 */ {1220, ControlKind::Label, TextId("unit.pressure.mmH2O"), {76, 195, 69, 8}, kStyleGroup},
    /*  76 */ {1221, ControlKind::Label, TextId("unit.pressure.inHg"), {77, 212, 69, 8}, kStyleGroup},
    /*  77 */ {1223, ControlKind::Label, TextId("unit.pressure.psi"), {74, 100, 65, 9}, kStyleGroup},
    /*  78 */ {1222, ControlKind::Label, TextId("unit.pressure.inH2O"), {74, 229, 69, 8}, kStyleGroup},
    /*  79 */ {1224, ControlKind::Label, TextId("unit.pressure.lb/ft2"), {74, 265, 85, 8}, kStyleGroup},
    /*  80 */ {1211, ControlKind::Label, TextId("unit.pressure.MPa"), {74, 141, 70, 9}, kStyleGroup},
    /*  81 */ {1212, ControlKind::Label, TextId("unit.pressure.kPa"), {75, 158, 67, 9}, kStyleGroup},
    /*  82 */ {1213, ControlKind::Label, TextId("unit.pressure.Pa"), {74, 45, 52, 9}, kStyleGroup},
    /*  83 */ {1214, ControlKind::Label, TextId("unit.pressure.kg/cm2"), {74, 283, 93, 8}, kStyleGroup},
    /*  84 */ {1216, ControlKind::Label, TextId("unit.pressure.atm"), {75, 247, 77, 8}, kStyleGroup},
    /*  85 */ {1215, ControlKind::Label, TextId("unit.pressure.Torr"), {74, 65, 52, 9}, kStyleGroup},
    /*  86 */ {1217, ControlKind::Label, TextId("unit.pressure.mbar"), {74, 122, 67, 9}, kStyleGroup},
    /*  87 */ {kNoId, ControlKind::Label, TextId("sensor.unit.°C"), {259, 213, 48, 10}, kStyleGroup},
    /*  88 */ {kNoId, ControlKind::Label, TextId("sensor.unit.°F"), {259, 231, 48, 10}, kStyleGroup},
    /*  89 */ {kNoId, ControlKind::Label, TextId("sensor.unit.K"), {259, 248, 48, 10}, kStyleGroup},
    /*  90 */ {kNoId, ControlKind::Label, TextId("sensor.unit.R"), {260, 264, 52, 10}, kStyleGroup},
    /*  91 */ {1229, ControlKind::GroupBox, TextId("sensor.panel"), {173, 146, 148, 153}, kStyleCentred},
    /*  92 */ {kNoId, ControlKind::Label, TextId("unit.mass-flow.t/h"), {393, 73, 70, 9}, kStyleGroup},
    /*  93 */ {kNoId, ControlKind::Label, TextId("unit.mass-flow.kg/h"), {393, 47, 70, 9}, kStyleGroup},
    /*  94 */ {kNoId, ControlKind::Label, TextId("unit.mass-flow.kg/s"), {393, 60, 70, 9}, kStyleGroup},
    /*  95 */ {kNoId, ControlKind::Label, TextId("unit.mass-flow.t/d"), {393, 86, 70, 9}, kStyleGroup},
    /*  96 */ {kNoId, ControlKind::Label, TextId("unit.mass-flow.lb/h"), {393, 126, 70, 9}, kStyleGroup},
    /*  97 */ {kNoId, ControlKind::Label, TextId("unit.mass-flow.t/a"), {393, 99, 70, 9}, kStyleGroup},
    /*  98 */ {kNoId, ControlKind::Label, TextId("unit.mass-flow.lb/s"), {393, 113, 70, 9}, kStyleGroup},
    /*  99 */ {kNoId, ControlKind::Label, TextId("unit.mass-flow.lb/d"), {393, 139, 70, 9}, kStyleGroup},
    /* 100 */ {kNoId, ControlKind::Label, TextId("unit.volume-flow.m3/s"), {393, 229, 102, 9}, kStyleGroup},
    /* 101 */ {kNoId, ControlKind::Label, TextId("unit.volume-flow.m3/h"), {393, 204, 102, 9}, kStyleGroup},
    /* 102 */ {kNoId, ControlKind::Label, TextId("unit.volume-flow.m3/min"), {393, 216, 102, 9}, kStyleGroup},
    /* 103 */ {kNoId, ControlKind::Label, TextId("unit.volume-flow.l/min"), {393, 164, 102, 9}, kStyleGroup},
    /* 104 */ {kNoId, ControlKind::Label, TextId("unit.volume-flow.l/s"), {393, 178, 102, 9}, kStyleGroup},
    /* 105 */ {kNoId, ControlKind::Label, TextId("unit.volume-flow.gal(US)/min"), {393, 269, 101, 9}, kStyleGroup},
    /* 106 */ {kNoId, ControlKind::Label, TextId("unit.volume-flow.ft3/min"), {393, 243, 102, 9}, kStyleGroup},
    /* 107 */ {kNoId, ControlKind::Label, TextId("unit.volume-flow.ft3/s"), {393, 256, 102, 9}, kStyleGroup},
    /* 108 */ {kNoId, ControlKind::Label, TextId("unit.volume-flow.gal(UK)/min"), {393, 281, 102, 9}, kStyleGroup},
    /* 109 */ {kNoId, ControlKind::Label, TextId("unit.volume-flow.bbl/d"), {393, 191, 94, 9}, kStyleGroup},
    /* 110 */ {kNoId, ControlKind::Label, TextId("panel.flow.mass"), {347, 39, 41, 8}, kStyleGroup},
    /* 111 */ {kNoId, ControlKind::Label, TextId("panel.flow.volume"), {348, 153, 40, 8}, kStyleGroup},
    /* 112 */ {kNoId, ControlKind::Icon, "", {329, 146, 20, 20}, kStyleNone, 157},
    /* 113 */ {kNoId, ControlKind::Icon, "", {329, 32, 20, 20}, kStyleNone, 158},
    /* 114 */ {1210, ControlKind::DefPushButton, "", {214, 313, 19, 16}, kStyleTabStop | kStyleHidden},
    /* 115 */ {kNoId, ControlKind::Icon, "", {184, 165, 20, 20}, kStyleNone, 172},
    /* 116 */ {kNoId, ControlKind::Bitmap, "", {131, 43, 35, 32}, kStyleNone, 182},
    /* 117 */ {1244, ControlKind::LinkStatic, TextId("maker.web-invitation"), {87, 339, 204, 9}, kStyleGroup},
    /* 118 */ {1245, ControlKind::LinkStatic, kMakerWebAddressText, {313, 339, 101, 8}, kStyleGroup},
    /* 119 */ {kNoId, ControlKind::GroupBox, "", {9, 333, 491, 29}, kStyleNone},
    /* 120 */ {1238, ControlKind::Label, TextId("contact.messenger"), {368, 351, 41, 8}, kStyleGroup},
    /* 121 */ {1240, ControlKind::Label, kMakerServiceMessenger, {411, 351, 58, 8}, kStyleGroup},
    /* 122 */ {1239, ControlKind::Label, TextId("contact.service-phone"), {236, 351, 48, 8}, kStyleGroup},
    /* 123 */ {1241, ControlKind::Label, kMakerServicePhone, {286, 351, 64, 8}, kStyleGroup},
    /* 124 */ {1230, ControlKind::Label, TextId("contact.phone"), {28, 351, 44, 8}, kStyleGroup},
    /* 125 */ {1231, ControlKind::Label, TextId("contact.fax"), {138, 351, 29, 8}, kStyleGroup},
    /* 126 */ {1232, ControlKind::Label, kMakerPhone, {73, 351, 61, 8}, kStyleGroup},
    /* 127 */ {1233, ControlKind::Label, kMakerFax, {170, 351, 63, 8}, kStyleGroup},
    /* 128 */ {1248, ControlKind::Bitmap, "", {4, 0, 69, 29}, kStyleNone, 193},
    /* 129 */ {kNoId, ControlKind::Bitmap, "", {124, 0, 248, 23}, kStyleNone, 190},
};
// clang-format on

static_assert(std::size(kControlsBeforeButtons) == 44);
static_assert(std::size(kControlsAfterButtons) == 68);

// Template positions (the numbers above, from 1) of the first category button
// and of the footer's controls.
constexpr std::size_t kFirstButton = 45;
constexpr std::size_t kFooter[] = {117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127};
constexpr std::size_t kCategoryGroup = 62;

// Where the English texts need more room than the Chinese ones, by template
// position. The sensor family buttons share the panel's width; the sensor
// panel's captions get a column of their own before its fields, whose units
// are plain symbols.
// clang-format off
struct Place {
    std::size_t position;
    DuRect rect;
};
constexpr Place kEnglishPlaces[] = {
    {19, {202, 166, 58, 16}}, {20, {260, 166, 58, 16}},
    {22, {219, 212, 57, 12}}, {23, {219, 230, 57, 12}}, {24, {219, 247, 57, 12}},
    {25, {219, 264, 57, 12}}, {26, {219, 281, 57, 12}},
    {66, {177, 215, 40, 9}},  {71, {177, 283, 40, 9}},
    {72, {280, 281, 38, 10}},
    {87, {280, 213, 38, 10}}, {88, {280, 231, 38, 10}}, {89, {280, 248, 38, 10}},
    {90, {280, 264, 38, 10}},
};
// clang-format on

// The English category buttons: two rows across the category frame, each
// button as wide as its caption needs and every row filled to the frame.
constexpr int kButtonsLeft = 15;
constexpr int kButtonsRight = 492;
constexpr int kButtonGap = 1;
constexpr int kButtonPadding = 10; // pixels on each side of a caption
constexpr int kRowPitch = 17;

ControlTemplate& At(std::vector<ControlTemplate>& controls, std::size_t position) {
    return controls.at(position - 1);
}

void PlaceEnglishButtons(std::vector<ControlTemplate>& controls, std::string_view face,
                         int fontPixels, const fw::DialogBaseUnits& units) {
    const QFontMetrics metrics(fw::MakeFont(face, fontPixels));
    const std::size_t count = kCategoryCount;
    std::vector<int> widths; // dialog units
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view caption = At(controls, kFirstButton + i).text.Resolve();
        const int pixels = metrics.horizontalAdvance(QString::fromUtf8(
                               caption.data(), static_cast<qsizetype>(caption.size()))) +
                           2 * kButtonPadding;
        widths.push_back((pixels * 4 + units.x - 1) / units.x);
    }
    // The break that leaves the wider row narrowest, in tab order.
    const auto rowWidth = [&](std::size_t from, std::size_t to) {
        return std::accumulate(widths.begin() + static_cast<std::ptrdiff_t>(from),
                               widths.begin() + static_cast<std::ptrdiff_t>(to), 0) +
               static_cast<int>(to - from - 1) * kButtonGap;
    };
    std::size_t split = 1;
    for (std::size_t at = 1; at < count; ++at) {
        if (std::max(rowWidth(0, at), rowWidth(at, count)) <
            std::max(rowWidth(0, split), rowWidth(split, count))) {
            split = at;
        }
    }
    const int room = kButtonsRight - kButtonsLeft;
    for (const auto& [from, to, row] :
         {std::tuple{std::size_t{0}, split, 0}, std::tuple{split, count, 1}}) {
        const int used = rowWidth(from, to);
        const int spare = std::max(0, room - used);
        int x = kButtonsLeft;
        for (std::size_t i = from; i < to; ++i) {
            // The spare room shared out in proportion to the captions.
            const int grown = widths[i] + spare * widths[i] /
                                              (used - static_cast<int>(to - from - 1) * kButtonGap);
            const int width = i + 1 == to ? kButtonsLeft + room - x : grown;
            DuRect& rect = At(controls, kFirstButton + i).rect;
            rect = {x, rect.y + row * kRowPitch, width, rect.height};
            x += width + kButtonGap;
        }
    }
    // The frame grows by a row, and the footer moves down under it.
    At(controls, kCategoryGroup).rect.height += kRowPitch;
    for (const std::size_t position : kFooter) {
        At(controls, position).rect.y += kRowPitch;
    }
}

constexpr int kWidth = 509;
constexpr int kHeight = 383;
constexpr int kFontPointSize = 12;

} // namespace

const fw::DialogTemplate& MainWindowTemplate() {
    return TemplateInLanguage([](BuiltTemplate& built) {
        std::vector<ControlTemplate>& controls = built.controls;
        controls.assign(std::begin(kControlsBeforeButtons), std::end(kControlsBeforeButtons));
        // The category buttons in tab order, which runs from left to right.
        std::vector<ControlTemplate> buttons;
        for (const Category& category : kCategories) {
            buttons.push_back({category.buttonId, ControlKind::PushButton,
                               TextId(built.Keep(CategoryCaptionTextId(category))),
                               category.buttonRect, kStyleTabStop});
        }
        std::sort(
            buttons.begin(), buttons.end(),
            [](const ControlTemplate& a, const ControlTemplate& b) { return a.rect.x < b.rect.x; });
        controls.insert(controls.end(), buttons.begin(), buttons.end());
        controls.insert(controls.end(), std::begin(kControlsAfterButtons),
                        std::end(kControlsAfterButtons));

        const fw::TemplateText face = TextId("font.dialog");
        if (texts::CurrentLanguage() == texts::Language::English) {
            for (const Place& place : kEnglishPlaces) {
                At(controls, place.position).rect = place.rect;
            }
            PlaceEnglishButtons(controls, face.Resolve(), fw::PointsToPixels(kFontPointSize),
                                fw::BaseUnitsForFont(face.Resolve(), kFontPointSize));
        }
        built.dialog = fw::DialogTemplate{
            IDD_CONVERTER_DIALOG,
            "", // the title is set when the window opens
            kWidth,
            kHeight,
            face,
            kFontPointSize,
            fw::kDialogMinimizeBox | fw::kDialogOwnTaskbarButton,
            {},
        };
    });
}

} // namespace velmaro::res
