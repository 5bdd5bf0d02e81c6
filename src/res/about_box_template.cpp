#include "res/about_box_template.h"

#include "res/joined_text.h"
#include "res/maker_details.h"
#include "res/resource_ids.h"

#include <iterator>

namespace velmaro::res {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::kNoId;
using fw::kStyleNone;

// Captions of the contact lines. The two-character captions are spread with
// one ideographic space (U+3000) in each gap, so that they fill the width of
// the four-character ones above them and the values line up.
constexpr std::string_view kCompanyCaption = "公司名称：";
constexpr std::string_view kAddressCaption = "联系地址：";
constexpr std::string_view kPhoneCaption = "联系电话：";
constexpr std::string_view kFaxCaption = "传\u3000\u3000真：";
constexpr std::string_view kPostCodeCaption = "邮\u3000\u3000编：";
// The telephone and fax lines end in one blank, as the box has always shown them.
constexpr std::string_view kTrailingBlank = " ";

// Every control in template order; none has an id. Rectangles are dialog
// units: x, y, width, height.
constexpr ControlTemplate kControls[] = {
    /* 1 */ {kNoId, ControlKind::Bitmap, "", {5, 8, 99, 47}, kStyleNone, IDB_LOGO_ABOUT},
    /* 2 */
    {kNoId, ControlKind::Label, kJoined<kCompanyCaption, kMakerCompanyName>, {115, 11, 137, 10}},
    /* 3 */
    {kNoId, ControlKind::Label, kJoined<kAddressCaption, kMakerPostalAddress>, {115, 23, 137, 10}},
    /* 4 */
    {kNoId,
     ControlKind::Label,
     kJoined<kPhoneCaption, kMakerPhone, kTrailingBlank>,
     {115, 36, 137, 10}},
    /* 5 */
    {kNoId,
     ControlKind::Label,
     kJoined<kFaxCaption, kMakerFax, kTrailingBlank>,
     {115, 48, 137, 10}},
    /* 6 */
    {kNoId, ControlKind::Label, kJoined<kPostCodeCaption, kMakerPostCode>, {115, 59, 137, 10}},
    /* 7 */ {kNoId, ControlKind::GroupBox, "", {108, 1, 150, 74}},
};

static_assert(std::size(kControls) == 7);

} // namespace

// A caption bar with the close box, a fixed frame, no minimise box and no
// task-bar button of its own: it belongs to the main window.
constexpr fw::DialogTemplate kAboutBoxTemplate{
    IDD_ABOUTBOX, "关于 TharnixV1.0", 267, 83, "宋体", 9, fw::kDialogNone, kControls,
};

} // namespace velmaro::res
