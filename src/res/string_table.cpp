#include "res/string_table.h"

#include "res/resource_ids.h"

namespace velmaro::res {
namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

constexpr StringEntry kStrings[] = {
    {IDS_ABOUTBOX, "关于 Velmaro(&A)..."},
};

} // namespace

std::string_view LoadStringResource(int id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return {};
}

} // namespace velmaro::res
