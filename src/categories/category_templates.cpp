#include "categories/category_templates.h"

#include "categories/category_frame.h"
#include "res/built_template.h"
#include "res/maker_details.h"
#include "res/text_lines.h"
#include "res/texts/texts.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <memory>

namespace velmaro::dialogs {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::DuRect;

// Pixel advances of the "System" stand-in face at 13 pixels, rounded up per
// character class: narrow punctuation and thin letters, wide letters, other
// Latin characters, and everything else (Chinese, the degree signs, μ),
// which is one em.
int EstimatedAdvancePixels(char32_t c) {
    constexpr std::u32string_view kNarrow = U" .,:;'|!()[]/-ilIjft1";
    constexpr std::u32string_view kWide = U"mwMW@%";
    if (c >= 0x80) {
        return 26; // half pixels
    }
    if (kNarrow.find(c) != std::u32string_view::npos) {
        return 9;
    }
    if (kWide.find(c) != std::u32string_view::npos) {
        return 25;
    }
    return 16;
}

struct ColumnPlan {
    int left;      // x of the edits
    int editWidth; // width of every edit
    int labelWidth;
};

// Both columns share one edit width, as wide as the labels of both leave
// room for. The right column starts just past the middle of the dialog, or
// further left where its labels would otherwise run into the frame.
std::array<ColumnPlan, 2> PlanColumns(const res::CategoryLayout& layout, int leftLabelWidth,
                                      int rightLabelWidth) {
    const int leftX = frame::kMargin + frame::kColumnInset;
    const int rightEnd = layout.width - frame::kMargin - frame::kColumnInset;
    const int room = rightEnd - leftX - 2 * frame::kLabelGap - frame::kColumnSpacing -
                     leftLabelWidth - rightLabelWidth;
    const int editWidth = std::min(frame::kMaxEditWidth, room / 2);
    const int leftEnd = leftX + editWidth + frame::kLabelGap + leftLabelWidth;
    const int rightX =
        std::max(leftEnd + frame::kColumnSpacing,
                 std::min(layout.width / 2 + frame::kColumnGap,
                          rightEnd - (editWidth + frame::kLabelGap + rightLabelWidth)));
    return {ColumnPlan{leftX, editWidth, leftLabelWidth},
            ColumnPlan{rightX, editWidth, rightLabelWidth}};
}

// One column centred in the unit area (the diffusion-coefficient and
// surface-tension dialogs).
ColumnPlan PlanSingleColumn(const res::CategoryLayout& layout, int labelWidth) {
    const int inner = layout.width - 2 * (frame::kMargin + frame::kColumnInset);
    const int editWidth = std::min(frame::kMaxEditWidth, inner - frame::kLabelGap - labelWidth);
    const int block = editWidth + frame::kLabelGap + labelWidth;
    return {(layout.width - block) / 2, editWidth, labelWidth};
}

int FooterTop(const res::CategoryLayout& layout) {
    return layout.height - frame::kMargin - frame::kFooterHeight;
}

DuRect UnitArea(const res::CategoryLayout& layout) {
    const int bottom = FooterTop(layout) - frame::kFrameGap;
    return {frame::kMargin, frame::kUnitAreaTop, layout.width - 2 * frame::kMargin,
            bottom - frame::kUnitAreaTop};
}

int RowsIn(const res::CategoryLayout& layout, res::Column column) {
    int rows = 0;
    for (const res::FieldPlace& place : layout.fields) {
        if (place.column == column) {
            rows = std::max(rows, place.row);
        }
    }
    return rows;
}

// Top of an edit in `row` (1 = top) of a column of `rows` fields: the rows
// share the unit area evenly, each edit centred in its share.
int RowTop(const DuRect& area, int rows, int row) {
    const int top = area.y + frame::kUnitAreaPadding;
    const int height = area.height - 2 * frame::kUnitAreaPadding;
    const int pitch = height / rows;
    const int slack = height - pitch * rows;
    return top + slack / 2 + (row - 1) * pitch + (pitch - frame::kEditHeight) / 2;
}

} // namespace

int EstimatedTextWidth(std::string_view text) {
    int halfPixels = 0;
    for (std::size_t i = 0; i < text.size();) {
        halfPixels += EstimatedAdvancePixels(res::NextCharacter(text, i));
    }
    // Half pixels to dialog units (2 pixels each), rounded up, and one unit
    // to spare at the end of the line.
    return (halfPixels + 3) / 4 + 1;
}

namespace {

void BuildCategoryDialog(const res::CategoryLayout& layout, res::BuiltTemplate& built) {
    const FieldGroup& group = *layout.group;
    const Quantity* quantity = FindQuantity(group);
    // The widest label of each column sets the width of all its labels.
    std::map<res::Column, int> labelWidth;
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        int& width = labelWidth[layout.fields[i].column];
        width = std::max(width, EstimatedTextWidth(texts::UnitLabel(group, i)));
    }
    const bool single = labelWidth.contains(res::Column::Single);
    const std::array<ColumnPlan, 2> columns =
        PlanColumns(layout, labelWidth[res::Column::Left], labelWidth[res::Column::Right]);
    const ColumnPlan singleColumn = PlanSingleColumn(layout, labelWidth[res::Column::Single]);
    const DuRect area = UnitArea(layout);

