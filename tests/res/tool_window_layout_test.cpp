// Every tool laid out in either window style: ids that do not repeat, every
// control inside the window, and every field and list named by its label.
// A new tool is checked here before any window shows it.

#include "res/tool_window_layout.h"
#include "tools/tools.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace velmaro::res {
namespace {

void ExpectSound(const ToolWindowLayout& layout) {
    const fw::DialogTemplate& dialog = layout.dialogTemplate;
    EXPECT_EQ(dialog.controls.data(), layout.controls.data());
    std::set<int> ids;
    for (const fw::ControlTemplate& control : dialog.controls) {
        EXPECT_TRUE(control.id == fw::kNoId || ids.insert(control.id).second) << control.id;
        // A list's template height holds its opened list, which may reach
        // beyond the window.
        const int height = control.kind == fw::ControlKind::DropDownList ? 12 : control.rect.height;
        EXPECT_TRUE(control.rect.x >= 0 && control.rect.y >= 0 &&
                    control.rect.x + control.rect.width <= dialog.width &&
                    control.rect.y + height <= dialog.height)
            << control.id << " " << control.text.Written();
    }
    for (const ToolControl& part : layout.parts) {
        EXPECT_TRUE(ids.contains(part.id)) << part.id;
        const bool named = part.part == ToolPart::Field || part.part == ToolPart::UnitList ||
                           part.part == ToolPart::ChoiceList || part.part == ToolPart::ModeList;
        EXPECT_EQ(!part.nameTextId.empty(), named || part.part == ToolPart::Result) << part.id;
    }
}

TEST(ToolWindowLayout, EveryToolInEitherStyle) {
    for (const tools::Tool* tool : tools::AllTools()) {
        SCOPED_TRACE(tool->id);
        ExpectSound(ResultsTableLayout(*tool, {1, "steam.close", 1000, 2000, 100}));
        ExpectSound(ResultsTableLayout(*tool, {1, "steam.close", 1000, 2000, 100, 2, 4}));
        const std::array<ToolColumn, 1> column = {{{tool, 1000}}};
        ExpectSound(ToolColumnsLayout({1, "instrument.title", "instrument.close", 2, column}));
    }
}

} // namespace
} // namespace velmaro::res
