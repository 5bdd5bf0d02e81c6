// The templates of the category dialogs in each language: what each holds, in
// which order, and that the frame's rectangles keep the fields, labels and
// footer apart and inside their black frames.

#include "categories/category_frame.h"
#include "categories/category_templates.h"
#include "res/category_table.h"
#include "res/language.h"
#include "res/maker_details.h"
#include "res/texts/texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace velmaro::dialogs {
namespace {

using fw::ControlKind;
using fw::ControlTemplate;
using fw::DuRect;

bool Inside(const DuRect& inner, const DuRect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

bool Overlap(const DuRect& a, const DuRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

using Controls = std::span<const ControlTemplate>;

std::vector<const ControlTemplate*> OfKind(Controls controls, ControlKind kind) {
    std::vector<const ControlTemplate*> found;
    for (const ControlTemplate& control : controls) {
        if (control.kind == kind) {
            found.push_back(&control);
        }
    }
    return found;
}

std::string TextOf(const ControlTemplate& control) {
    return std::string(control.text.Resolve());
}

// Every dialog in every language.
class CategoryTemplates
    : public ::testing::TestWithParam<std::tuple<const res::CategoryLayout*, texts::Language>> {
protected:
    void SetUp() override { res::UseLanguage(std::get<1>(GetParam())); }
    const res::CategoryLayout& layout() const { return *std::get<0>(GetParam()); }
    Controls controls() const { return CategoryDialogTemplate(layout()).controls; }
};

TEST_P(CategoryTemplates, DialogCarriesTheLayoutsIdTitleSizeAndSystemFont) {
    const res::CategoryLayout& layout = this->layout();
    const fw::DialogTemplate& dialog = CategoryDialogTemplate(layout);
    EXPECT_EQ(dialog.id, layout.templateId);
    EXPECT_EQ(dialog.title.Resolve(), texts::Lookup(layout.titleTextId));
    EXPECT_EQ(dialog.width, layout.width);
    EXPECT_EQ(dialog.height, layout.height);
    EXPECT_EQ(dialog.fontFace.Resolve(), "System");
    EXPECT_EQ(dialog.fontPointSize, 10);
    // Asked again, the same template: it is built once per language.
    EXPECT_EQ(&CategoryDialogTemplate(layout), &dialog);
}

TEST_P(CategoryTemplates, UnitFieldsComeFirstInTabOrderEachFollowedByItsLabel) {
    const res::CategoryLayout& layout = this->layout();
    const Controls controls = this->controls();
    const std::size_t n = layout.fields.size();
    ASSERT_GE(controls.size(), 2 * n);
    for (const res::FieldPlace& place : layout.fields) {
        const std::size_t at = 2 * static_cast<std::size_t>(place.tabPosition - 1);
        SCOPED_TRACE(place.controlId);
        EXPECT_EQ(controls[at].id, place.controlId);
        EXPECT_EQ(controls[at].kind, ControlKind::Edit);
        EXPECT_NE(controls[at].style & fw::kStyleTabStop, 0u);
        const auto unit = static_cast<std::size_t>(&place - layout.fields.data());
        EXPECT_EQ(controls[at + 1].kind, ControlKind::Label);
        EXPECT_EQ(controls[at + 1].text.Resolve(), texts::UnitLabel(*layout.group, unit));
        // The label stands to the right of its field, on the same line.
        const DuRect& edit = controls[at].rect;
        const DuRect& label = controls[at + 1].rect;
        EXPECT_GE(label.x, edit.x + edit.width);
        EXPECT_LE(label.y, edit.y + edit.height / 2);
        EXPECT_GE(label.y + label.height, edit.y + edit.height / 2);
        EXPECT_EQ(edit.height, 12);
    }
    // No other control takes the focus.
    for (std::size_t i = 2 * n; i < controls.size(); ++i) {
        EXPECT_TRUE(controls[i].kind != ControlKind::Edit);
        if ((controls[i].style & fw::kStyleTabStop) != 0) {
            EXPECT_NE(controls[i].style & fw::kStyleHidden, 0u);
        }
    }
}

TEST_P(CategoryTemplates, HoldsOneHiddenDefaultButtonNearTheTopAndTheCaption) {
    const res::CategoryLayout& layout = this->layout();
    const Controls controls = this->controls();
    const auto buttons = OfKind(controls, ControlKind::DefPushButton);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(buttons[0]->id, 1053);
    EXPECT_EQ(buttons[0]->text.Resolve(), "Button1");
    EXPECT_NE(buttons[0]->style & fw::kStyleHidden, 0u);
    EXPECT_LE(buttons[0]->rect.y, 4);
    EXPECT_TRUE(OfKind(controls, ControlKind::PushButton).empty());

    const auto labels = OfKind(controls, ControlKind::Label);
    const auto caption = std::find_if(labels.begin(), labels.end(), [&](const auto* label) {
        return label->text.Resolve() == texts::Lookup(layout.titleTextId);
    });
    ASSERT_NE(caption, labels.end());
    EXPECT_NE((*caption)->style & fw::kStyleCentred, 0u);
    // Centred over the whole width, above the unit area.
    EXPECT_EQ((*caption)->rect.x + (*caption)->rect.width / 2, layout.width / 2);
    EXPECT_LT((*caption)->rect.y + (*caption)->rect.height, frame::kUnitAreaTop + 1);
}

TEST_P(CategoryTemplates, FramesHoldTheUnitsAndTheFooterApart) {
    const res::CategoryLayout& layout = this->layout();
    const Controls controls = this->controls();
    const auto frames = OfKind(controls, ControlKind::BlackFrame);
    ASSERT_EQ(frames.size(), 2u);
    // Frames come last: they lie beneath everything they surround.
    EXPECT_EQ(&controls[controls.size() - 2], frames[0]);
    EXPECT_EQ(&controls.back(), frames[1]);
    const DuRect units = frames[0]->rect;
    const DuRect footer = frames[1]->rect;
    const DuRect dialog{0, 0, layout.width, layout.height};
    EXPECT_TRUE(Inside(units, dialog));
    EXPECT_TRUE(Inside(footer, dialog));
    EXPECT_FALSE(Overlap(units, footer));
    EXPECT_LT(units.y + units.height, footer.y);

    const std::size_t n = layout.fields.size();
    for (std::size_t i = 0; i < 2 * n; ++i) {
        EXPECT_TRUE(Inside(controls[i].rect, units)) << TextOf(controls[i]);
    }
    const auto bitmaps = OfKind(controls, ControlKind::Bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0]->resource, 186);
    // 114 x 41 pixels at 2 pixels per unit, at the bottom left.
    EXPECT_TRUE(Inside({bitmaps[0]->rect.x, bitmaps[0]->rect.y, 57, 21}, footer));
    EXPECT_LT(bitmaps[0]->rect.x, layout.width / 4);

    std::vector<const ControlTemplate*> footerTexts;
    for (const auto* label : OfKind(controls, ControlKind::Label)) {
        if (label->rect.y >= footer.y) {
            footerTexts.push_back(label);
            EXPECT_TRUE(Inside(label->rect, footer)) << TextOf(*label);
            EXPECT_GE(label->rect.x, bitmaps[0]->rect.x + 57) << TextOf(*label);
        }
    }
    ASSERT_EQ(footerTexts.size(), 4u);
    EXPECT_EQ(footerTexts[0]->text.Resolve(), texts::Lookup("contact.phone"));
    EXPECT_EQ(footerTexts[1]->text.Resolve(), res::kMakerPhone);
    EXPECT_EQ(footerTexts[2]->text.Resolve(), texts::Lookup("contact.fax"));
    EXPECT_EQ(footerTexts[3]->text.Resolve(), res::kMakerFax);
    // Each number follows its caption on the same line; the lines stack.
    EXPECT_EQ(footerTexts[0]->rect.y, footerTexts[1]->rect.y);
    EXPECT_EQ(footerTexts[2]->rect.y, footerTexts[3]->rect.y);
    EXPECT_GE(footerTexts[2]->rect.y, footerTexts[0]->rect.y + footerTexts[0]->rect.height);
}

TEST_P(CategoryTemplates, NoTwoVisibleControlsOverlap) {
    const Controls controls = this->controls();
    std::vector<const ControlTemplate*> shown;
    for (const ControlTemplate& control : controls) {
        if (control.kind != ControlKind::BlackFrame && (control.style & fw::kStyleHidden) == 0) {
            shown.push_back(&control);
        }
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            EXPECT_FALSE(Overlap(shown[i]->rect, shown[j]->rect))
                << TextOf(*shown[i]) << " / " << TextOf(*shown[j]) << " (" << shown[i]->id << ", "
                << shown[j]->id << ")";
        }
    }
}

TEST_P(CategoryTemplates, ColumnsAreAlignedAndRowsEvenlySpaced) {
    const res::CategoryLayout& layout = this->layout();
    const Controls controls = this->controls();
    std::map<res::Column, std::map<int, DuRect>> rowsByColumn;
    for (const res::FieldPlace& place : layout.fields) {
        const auto edit = std::find_if(controls.begin(), controls.end(), [&](const auto& c) {
            return c.kind == ControlKind::Edit && c.id == place.controlId;
        });
        ASSERT_NE(edit, controls.end());
        rowsByColumn[place.column][place.row] = edit->rect;
    }
    std::set<int> columnLefts;
    for (const auto& [column, rows] : rowsByColumn) {
        const DuRect first = rows.begin()->second;
        columnLefts.insert(first.x);
        int pitch = -1;
        int previousY = -1;
        for (const auto& [row, rect] : rows) {
            EXPECT_EQ(rect.x, first.x);
            EXPECT_EQ(rect.width, first.width);
            if (previousY >= 0) {
                if (pitch < 0) {
                    pitch = rect.y - previousY;
                }
                EXPECT_EQ(rect.y - previousY, pitch) << row;
            }
            previousY = rect.y;
        }
        EXPECT_GE(pitch == -1 ? frame::kEditHeight : pitch, frame::kEditHeight + 2);
    }
    const bool single = rowsByColumn.contains(res::Column::Single);
    EXPECT_EQ(columnLefts.size(), single ? 1u : 2u);
    if (!single) {
        // The left column at the left edge, the right one near the middle.
        EXPECT_LE(rowsByColumn[res::Column::Left].begin()->second.x, 10);
        const int rightX = rowsByColumn[res::Column::Right].begin()->second.x;
        EXPECT_LE(std::abs(rightX - layout.width / 2), layout.width / 10);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, CategoryTemplates,
                         ::testing::Combine(::testing::ValuesIn(res::kCategoryLayouts),
                                            ::testing::ValuesIn(texts::kLanguages)),
                         [](const auto& info) {
                             return "Template" +
                                    std::to_string(std::get<0>(info.param)->templateId) + "_" +
                                    std::string(texts::LanguageCode(std::get<1>(info.param)));
                         });

TEST(EstimatedTextWidth, IsNeverBelowTheWidthOfTheSystemStandIn) {
    // Advances of the System stand-in face at 13 pixels, in pixels, rounded
    // up; the estimate is in dialog units of 2 pixels.
    const std::pair<const char*, int> measured[] = {
        {"BTU/(ft2.s.°F)", 81}, {"kcal/(m2.h.℃)", 86}, {"kcal/(cm.s.K)", 79},
        {"short t(US)", 66},    {"lb/gal[US]", 61},    {"市尺2", 34},
        {"联系电话：", 65},     {"0571-5550100", 84},  {"传热系数单位转换", 104},
    };
    for (const auto& [text, pixels] : measured) {
        EXPECT_GE(2 * EstimatedTextWidth(text), pixels) << text;
        EXPECT_LE(2 * EstimatedTextWidth(text), pixels + 24) << text;
    }
}

} // namespace
} // namespace velmaro::dialogs
