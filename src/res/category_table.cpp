#include "res/category_table.h"

#include "res/texts/texts.h"

namespace velmaro::res {

std::string_view CategoryCaption(const Category& category) {
    for (const Quantity& quantity : Quantities()) {
        if (quantity.group == category.dialog.group) {
            return texts::QuantityName(quantity);
        }
    }
    return {};
}

} // namespace velmaro::res
