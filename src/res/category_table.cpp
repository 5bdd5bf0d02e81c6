#include "res/category_table.h"

#include "convert/quantities.h"

namespace velmaro::res {

std::string_view CategoryCaption(const Category& category) {
    for (const Quantity& quantity : Quantities()) {
        if (quantity.group == category.dialog.group) {
            return quantity.caption;
        }
    }
    return {};
}

} // namespace velmaro::res
