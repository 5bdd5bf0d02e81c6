#include "cli/cli_error.h"
#include "cli/instrument_commands.h"
#include "cli/json_text.h"
#include "cli/unit_lookup.h"
#include "convert/number_text.h"
#include "convert/unit_symbols.h"
#include "instruments/gas_flow.h"

#include <string>

namespace velmaro::cli {
namespace {

using instruments::GasState;

// Six decimals, as the main window's flow fields show them.
constexpr FixedFormat kFlowFormat = kFormat6f;

UnitRef UnitOf(std::string_view quantityId, std::string_view name) {
    const Quantity& quantity = QuantityNamed(quantityId);
    const std::vector<UnitRef> units = UnitsNamed(quantity, name);
    if (units.empty()) {
        throw UsageError("'" + std::string(name) + "' is no unit of " + std::string(quantityId) +
                         " (see --list " + std::string(quantityId) + ")");
    }
    return units.front();
}

// The factor from `unit` to the unit of its group called `base`.
double FactorTo(const UnitRef& unit, std::string_view base) {
    const UnitRef target = UnitOf(unit.quantity->id, base);
    return unit.index == target.index ? 1.0
                                      : unit.quantity->group->factor(unit.index, target.index);
}

struct GasSetup {
    double zRef;
    std::optional<GasState> line; // when --pressure and --temperature are given
};

GasState StateNamed(std::string_view name, const GasSetup& setup) {
    if (name == "line") {
        if (!setup.line) {
            throw UsageError("line conditions need --pressure P UNIT and --temperature T");
        }
        return *setup.line;
    }
    for (const instruments::ReferenceInfo& info : instruments::References()) {
        if (info.id == name) {
            return instruments::ReferenceState(info.reference, setup.zRef);
        }
    }
    throw UsageError("conditions are line, normal, standard or standard15, not '" +
                     std::string(name) + "'");
}

GasSetup ReadSetup(const InstrumentRequest& request) {
    GasSetup setup{request.zRef ? ParseNumber(*request.zRef) : 1.0, std::nullopt};
    if (request.pressure && request.temperature) {
        const UnitRef unit = UnitOf("pressure", request.pressureUnit);
        const double pascals = ParseNumber(*request.pressure) * FactorTo(unit, "Pa");
        setup.line = GasState{instruments::AbsolutePressure(pascals, request.gauge),
                              ParseNumber(*request.temperature) + instruments::kZeroCelsiusKelvin,
                              request.z ? ParseNumber(*request.z) : 1.0};
    } else if (request.pressure || request.temperature) {
        throw UsageError("line conditions need both --pressure P UNIT and --temperature T");
    }
    return setup;
}

double NormalDensity(const InstrumentRequest& request, double zRef) {
    if (request.density) {
        return ParseNumber(*request.density);
    }
    if (request.molarMass) {
        const instruments::GasResult density =
            instruments::NormalDensity(ParseNumber(*request.molarMass), zRef);
        ThrowOnFault(density.fault, "");
        return density.value;
    }
    return instruments::kAirNormalDensity;
}

} // namespace

void RunGasFlow(const InstrumentRequest& request, OutputBuffer& out) {
    const UnitRef flowUnit = UnitOf("volume-flow", request.flowUnit);
    const GasSetup setup = ReadSetup(request);
    const std::string_view fromName =
        request.from.value_or(request.to == "line" ? "normal" : "line");
    const GasState from = StateNamed(fromName, setup);
    const GasState to = StateNamed(request.to, setup);
    const double flow = ParseNumber(request.flow);

    const instruments::GasResult restated = instruments::RestateFlow(flow, from, to);
    ThrowOnFault(restated.fault, "");
    const instruments::GasResult normal = instruments::RestateFlow(
        flow * FactorTo(flowUnit, "m3/h"), from,
        instruments::ReferenceState(instruments::Reference::Normal, setup.zRef));
    ThrowOnFault(normal.fault, "");
    const instruments::GasResult mass =
        instruments::MassFlow(normal.value, NormalDensity(request, setup.zRef));
    ThrowOnFault(mass.fault, "");

    const std::string flowText = FormatFixed(restated.value, kFlowFormat);
    const std::string massText = FormatFixed(mass.value, kFlowFormat);
    const std::string_view symbol = flowUnit.symbol();
    if (!request.json) {
        out << flowText << ' ' << symbol << '\n' << massText << " kg/h\n";
        return;
    }
    out << R"({"flow":)" << JsonString(request.flow) << R"(,"flow_unit":)" << JsonString(symbol)
        << R"(,"from":)" << JsonString(fromName) << R"(,"to":)" << JsonString(request.to)
        << R"(,"value":)" << JsonString(flowText) << R"(,"unit":)" << JsonString(symbol)
        << R"(,"mass_flow":)" << JsonString(massText) << R"(,"mass_flow_unit":"kg/h"})" << '\n';
}

} // namespace velmaro::cli