    // Unit fields in tab order, each followed by its label.
    std::vector<std::size_t> tabOrder(layout.fields.size());
    for (std::size_t i = 0; i < tabOrder.size(); ++i) {
        tabOrder[i] = i;
    }
    std::sort(tabOrder.begin(), tabOrder.end(), [&](std::size_t a, std::size_t b) {
        return layout.fields[a].tabPosition < layout.fields[b].tabPosition;
    });

    std::vector<ControlTemplate>& controls = built.controls;
    controls.reserve(2 * tabOrder.size() + 9);
    for (std::size_t index : tabOrder) {
        const res::FieldPlace& place = layout.fields[index];
        const ColumnPlan& column =
            single ? singleColumn : columns[place.column == res::Column::Left ? 0 : 1];
        const int top = RowTop(area, RowsIn(layout, place.column), place.row);
        controls.push_back({place.controlId, ControlKind::Edit, "",
                            DuRect{column.left, top, column.editWidth, frame::kEditHeight},
                            fw::kStyleTabStop | fw::kStyleGroup});
        const fw::TemplateText label = quantity != nullptr
                                           ? fw::TextId(built.Keep(UnitTextId(*quantity, index)))
                                           : fw::TemplateText();
        controls.push_back({fw::kNoId, ControlKind::Label, label,
                            DuRect{column.left + column.editWidth + frame::kLabelGap,
                                   top + (frame::kEditHeight - frame::kLabelHeight) / 2,
                                   column.labelWidth, frame::kLabelHeight}});
    }

    controls.push_back({frame::kDefaultButtonId, ControlKind::DefPushButton,
                        frame::kDefaultButtonText,
                        DuRect{frame::kDefaultButtonX, frame::kDefaultButtonY,
                               frame::kDefaultButtonWidth, frame::kDefaultButtonHeight},
                        fw::kStyleTabStop | fw::kStyleHidden});
    controls.push_back({fw::kNoId, ControlKind::Label, fw::TextId(layout.titleTextId),
                        DuRect{frame::kMargin, frame::kCaptionTop,
                               layout.width - 2 * frame::kMargin, frame::kCaptionHeight},
                        fw::kStyleCentred});

    const int footerTop = FooterTop(layout);
    controls.push_back({fw::kNoId, ControlKind::Bitmap, "",
                        DuRect{frame::kFooterBitmapX, footerTop + frame::kFooterBitmapTop,
                               frame::kFooterBitmapWidth, frame::kFooterBitmapHeight},
                        fw::kStyleNone, frame::kFooterBitmap});
    const std::array<std::string_view, 2> captions = {frame::kPhoneCaptionTextId,
                                                      frame::kFaxCaptionTextId};
    const std::array<std::string_view, 2> numbers = {res::kMakerPhone, res::kMakerFax};
    int captionWidth = 0;
    for (const std::string_view caption : captions) {
        captionWidth = std::max(captionWidth, EstimatedTextWidth(texts::Lookup(caption)));
    }
    for (std::size_t line = 0; line < captions.size(); ++line) {
        const int top = footerTop + frame::kFooterLineTop[line];
        controls.push_back({fw::kNoId, ControlKind::Label, fw::TextId(captions[line]),
                            DuRect{frame::kFooterTextX, top, captionWidth, frame::kLabelHeight}});
        controls.push_back({fw::kNoId, ControlKind::Label, numbers[line],
                            DuRect{frame::kFooterTextX + captionWidth, top,
                                   EstimatedTextWidth(numbers[line]), frame::kLabelHeight}});
    }

    controls.push_back({fw::kNoId, ControlKind::BlackFrame, "", area});
    controls.push_back({fw::kNoId, ControlKind::BlackFrame, "",
                        DuRect{frame::kMargin, footerTop, layout.width - 2 * frame::kMargin,
                               frame::kFooterHeight}});

    built.dialog = fw::DialogTemplate{
        layout.templateId, fw::TextId(layout.titleTextId), layout.width,    layout.height,
        frame::kFontFace,  frame::kFontPointSize,          fw::kDialogNone, {}};
}

} // namespace

const fw::DialogTemplate& CategoryDialogTemplate(const res::CategoryLayout& layout) {
    // Built on first use for each dialog in each language (a map's entries
    // stay where they are). Windows are made on the one GUI thread.
    using Key = std::pair<const res::CategoryLayout*, texts::Language>;
    static std::map<Key, std::unique_ptr<const res::BuiltTemplate>> built;
    return res::BuiltOnce(
        built[Key{&layout, texts::CurrentLanguage()}],
        [&layout](res::BuiltTemplate& made) { BuildCategoryDialog(layout, made); });
}

} // namespace velmaro::dialogs
