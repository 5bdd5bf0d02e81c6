#include "res/texts/texts.h"

#include <map>

namespace velmaro::texts {

std::string_view Lookup(std::string_view id) {
    static const std::map<std::string_view, std::string_view, std::less<>> kById = [] {
        std::map<std::string_view, std::string_view, std::less<>> byId;
        for (const Text& text : ChineseTexts()) {
            byId.emplace(text.id, text.text);
        }
        return byId;
    }();
    const auto found = kById.find(id);
    return found == kById.end() ? std::string_view() : found->second;
}

std::string_view QuantityName(const Quantity& quantity) {
    return Lookup(QuantityTextId(quantity));
}

std::string_view UnitLabel(const Quantity& quantity, std::size_t unit) {
    return Lookup(UnitTextId(quantity, unit));
}

std::string_view UnitLabel(const FieldGroup& group, std::size_t unit) {
    const Quantity* quantity = FindQuantity(group);
    return quantity != nullptr ? UnitLabel(*quantity, unit) : std::string_view();
}

} // namespace velmaro::texts
