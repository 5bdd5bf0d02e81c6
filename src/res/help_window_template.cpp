#include "res/help_window_template.h"

#include "convert/quantities.h"
#include "convert/temperature_scales.h"
#include "framework/dialog_units.h"
#include "framework/font_faces.h"
#include "framework/utf8_text.h"
#include "res/built_template.h"
#include "res/category_table.h"
#include "res/resource_ids.h"
#include "res/text_lines.h"
#include "sensors/sensor_panel_rule.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmaro::res {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::kNoId;
using fw::kStyleTabStop;
using fw::TextId;

// Each topic is a framed caption over one text of lines. Chinese lines are
// kChineseLine dialog units high, which holds a line of the Song face with
// room, and at most kColumns columns wide, which the text's width leaves room
// for; other lines are as high as their face's lines and as wide as the text.
constexpr int kChineseLine = 12;
constexpr int kColumns = 92;
constexpr int kFontPointSize = 9;

// Topics from the top: a group box whose caption names the topic, and the
// text inside it.
constexpr int kLeft = 7;
constexpr int kWidth = 410;

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
constexpr int kTextInset = 7;
constexpr int kCaptionRoom = 11; // from a box's top edge to its text
constexpr int kBottomRoom = 4;   // from a box's text to its bottom edge
constexpr int kGap = 3;          // between boxes
constexpr int kFirstTop = 4;
constexpr int kButtonHeight = 14;
constexpr int kWindowWidth = kLeft + kWidth + kLeft;

struct Topic {
    std::string_view captionTextId;
    std::string_view textId;
};

constexpr Topic kTopics[] = {
    {"help.contents", "help.contents.text"},
    {"help.numbers", "help.numbers.text"},
    {"help.results", "help.results.text"},
    {"help.standards", "help.standards.text"},
};

// `items` joined as the language writes a list: with "and" before the last
// one, or with the separator only.
std::string JoinedList(const std::vector<std::string_view>& items, bool withAnd) {
    std::string list;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            list += texts::Lookup(withAnd && i + 1 == items.size() ? "list.and" : "list.separator");
        }
        list += items[i];
    }
    return list;
}

std::string UnitCount(std::string_view quantityId) {
    const Quantity* quantity = FindQuantity(quantityId);
    return quantity != nullptr ? std::to_string(quantity->group->size()) : std::string();
}

std::string SensorTypes(sensors::SensorFamily family) {
    std::vector<std::string> symbols;
    for (unsigned type = 0; type < sensors::TypeCount(family); ++type) {
        symbols.push_back(sensors::TypeSymbol(family, type));
    }
    return JoinedList({symbols.begin(), symbols.end()}, false);
}

// The names of the category dialogs in the catalogue's order.
std::string CategoryNames() {
    std::vector<std::string_view> names;
    for (const Quantity& quantity : Quantities()) {
        const bool hasDialog =
            std::any_of(std::begin(kCategories), std::end(kCategories),
                        [&](const Category& c) { return c.dialog.group == quantity.group; });
        if (hasDialog) {
            names.push_back(texts::QuantityName(quantity));
        }
    }
    return JoinedList(names, true);
}

std::string TemperatureUnits() {
    std::vector<std::string_view> scales;
    for (const Unit& unit : kTemperatureGroup.units) {
        scales.push_back(unit.symbol);
    }
    return JoinedList(scales, false);
}

// What the topics' texts take from the catalogue, so that no count or name
// in them can go stale; gathered once for all topics.
struct CatalogueFacts {
    std::string pressure = UnitCount("pressure");
    std::string massFlow = UnitCount("mass-flow");
    std::string volumeFlow = UnitCount("volume-flow");
    std::string temperatureUnits = TemperatureUnits();
    std::string thermocouples = SensorTypes(sensors::SensorFamily::Thermocouple);
    std::string rtds = SensorTypes(sensors::SensorFamily::Rtd);
    std::string categories = std::to_string(kCategoryCount);
    std::string categoryNames = CategoryNames();

    std::string TopicText(std::string_view textId) const {
        const std::array<texts::FillInValue, 9> values = {{
            {"pressure", pressure},
            {"mass-flow", massFlow},
            {"volume-flow", volumeFlow},
            {"temperature-units", temperatureUnits},
            {"thermocouples", thermocouples},
            {"rtds", rtds},
            {"categories", categories},
            {"category-names", categoryNames},
            {"out-of-range", texts::Lookup(sensors::kOutOfRangeTextId)},
        }};
        return texts::FillIn(texts::Lookup(textId), values);
    }
};

