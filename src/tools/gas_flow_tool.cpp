// Gas flow at reference conditions: one flow at line, normal or standard
// conditions, or the mass flow, gives the others by the real-gas law at equal
// mass flow and the normal density, typed or worked out from the molar mass.
// Flows print with six decimals, as the main window's flow fields do. The
// command line may leave the line's state out: the flows at normal and
// standard conditions and the mass flow then restate one another alone.

#include "instruments/gas_flow_sheet.h"
#include "tools/instrument_faults.h"
#include "tools/tools.h"

#include <array>
#include <string_view>

namespace velmaro::tools {
namespace {

constexpr std::array<std::string_view, 1> kCelsiusOnly = {"°C"};
constexpr std::array<std::string_view, 4> kMassFlowUnits = {"kg/h", "t/h", "kg/s", "lb/h"};

enum FieldIndexes : std::size_t {
    kPressure,
    kTemperature,
    kZ,
    kZRef,
    kLineFlow,
    kNormalFlow,
    kStandardFlow,
    kDensity,
    kMolarMass,
    kMassFlow,
    kFieldCount
};

constexpr std::array<Field, kFieldCount> kFields = {{
    {.id = "pressure",
     .labelTextId = "instrument.gas.pressure",
     .quantity = "pressure",
     .unit = "Pa",
     .allUnits = true,
     .startUnit = "MPa",
     .start = "0.6",
     .jsonKey = "p_Pa",
     .unitLabelTextId = "instrument.gas.pressure-unit",
     .commandLineOptional = true},
    {.id = "temperature",
     .labelTextId = "instrument.gas.temperature",
     .quantity = "temperature",
     .unit = "K",
     .units = kCelsiusOnly,
     .startUnit = "°C",
     .start = "40",
     .decimals = 2,
     .jsonKey = "T_K",
     .commandLineOptional = true},
    {.id = "z",
     .labelTextId = "instrument.gas.z",
     .start = "1",
     .jsonKey = "z",
     .startIfLeftOut = true},
    {.id = "z-ref",
     .labelTextId = "instrument.gas.z-ref",
     .start = "1",
     .jsonKey = "z_ref",
     .startIfLeftOut = true},
    {.id = "line-flow",
     .labelTextId = "instrument.gas.line-flow",
     .role = Role::Either,
     .quantity = "volume-flow",
     .unit = "m3/h",
     .allUnits = true,
     .start = "1200",
     .jsonKey = "line_m3_per_h",
     .symbol = "line",
     .group = 1,
     .primary = true,
     .unitLabelTextId = "instrument.gas.flow-unit"},
    {.id = "normal-flow",
     .labelTextId = "instrument.gas.normal-flow",
     .role = Role::Either,
     .quantity = "volume-flow",
     .unit = "m3/h",
     .jsonKey = "normal_m3_per_h",
     .symbol = "normal",
     .group = 1,
     .primary = true,
     .unitFrom = "line-flow"},
    {.id = "standard-flow",
     .labelTextId = "instrument.gas.standard-flow",
     .role = Role::Either,
     .quantity = "volume-flow",
     .unit = "m3/h",
     .jsonKey = "standard_m3_per_h",
     .symbol = "standard",
     .group = 1,
     .primary = true,
     .unitFrom = "line-flow"},
    {.id = "density",
     .labelTextId = "instrument.gas.density",
     .role = Role::Either,
     .quantity = "density",
     .unit = "kg/m3",
     .start = "1.293",
     .jsonKey = "normal_density_kg_per_m3",
     .symbol = "density",
     .group = 2,
     .startIfLeftOut = true},
    {.id = "molar-mass",
     .labelTextId = "instrument.gas.molar-mass",
     .role = Role::Either,
     .unit = "g/mol",
     .jsonKey = "molar_mass_g_per_mol",
     .group = 2},
    {.id = "mass-flow",
     .labelTextId = "instrument.gas.mass-flow",
     .role = Role::Either,
     .quantity = "mass-flow",
     .unit = "kg/h",
     .units = kMassFlowUnits,
     .jsonKey = "mass_kg_per_h",
     .symbol = "mass",
     .group = 1,
     .primary = true,
     .unitFaces = kCommandLine},
}};

enum ChoiceIndexes : std::size_t { kPressureKind, kStandard };

constexpr std::array<Entry, 2> kPressureKinds = {{
    {"gauge", "instrument.gauge"},
    {"absolute", "instrument.absolute"},
}};

// The standard conditions besides the normal ones, by instruments::Reference
// from Standard20 on.
constexpr std::array<Entry, 3> kStandards = {{
    {"standard", "instrument.standard.20"},
    {"standard15", "instrument.standard.15"},
    {"standard60f", "instrument.standard.60f"},
}};

constexpr std::array<Choice, 2> kChoices = {{
    {.id = "pressure-kind",
     .labelTextId = "instrument.gas.pressure-kind",
     .entries = kPressureKinds,
     .commandLineStart = 1,
     .entriesAsFlags = true,
     .follows = "pressure"},
    {.id = "standard", .labelTextId = "instrument.gas.standard", .entries = kStandards},
}};

instruments::FlowAt GivenFlow(const Request& request) {
    using instruments::FlowAt;
    return request.given[kMassFlow]       ? FlowAt::Mass
           : request.given[kNormalFlow]   ? FlowAt::Normal
           : request.given[kStandardFlow] ? FlowAt::Standard
                                          : FlowAt::Line;
}

Result ComputeGasFlow(const Tool& /*tool*/, const Request& request) {
    const instruments::FlowAt given = GivenFlow(request);
    constexpr std::size_t kFlowFields[] = {kLineFlow, kNormalFlow, kStandardFlow, kMassFlow};
    const bool gauge = request.chosen[kPressureKind] == 0;
    const bool fromMolarMass = request.given[kMolarMass];
    const bool lineKnown = request.given[kPressure] && request.given[kTemperature];
    const instruments::GasFlowSheet sheet = instruments::WorkGasFlow({
        {instruments::AbsolutePressure(request.values[kPressure], gauge),
         request.values[kTemperature], request.values[kZ]},
        request.values[kZRef],
        static_cast<instruments::Reference>(
            static_cast<unsigned>(instruments::Reference::Standard20) + request.chosen[kStandard]),
        given,
        request.values[kFlowFields[static_cast<unsigned>(given)]],
        1.0, // every flow in m³/h or kg/h
        fromMolarMass,
        request.values[kDensity],
        request.values[kMolarMass],
        lineKnown,
    });
    Result result;
    const bool flowsOk = sheet.flowFault == instruments::Fault::None;
    const bool massOk = flowsOk && sheet.massFault == instruments::Fault::None;
    result.fault = FaultOf(flowsOk ? sheet.massFault : sheet.flowFault);
    Column& column = result.columns[0];
    if (flowsOk) {
        for (std::size_t i = lineKnown ? 0 : 1; i < 3; ++i) {
            column.values[kFlowFields[i]] = sheet.flows[i];
        }
    }
    if (massOk) {
        column.values[kMassFlow] = sheet.massPerHour;
        if (fromMolarMass) {
            column.values[kDensity] = sheet.normalDensity;
        }
    }
    return result;
}

constexpr std::array<std::string_view, 14> kOrder = {
    "line-flow:unit", "pressure", "pressure:unit", "pressure-kind", "temperature",   "z",
    "z-ref",          "standard", "line-flow",     "normal-flow",   "standard-flow", "density",
    "molar-mass",     "mass-flow"};

} // namespace

constexpr Tool kGasFlowTool{
    .id = "gas-flow",
    .titleTextId = "instrument.gas-flow",
    .fields = kFields,
    .choices = kChoices,
    .compute = ComputeGasFlow,
    .order = kOrder,
};

} // namespace velmaro::tools
