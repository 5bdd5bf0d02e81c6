#include "res/tool_window_layout.h"

#include "res/texts/texts.h"
#include "tools/layout.h"

#include <algorithm>

namespace velmaro::res {
std::string_view ToolWindowText(std::string_view id) {
    return texts::Lookup(id);
}

std::string_view EntryText(const tools::Entry& entry) {
    return entry.textId.empty() ? entry.Shown() : ToolWindowText(entry.textId);
}

std::vector<std::size_t> WindowModes(const tools::Tool& tool) {
    std::vector<std::size_t> modes;
    for (std::size_t i = 0; i < tool.modes.size(); ++i) {
        if (tools::OnFace(tool.modes[i].faces, tools::kWindow)) {
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

std::string_view NameTextId(const tools::Tool& tool, ToolPart part, std::size_t index) {
    switch (part) {
    case ToolPart::Field:
    case ToolPart::Result:
        return tool.fields[index].labelTextId;
    case ToolPart::UnitList: {
        const tools::Field& field = tool.fields[index];
        return field.unitLabelTextId.empty() ? field.labelTextId : field.unitLabelTextId;
    }
    case ToolPart::ChoiceList:
        return tool.choices[index].labelTextId;
    case ToolPart::ModeList:
        return tool.modeLabelTextId;
    default:
        return {};
    }
}

} // namespace velmaro::res
