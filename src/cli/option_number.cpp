#include "cli/option_number.h"

#include "cli/cli_error.h"
#include "convert/number_text.h"

#include <string>

namespace velmaro::cli {

bool IsWholeNumber(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\n\v\f\r");
    if (first == std::string_view::npos) {
        return false;
    }
    const auto last = text.find_last_not_of(" \t\n\v\f\r");
    const std::string_view number = text.substr(first, last - first + 1);
    return NumberLength(number) == number.size();
}

double OptionNumber(std::string_view option, std::string_view text, bool strict) {
    if (strict && !IsWholeNumber(text)) {
        throw UsageError(std::string(option) + ": '" + std::string(text) + "' is not a number");
    }
    return ParseNumber(text);
}

} // namespace velmaro::cli
