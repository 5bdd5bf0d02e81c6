#include "cli/unit_lookup.h"

#include "cli/cli_error.h"
#include "cli/nearest_names.h"
#include "res/texts/texts.h"

#include <algorithm>
#include <set>

namespace velmaro::cli {
namespace {

// A quantity by its id ("pressure") or by its name as the Chinese windows
// show it, or nullptr.
const Quantity* QuantityByIdOrName(std::string_view name) {
    if (const Quantity* quantity = FindQuantity(name)) {
        return quantity;
    }
    const auto quantities = Quantities();
    const auto named = std::ranges::find_if(quantities, [name](const Quantity& quantity) {
        return !name.empty() && texts::QuantityName(quantity) == name;
    });
    return named == quantities.end() ? nullptr : &*named;
}

struct UnitName {
    const Quantity* quantity; // the prefix, or nullptr
    std::string_view symbol;
};

// Splits "mass:lb"; a name without a known quantity before its first ':' is
// a symbol as it stands (no symbol holds a ':').
std::optional<UnitName> SplitName(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) {
        return UnitName{nullptr, text};
    }
    const Quantity* quantity = QuantityByIdOrName(text.substr(0, colon));
    if (quantity == nullptr) {
        return std::nullopt;
    }
    return UnitName{quantity, text.substr(colon + 1)};
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The units whose label, as the windows show it, is `name`: units whose
// Chinese label is their only name on the screen (the jin's) are typed that
// way too.
std::vector<UnitRef> UnitsLabelled(const Quantity* only, std::string_view name) {
    std::vector<UnitRef> found;
    for (const Quantity& quantity : Quantities()) {
        for (std::size_t i = 0; i < quantity.group->size(); ++i) {
            if ((only == nullptr || only == &quantity) && !name.empty() &&
                Trimmed(texts::UnitLabel(quantity, i)) == name) {
                found.push_back({&quantity, i});
            }
        }
    }
    return found;
}

std::vector<UnitRef> Candidates(const UnitName& name) {
    std::vector<UnitRef> units = name.quantity != nullptr ? UnitsNamed(*name.quantity, name.symbol)
                                                          : UnitsNamed(name.symbol);
    return units.empty() ? UnitsLabelled(name.quantity, name.symbol) : units;
}

// The symbols that name units of more than one quantity, found once.
const std::set<std::string_view>& SharedSymbols() {
    static const std::set<std::string_view> kShared = [] {
        std::set<std::string_view> seen;
        std::set<std::string_view> shared;
        for (const Quantity& quantity : Quantities()) {
            for (std::size_t i = 0; i < quantity.group->size(); ++i) {
                const std::string_view symbol = UnitRef{&quantity, i}.symbol();
                if (!seen.insert(symbol).second) {
                    shared.insert(symbol);
                }
            }
        }
        return shared;
    }();
    return kShared;
}

std::vector<std::string> QuantityNames() {
    std::vector<std::string> names;
    for (const Quantity& quantity : Quantities()) {
        names.emplace_back(quantity.id);
    }
    return names;
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

// Every spelling of every unit (of `only`, when given): the names a mistyped
// unit is compared with. A unit's symbol comes first, as it is to be typed;
// an alias that differs from a name before it only in case ("Kg") adds nothing.
std::vector<std::string> TypedNames(const Quantity* only) {
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const Quantity& quantity : Quantities()) {
        if (only != nullptr && only != &quantity) {
            continue;
        }
        for (std::size_t i = 0; i < quantity.group->size(); ++i) {
            const UnitRef unit{&quantity, i};
            names.push_back(only != nullptr ? std::string(unit.symbol()) : TypedName(unit));
            seen.insert(LowerCase(unit.symbol()));
            ForEachName(unit.unit(), [&](std::string_view spelling) {
                if (seen.insert(LowerCase(spelling)).second) {
                    names.emplace_back(spelling);
                }
            });
        }
    }
    return names;
}

// The units `text` names; refuses an unknown quantity prefix or a name that
// names nothing.
std::vector<UnitRef> CandidatesOrRefuse(std::string_view text) {
    const auto colon = text.find(':');
    const std::optional<UnitName> name = SplitName(text);
    if (!name) {
        const std::string_view prefix = text.substr(0, colon);
        throw UsageError("unknown quantity '" + std::string(prefix) + "' in '" + std::string(text) +
                         "'" + NearestTail(prefix, QuantityNames()));
    }
    std::vector<UnitRef> units = Candidates(*name);
    if (units.empty()) {
        const std::string kind =
            name->quantity != nullptr ? std::string(name->quantity->id) + " unit" : "unit";
        throw UsageError("unknown " + kind + " '" + std::string(name->symbol) + "'" +
                         NearestTail(name->symbol, TypedNames(name->quantity)) +
                         " (--list shows every unit)");
    }
    return units;
}

std::string QuantitiesOf(const std::vector<UnitRef>& units) {
    std::vector<std::string> ids;
    ids.reserve(units.size());
    for (const UnitRef& unit : units) {
        ids.emplace_back(unit.quantity->id);
    }
    return JoinNames(ids, " and ");
}

CliError Ambiguous(std::string_view text, const std::vector<UnitRef>& units) {
    std::vector<std::string> typed;
    typed.reserve(units.size());
    for (const UnitRef& unit : units) {
        typed.push_back(std::string(unit.quantity->id) + ":" + std::string(text));
    }
    return UsageError("'" + std::string(text) + "' is a unit of " + QuantitiesOf(units) +
                      ": write " + JoinNames(typed));
}

} // namespace

std::string TypedName(const UnitRef& unit) {
    const std::string_view symbol = unit.symbol();
    if (SharedSymbols().contains(symbol)) {
        return std::string(unit.quantity->id) + ":" + std::string(symbol);
    }
    return std::string(symbol);
}

const Quantity& QuantityNamed(std::string_view name) {
    const Quantity* quantity = QuantityByIdOrName(name);
    if (quantity == nullptr) {
        throw UsageError("unknown quantity '" + std::string(name) + "'" +
                         NearestTail(name, QuantityNames()));
    }
    return *quantity;
}

bool NamesAUnit(std::string_view text) {
    const std::optional<UnitName> name = SplitName(text);
    return name && !Candidates(*name).empty();
}

Conversion ResolveConversion(std::string_view unit, std::optional<std::string_view> target) {
    const std::vector<UnitRef> sources = CandidatesOrRefuse(unit);
    if (!target) {
        if (sources.size() > 1) {
            throw Ambiguous(unit, sources);
        }
        return {sources.front(), std::nullopt};
    }
    const std::vector<UnitRef> targets = CandidatesOrRefuse(*target);
    std::vector<Conversion> pairs;
    for (const UnitRef& source : sources) {
        for (const UnitRef& to : targets) {
            if (source.quantity == to.quantity) {
                pairs.push_back({source, to});
            }
        }
    }
    if (pairs.empty()) {
        throw UsageError("'" + std::string(unit) + "' is a unit of " + QuantitiesOf(sources) +
                         ", '" + std::string(*target) + "' of " + QuantitiesOf(targets) +
                         ": no conversion between them");
    }
    if (pairs.size() > 1) {
        // Both names are shared by the same quantities: name those.
        std::vector<UnitRef> shared;
        shared.reserve(pairs.size());
        for (const Conversion& pair : pairs) {
            shared.push_back(pair.source);
        }
        throw Ambiguous(unit, shared);
    }
    if (pairs.front().source == *pairs.front().target) {
        throw UsageError("TARGET '" + std::string(*target) + "' is the unit itself");
    }
    return pairs.front();
}

} // namespace velmaro::cli
