#include "tools/tool.h"

#include <stdexcept>

namespace velmaro::tools {

std::optional<std::size_t> FieldIndex(const Tool& tool, std::string_view id) {
    for (std::size_t i = 0; i < tool.fields.size(); ++i) {
        if (tool.fields[i].id == id) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> ChoiceIndex(const Tool& tool, std::string_view id) {
    for (std::size_t i = 0; i < tool.choices.size(); ++i) {
        if (tool.choices[i].id == id) {
            return i;
        }
    }
    return std::nullopt;
}

std::string_view ColumnTextId(const Tool& tool, std::string_view id) {
    for (const Entry& column : tool.columns) {
        if (column.id == id) {
            return column.textId;
        }
    }
    return {};
}

std::string_view UnitListField(std::string_view id) {
    constexpr std::string_view kUnit = ":unit";
    return id.ends_with(kUnit) ? id.substr(0, id.size() - kUnit.size()) : std::string_view();
}

std::size_t FieldAt(const Tool& tool, std::string_view id) {
    if (const auto index = FieldIndex(tool, id)) {
        return *index;
    }
    throw std::logic_error("a tool names a field it does not have");
}

std::size_t ChoiceAt(const Tool& tool, std::string_view id) {
    if (const auto index = ChoiceIndex(tool, id)) {
        return *index;
    }
    throw std::logic_error("a tool names a list it does not have");
}

} // namespace velmaro::tools
