#include "convert/change_cycle.h"

#include <limits>

namespace velmaro {

std::size_t FieldGroup::indexOf(std::string_view symbol) const {
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i].symbol == symbol) {
            return i;
        }
    }
    return units.size();
}

std::vector<UnitText> Convert(const FieldGroup& group, std::size_t source,
                              std::string_view sourceText) {
    std::vector<UnitText> result;
    if (source >= group.size()) {
        return result;
    }
    const double x = ParseNumber(sourceText);
    if (group.formula != nullptr) {
        for (const TargetValue& target : group.formula(source, x)) {
            if (target.unitIndex != source && target.unitIndex < group.size()) {
                result.push_back({target.unitIndex, FormatFixed(target.value, group.format)});
            }
        }
        return result;
    }
    result.reserve(group.size() - 1);
    for (std::size_t target = 0; target < group.size(); ++target) {
        if (target == source) {
            continue;
        }
        result.push_back({target, FormatFixed(x * group.factor(source, target), group.format)});
    }
    return result;
}

double ConvertValue(const FieldGroup& group, std::size_t source, std::size_t target, double x) {
    if (source >= group.size() || target >= group.size()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (source == target) {
        return x;
    }
    if (group.formula == nullptr) {
        return x * group.factor(source, target);
    }
    for (const TargetValue& value : group.formula(source, x)) {
        if (value.unitIndex == target) {
            return value.value;
        }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

std::optional<std::string> ConvertOne(const FieldGroup& group, std::size_t source,
                                      std::size_t target, double x) {
    if (source == target || source >= group.size() || target >= group.size()) {
        return std::nullopt;
    }
    return FormatFixed(ConvertValue(group, source, target, x), group.format);
}

} // namespace velmaro
