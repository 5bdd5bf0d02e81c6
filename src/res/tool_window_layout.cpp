#include "res/tool_window_layout.h"

#include "instruments/instrument_fault.h"
#include "res/texts/chinese_tool_texts.h"
#include "res/texts/texts.h"
#include "tools/layout.h"

#include <algorithm>

namespace velmaro::res {
namespace {

// An instrument fault without its text stops the build here, not a person at
// the window.
constexpr bool EveryFaultHasItsText() {
    using instruments::Fault;
    for (int f = static_cast<int>(Fault::OutOfRange);
         f <= static_cast<int>(instruments::kLastFault); ++f) {
        texts::ToolText(instruments::FaultTextId(static_cast<Fault>(f)));
    }
    return true;
}
static_assert(EveryFaultHasItsText());

bool OnWindow(unsigned faces) {
    return (faces & tools::kWindow) != 0U;
}

} // namespace

std::string_view ToolWindowText(std::string_view id) {
    return texts::Lookup(id);
}

std::string_view EntryText(const tools::Entry& entry) {
    return entry.textId.empty() ? entry.Shown() : ToolWindowText(entry.textId);
}

std::vector<std::size_t> WindowModes(const tools::Tool& tool) {
    std::vector<std::size_t> modes;
    for (std::size_t i = 0; i < tool.modes.size(); ++i) {
        if (OnWindow(tool.modes[i].faces)) {
            modes.push_back(i);
        }
    }
    return modes;
}

std::vector<ToolItem> WindowItems(const tools::Tool& tool) {
    std::vector<ToolItem> items;
    for (const tools::Row& row : tools::Layout(tool, tools::kWindow)) {
        switch (row.kind) {
        case tools::Row::Kind::Field:
            items.push_back({ToolPart::Field, row.index});
            break;
        case tools::Row::Kind::Units:
            items.push_back({ToolPart::UnitList, row.index});
            break;
        case tools::Row::Kind::Choice:
            items.push_back({ToolPart::ChoiceList, row.index});
            break;
        case tools::Row::Kind::Modes:
            break; // the window lays its mode list out itself
        }
    }
    return items;
}

std::string_view NameOf(const tools::Tool& tool, ToolPart part, std::size_t index) {
    switch (part) {
    case ToolPart::Field:
    case ToolPart::Result:
        return ToolWindowText(tool.fields[index].labelTextId);
    case ToolPart::UnitList: {
        const tools::Field& field = tool.fields[index];
        return ToolWindowText(field.unitLabelTextId.empty() ? field.labelTextId
                                                            : field.unitLabelTextId);
    }
    case ToolPart::ChoiceList:
        return ToolWindowText(tool.choices[index].labelTextId);
    case ToolPart::ModeList:
        return ToolWindowText(tool.modeLabelTextId);
    default:
        return {};
    }
}

} // namespace velmaro::res
