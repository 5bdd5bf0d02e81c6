#include "convert/change_cycle.h"

namespace velmaro {

std::size_t FieldGroup::indexOf(int controlId) const {
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i].controlId == controlId) {
            return i;
        }
    }
    return units.size();
}

std::vector<FieldText> Convert(const FieldGroup& group, int sourceControlId,
                               std::string_view sourceText) {
    std::vector<FieldText> result;
    const std::size_t source = group.indexOf(sourceControlId);
    if (source == group.size()) {
        return result;
    }
    const double x = ParseNumber(sourceText);
    if (group.formula != nullptr) {
        for (const TargetValue& target : group.formula(source, x)) {
            if (target.unitIndex != source && target.unitIndex < group.size()) {
                result.push_back({group.units[target.unitIndex].controlId,
                                  FormatFixed(target.value, group.format)});
            }
        }
        return result;
    }
    result.reserve(group.size() - 1);
    for (std::size_t target = 0; target < group.size(); ++target) {
        if (target == source) {
            continue;
        }
        result.push_back({group.units[target].controlId,
                          FormatFixed(x * group.factor(source, target), group.format)});
    }
    return result;
}

std::optional<std::string> ConvertOne(const FieldGroup& group, std::size_t source,
                                      std::size_t target, double x) {
    if (source == target || source >= group.size() || target >= group.size()) {
        return std::nullopt;
    }
    if (group.formula == nullptr) {
        return FormatFixed(x * group.factor(source, target), group.format);
    }
    for (const TargetValue& value : group.formula(source, x)) {
        if (value.unitIndex == target) {
            return FormatFixed(value.value, group.format);
        }
    }
    return std::nullopt;
}

} // namespace velmaro
