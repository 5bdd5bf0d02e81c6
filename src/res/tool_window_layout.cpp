#include "res/tool_window_layout.h"

#include "res/texts/texts.h"
#include "tools/field_units.h"

#include <algorithm>

namespace velmaro::res {
namespace {

bool OnWindow(unsigned faces) {
    return (faces & tools::kWindow) != 0U;
}

// Whether the window offers `field`'s units in a list of its own.
bool HasUnitList(const tools::Tool& tool, const tools::Field& field) {
    return field.unitFrom.empty() && OnWindow(field.unitFaces) &&
           tools::OfferedUnits(tool, field).size() > 1;
}

// The items of a tool without an order of its own: each field with its unit
// list and the lists that follow it, then the other lists.
std::vector<ToolItem> ImpliedItems(const tools::Tool& tool) {
    std::vector<ToolItem> items;
    std::vector<bool> placed(tool.choices.size(), false);
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        const tools::Field& field = tool.fields[i];
        if (!OnWindow(field.faces)) {
            continue;
        }
        items.push_back({ToolPart::Field, i});
        if (HasUnitList(tool, field)) {
            items.push_back({ToolPart::UnitList, i});
        }
        for (std::size_t c = 0; c < tool.choices.size(); ++c) {
            if (!placed[c] && OnWindow(tool.choices[c].faces) &&
                tool.choices[c].follows == field.id) {
                items.push_back({ToolPart::ChoiceList, c});
                placed[c] = true;
            }
        }
    }
    for (std::size_t c = 0; c < tool.choices.size(); ++c) {
        if (!placed[c] && OnWindow(tool.choices[c].faces)) {
            items.push_back({ToolPart::ChoiceList, c});
        }
    }
    return items;
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
    if (tool.order.empty()) {
        return ImpliedItems(tool);
    }
    constexpr std::string_view kUnitSuffix = ":unit";
    std::vector<ToolItem> items;
    for (const std::string_view id : tool.order) {
        if (id.ends_with(kUnitSuffix)) {
            const std::string_view field = id.substr(0, id.size() - kUnitSuffix.size());
            items.push_back({ToolPart::UnitList, tools::FieldAt(tool, field)});
        } else if (const auto field = tools::FieldIndex(tool, id)) {
            items.push_back({ToolPart::Field, *field});
        } else {
            items.push_back({ToolPart::ChoiceList, tools::ChoiceAt(tool, id)});
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
