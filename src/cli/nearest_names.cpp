#include "cli/nearest_names.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace velmaro::cli {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t replace = diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, replace});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return Lower(x) == Lower(y); });
}

std::vector<std::string> NearestNames(std::string_view typed, const std::vector<std::string>& names,
                                      std::size_t count) {
    const std::size_t reach = std::max<std::size_t>(2, typed.size() / 2);
    struct Scored {
        std::size_t distance;
        std::size_t order;
    };
    std::vector<Scored> near;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::size_t distance = EditDistance(typed, names[i]);
        if (distance <= reach) {
            near.push_back({distance, i});
        }
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const Scored& a, const Scored& b) { return a.distance < b.distance; });
    std::vector<std::string> nearest;
    for (std::size_t i = 0; i < near.size() && nearest.size() < count; ++i) {
        const std::string& name = names[near[i].order];
        if (std::find(nearest.begin(), nearest.end(), name) == nearest.end()) {
            nearest.push_back(name);
        }
    }
    return nearest;
}

std::string JoinNames(const std::vector<std::string>& names, std::string_view lastJoin) {
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            joined += i + 1 == names.size() ? lastJoin : std::string_view(", ");
        }
        joined += names[i];
    }
    return joined;
}

std::string NearestTail(std::string_view typed, const std::vector<std::string>& names) {
    const std::vector<std::string> nearest = NearestNames(typed, names);
    return nearest.empty() ? std::string() : "; nearest: " + JoinNames(nearest);
}

} // namespace velmaro::cli