// How the window's texts are set: the height of a line in dialog units, and
// how the lines are broken.
struct Setting {
    int line;
    std::function<std::string(std::string_view)> breakLines;
};

Setting SettingOf(std::string_view face) {
    if (texts::CurrentLanguage() == texts::Language::Chinese) {
        return {kChineseLine, [](std::string_view text) { return BreakLines(text, kColumns); }};
    }
    const fw::DialogBaseUnits units = fw::BaseUnitsForFont(face, kFontPointSize);
    const QFontMetrics metrics(fw::MakeFont(face, fw::PointsToPixels(kFontPointSize)));
    // A line's height rounded up to whole dialog units, and a few pixels to
    // spare at the end of the widest line.
    const int line = (metrics.lineSpacing() * 8 + units.y - 1) / units.y;
    const int limit = units.toPixelsX(kWidth - 2 * kTextInset) - 6;
    return {line, [metrics, limit](std::string_view text) {
                return BreakLines(text, limit, [&metrics](std::string_view part) {
                    return metrics.horizontalAdvance(fw::Utf8(part));
                });
            }};
}

int BoxHeight(int lines, int line) {
    return kCaptionRoom + lines * line + kBottomRoom;
}

void BuildHelpWindow(BuiltTemplate& built) {
    const fw::TemplateText face = TextId("font.dialog");
    const Setting setting = SettingOf(face.Resolve());
    const CatalogueFacts facts;
    std::vector<ControlTemplate> topics;
    int top = kFirstTop;
    for (const Topic& topic : kTopics) {
        const std::string_view text = built.Keep(setting.breakLines(facts.TopicText(topic.textId)));
        const int lines = LineCount(text);
        // Each text lies over its frame.
        topics.push_back({kNoId,
                          ControlKind::Label,
                          text,
                          {kLeft + kTextInset, top + kCaptionRoom, kWidth - 2 * kTextInset,
                           lines * setting.line}});
        topics.push_back({kNoId,
                          ControlKind::GroupBox,
                          TextId(topic.captionTextId),
                          {kLeft, top, kWidth, BoxHeight(lines, setting.line)}});
        top += BoxHeight(lines, setting.line) + kGap;
    }
    const int buttonsTop = top - kGap + 6;

    // The buttons come first: the close button takes the focus when the
    // window opens. The others are captioned when it opens.
    built.controls = {
        {IDC_HELP_CLOSE,
         ControlKind::DefPushButton,
         TextId("help.ok"),
         {kLeft + kWidth - kCloseWidth, buttonsTop, kCloseWidth, kButtonHeight},
         kStyleTabStop},
        {IDC_HELP_ABOUT,
         ControlKind::PushButton,
         "",
         {kLeft + kWidth - kCloseWidth - kButtonGap - kAboutWidth, buttonsTop, kAboutWidth,
          kButtonHeight},
         kStyleTabStop},
        {IDC_HELP_INSTRUMENTS,
         ControlKind::PushButton,
         "",
         {kLeft + kWidth - kCloseWidth - kAboutWidth - kInstrumentsWidth - 2 * kButtonGap,
          buttonsTop, kInstrumentsWidth, kButtonHeight},
         kStyleTabStop},
        {IDC_HELP_STEAM,
         ControlKind::PushButton,
         "",
         {kLeft, buttonsTop, kSteamWidth, kButtonHeight},
         kStyleTabStop},
        {IDC_HELP_FLOWMETER,
         ControlKind::PushButton,
         "",
         {kLeft + kSteamWidth + kButtonGap, buttonsTop, kFlowMeterWidth, kButtonHeight},
         kStyleTabStop},
    };
    built.controls.insert(built.controls.end(), topics.begin(), topics.end());

    // A caption bar with the close box, a fixed frame, no minimise box and no
    // task-bar button of its own: it belongs to the window it was opened over.
    built.dialog = fw::DialogTemplate{
        IDD_HELP, TextId("help.title"), kWindowWidth,    buttonsTop + kButtonHeight + 6,
        face,     kFontPointSize,       fw::kDialogNone, {}};
}

} // namespace

const fw::DialogTemplate& HelpWindowTemplate() {
    return TemplateInLanguage([](BuiltTemplate& built) { BuildHelpWindow(built); });
}

} // namespace velmaro::res
