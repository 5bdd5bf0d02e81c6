#include "categories/category_dialogs.h"

#include <array>
#include <cstddef>
#include <utility>

namespace velmaro {
namespace {

template <int TemplateId> void RunDialog() {
    CCategoryDialogOf<TemplateId> dialog;
    dialog.DoModal(); // what the run returns means nothing
}

// One runner per row of the category table, in its order.
template <std::size_t... Row>
constexpr std::array<void (*)(), sizeof...(Row)> MakeRunners(std::index_sequence<Row...>) {
    return {&RunDialog<res::kCategories[Row].dialog.templateId>...};
}

constexpr auto kRunners = MakeRunners(std::make_index_sequence<res::kCategoryCount>{});

} // namespace

void RunCategoryDialog(const res::Category& category) {
    for (std::size_t row = 0; row < res::kCategoryCount; ++row) {
        if (&res::kCategories[row] == &category) {
            kRunners[row]();
            return;
        }
    }
}

} // namespace velmaro
