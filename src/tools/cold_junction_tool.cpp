// Cold-junction compensation: a meter at the cold junction reads
// E(T_hot) - E(T_cold); from its EMF the hot end, from the hot end its EMF.
// Printed as the sensor panel prints them: EMF with six decimals, a
// temperature with two.

#include "instruments/cold_junction.h"
#include "tools/instrument_faults.h"
#include "tools/tools.h"

#include <array>
#include <string_view>

namespace velmaro::tools {
namespace {

enum FieldIndexes : std::size_t { kCold, kEmf, kHot, kFieldCount };

constexpr std::array<Field, kFieldCount> kFields = {{
    {.id = "cold-junction",
     .labelTextId = "instrument.cj.cold",
     .quantity = "temperature",
     .unit = "°C",
     .start = "25",
     .decimals = 2,
     .jsonKey = "cold_junction_C"},
    {.id = "emf",
     .labelTextId = "instrument.cj.emf",
     .role = Role::Either,
     .unit = "mV",
     .decimals = 6,
     .jsonKey = "emf_mV",
     .symbol = "emf",
     .group = 1,
     .primary = true},
    {.id = "hot",
     .labelTextId = "instrument.cj.hot",
     .role = Role::Either,
     .quantity = "temperature",
     .unit = "°C",
     .start = "400",
     .decimals = 2,
     .jsonKey = "hot_C",
     .symbol = "hot",
     .group = 1,
     .options = "temperature",
     .primary = true},
}};

enum ChoiceIndexes : std::size_t { kType };

// The thermocouple types in the sensor panel's order; K, the most common,
// first chosen in the windows. The command line takes no type for granted.
constexpr std::array<Entry, 8> kTypes = {{
    {"S", "sensor.type.S"},
    {"R", "sensor.type.R"},
    {"B", "sensor.type.B"},
    {"K", "sensor.type.K"},
    {"N", "sensor.type.N"},
    {"E", "sensor.type.E"},
    {"J", "sensor.type.J"},
    {"T", "sensor.type.T"},
}};

constexpr std::array<Choice, 1> kChoices = {{
    {.id = "sensor",
     .labelTextId = "instrument.cj.type",
     .entries = kTypes,
     .start = 3,
     .commandLineStart = 3,
     .commandLineRequired = true},
}};

Result ComputeColdJunction(const Tool& /*tool*/, const Request& request) {
    const auto type = static_cast<unsigned>(request.chosen[kType]);
    const double cold = request.values[kCold];
    const bool fromEmf = request.given[kEmf];
    const instruments::JunctionResult junction =
        fromEmf ? instruments::HotJunctionTemperature(type, request.values[kEmf], cold)
                : instruments::MeterEmf(type, request.values[kHot], cold);
    Result result;
    result.fault = FaultOf(junction.fault);
    if (!result.fault) {
        result.columns[0].values[fromEmf ? kHot : kEmf] = junction.value;
    }
    return result;
}

constexpr std::array<std::string_view, 4> kOrder = {"sensor", "cold-junction", "emf", "hot"};

} // namespace

constexpr Tool kColdJunctionTool{
    .id = "cold-junction",
    .titleTextId = "instrument.cold-junction",
    .fields = kFields,
    .choices = kChoices,
    .compute = ComputeColdJunction,
    .order = kOrder,
};

} // namespace velmaro::tools
