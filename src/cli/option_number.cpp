#include "cli/option_number.h"

#include "cli/cli_error.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace velmaro::cli {

double OptionNumber(std::string_view option, std::string_view text) {
    std::string_view digits = text;
    if (digits.starts_with('+')) {
        digits.remove_prefix(1);
    }
    double value = 0.0;
    const char* end = digits.data() + digits.size();
    const auto result = std::from_chars(digits.data(), end, value);
    if (digits.empty() || result.ec != std::errc{} || result.ptr != end || !std::isfinite(value)) {
        throw UsageError(std::string(option) + " needs a number, not '" + std::string(text) + "'");
    }
    return value;
}

} // namespace velmaro::cli
