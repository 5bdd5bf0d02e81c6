#include "tooldlgs/instrument_messages.h"

#include "res/texts/chinese_tool_texts.h"

namespace velmaro {
namespace {

// A fault without its text stops the build here, not a person at the window.
constexpr bool EveryFaultHasItsText() {
    using instruments::Fault;
    for (int f = static_cast<int>(Fault::OutOfRange);
         f <= static_cast<int>(Fault::DensityNotPositive); ++f) {
        texts::ToolText(instruments::FaultTextId(static_cast<Fault>(f)));
    }
    return true;
}
static_assert(EveryFaultHasItsText());

} // namespace

std::string_view FaultMessage(instruments::Fault fault) {
    const std::string_view id = instruments::FaultTextId(fault);
    return id.empty() ? std::string_view() : texts::ToolText(id);
}

} // namespace velmaro
