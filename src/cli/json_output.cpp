#include "cli/json_output.h"

#include "cli/result_text.h"
#include "convert/number_text.h"

namespace velmaro::cli {

std::string JsonLine(const Json& object) {
    return object.dump(-1, ' ', false, Json::error_handler_t::replace) + '\n';
}

Json PrintedNumber(std::string_view printed) {
    return IsFiniteText(printed) ? Json(ParseNumber(printed)) : Json(nullptr);
}

} // namespace velmaro::cli
