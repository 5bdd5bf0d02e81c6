#include "res/about_box_template.h"

#include "res/built_template.h"
#include "res/maker_details.h"
#include "res/resource_ids.h"

#include <string>
#include <string_view>

namespace velmaro::res {
namespace {

using fw::ControlKind;
using fw::kNoId;
using fw::kStyleNone;

// The contact lines: a caption (by text id) and one of the maker's details,
// the name and the address as texts of the language, the numbers as they
// are. The telephone and fax lines end in one blank, as the box has always
// shown them.
struct ContactLine {
    std::string_view captionTextId;
    std::string_view valueTextId; // or empty, and the value is:
    std::string_view value;
    std::string_view ending;
    fw::DuRect rect;
};

constexpr ContactLine kLines[] = {
    {"about.company", "maker.company", "", "", {115, 11, 137, 10}},
    {"about.address", "maker.address", "", "", {115, 23, 137, 10}},
    {"about.phone", "", kMakerPhone, " ", {115, 36, 137, 10}},
    {"about.fax", "", kMakerFax, " ", {115, 48, 137, 10}},
    {"about.post-code", "", kMakerPostCode, "", {115, 59, 137, 10}},
};

} // namespace

// A caption bar with the close box, a fixed frame, no minimise box and no
// task-bar button of its own: it belongs to the main window. Every control in
// template order, none with an id; rectangles in dialog units.
const fw::DialogTemplate& AboutBoxTemplate() {
    return TemplateInLanguage([](BuiltTemplate& built) {
        built.controls.push_back(
            {kNoId, ControlKind::Bitmap, "", {5, 8, 99, 47}, kStyleNone, IDB_LOGO_ABOUT});
        for (const ContactLine& line : kLines) {
            std::string text(texts::Lookup(line.captionTextId));
            text += line.valueTextId.empty() ? line.value : texts::Lookup(line.valueTextId);
            text += line.ending;
            built.controls.push_back({kNoId, ControlKind::Label, built.Keep(text), line.rect});
        }
        built.controls.push_back({kNoId, ControlKind::GroupBox, "", {108, 1, 150, 74}});
        built.dialog = fw::DialogTemplate{IDD_ABOUTBOX,
                                          fw::TextId("about.title"),
                                          267,
                                          83,
                                          fw::TextId("font.dialog"),
                                          9,
                                          fw::kDialogNone,
                                          {}};
    });
}

} // namespace velmaro::res
