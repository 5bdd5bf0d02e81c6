#include "res/string_table.h"

#include "res/resource_ids.h"
#include "res/texts/texts.h"

namespace velmaro::res {
namespace {

struct StringEntry {
    int id;
    std::string_view textId;
};

constexpr StringEntry kStrings[] = {
    {IDS_ABOUTBOX, "menu.about"},
};

} // namespace

std::string_view LoadStringResource(int id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) {
            return texts::Lookup(entry.textId);
        }
    }
    return {};
}

} // namespace velmaro::res
