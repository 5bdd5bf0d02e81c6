#include "panels.h"

#include "convert/quantities.h"
#include "res/category_table.h"

#include <algorithm>
#include <string>
#include <vector>

namespace velmaro::web {

// The sections follow the main window's button row from left to right, and
// each is titled as its dialog: both from the windows' own category table.
void WriteCategories(PageHtml& html) {
    html.JumpTarget("categories", "panel.categories");
    html << "<section class=\"categories\" id=\"categories\" "
            "aria-labelledby=\"categories-title\">\n<h2 id=\"categories-title\">";
    html.TextOf("panel.categories") << "</h2>\n<div id=\"category-list\">\n";

    std::vector<const res::Category*> row;
    for (const res::Category& category : res::kCategories) {
        row.push_back(&category);
    }
    std::sort(row.begin(), row.end(), [](const res::Category* a, const res::Category* b) {
        return a->buttonRect.x < b->buttonRect.x;
    });
    for (const res::Category* category : row) {
        const Quantity* quantity = FindQuantity(*category->dialog.group);
        if (quantity == nullptr) {
            html.Problem("no quantity for the dialog " + std::string(category->dialog.titleTextId));
            continue;
        }
        const std::string id = "category-" + std::string(quantity->id);
        // The section is named by its dialog's title, also while folded.
        const std::string_view title = html.Text(category->dialog.titleTextId);
        html << R"(<details class="category" id=")" << id << "\" aria-label=\"";
        html.Escaped(title) << "\">\n<summary>";
        html.TextOf(QuantityTextId(*quantity)) << "</summary>\n<h3>";
        html.Escaped(title) << "</h3>\n";
        html.UnitFields(quantity->id);
        html << "</details>\n";
    }
    html << "</div>\n</section>\n";
}

} // namespace velmaro::web
