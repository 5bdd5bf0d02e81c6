#include "res/category_table.h"

#include "res/texts/texts.h"

namespace velmaro::res {

std::string CategoryCaptionTextId(const Category& category) {
    const Quantity* quantity = FindQuantity(*category.dialog.group);
    return quantity != nullptr ? QuantityTextId(*quantity) : std::string();
}

std::string_view CategoryCaption(const Category& category) {
    const std::string id = CategoryCaptionTextId(category);
    return id.empty() ? std::string_view() : texts::Lookup(id);
}

} // namespace velmaro::res
