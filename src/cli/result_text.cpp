#include "cli/result_text.h"

#include "cli/cli_error.h"

namespace velmaro::cli {

bool IsFiniteText(std::string_view printed) {
    // A fixed-point text ends in a digit; "inf" and "nan" do not.
    return !printed.empty() && printed.back() >= '0' && printed.back() <= '9';
}

std::string NotFiniteMessage(std::string_view what, std::string_view printed) {
    return std::string(what) + " is " + std::string(printed) + ", not a finite number";
}

void RefuseNotFinite(std::string_view what, std::string_view printed) {
    throw ValueError(NotFiniteMessage(what, printed));
}

} // namespace velmaro::cli
