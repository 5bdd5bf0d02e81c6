// Differential-pressure flowmeters by ISO 5167: an orifice plate, a nozzle or
// a classical Venturi tube in water, steam, a gas or a liquid. Four solves:
// the flow from Δp, Δp from the flow, the bore from both (sizing), and the
// flow from a Δp transmitter's signal with the meter's full scale beside it.
// A result outside the standard's limits of use is shown all the same, with
// each broken limit named.

#include "convert/unit_definitions.h"
#include "flow/meter.h"
#include "flow/transmitter_link.h"
#include "instruments/reference_conditions.h"
#include "tools/signal_range_entries.h"
#include "tools/tools.h"

#include <array>
#include <string_view>

namespace velmaro::tools {
namespace {

constexpr std::array<std::string_view, 3> kLengthUnits = {"mm", "m", "in"};
constexpr std::array<std::string_view, 4> kMassFlowUnits = {"kg/h", "t/h", "kg/s", "lb/h"};
// The volume flows a meter is sized in; a unit's "N" names the flow at normal
// conditions (Nm3/h).
constexpr std::array<std::string_view, 3> kVolumeFlowUnits = {"m3/h", "l/min", "ft3/min"};
constexpr std::array<std::string_view, 3> kTemperatureUnits = {"°C", "K", "°F"};
constexpr std::array<std::string_view, 3> kViscosityUnits = {"Pa.s", "mPa.s", "cP"};
constexpr std::array<std::string_view, 1> kKilogramsPerHour = {"kg/h"};

enum FieldIndexes : std::size_t {
    // The meter.
    kPipe,
    kBore,
    // The fluid.
    kPressure,
    kTemperature,
    kZ,
    kZRef,
    kKappa,
    kViscosity,
    kDensity,
    kMolarMass,
    // Δp, the flow, or the transmitter's signal.
    kDifferential,
    kMassFlow,
    kVolumeFlow,
    kNormalFlow,
    kSignal,
    kRangeLow,
    kRangeHigh,
    // Results.
    kMassFlowPerHour,
    kBeta,
    kReynolds,
    kDischarge,
    kExpansibility,
    kLineDensity,
    kLineViscosity,
    kLineKappa,
    kVelocity,
    kPressureLoss,
    kDischargeUncertainty,
    kExpansibilityUncertainty,
    kFullScaleMassFlow,
    kFullScaleNormalFlow,
    kFieldCount
};

constexpr Field ResultRow(std::string_view id, std::string_view jsonKey, int decimals,
                          std::string_view quantity = {}, std::string_view unit = {}) {
    return {.id = id,
            .labelTextId = {},
            .role = Role::Output,
            .quantity = quantity,
            .unit = unit,
            .decimals = decimals,
            .jsonKey = jsonKey,
            .symbol = id};
}

constexpr Field Labelled(Field field, std::string_view labelTextId, std::string_view symbol = {}) {
    field.labelTextId = labelTextId;
    if (!symbol.empty()) {
        field.symbol = symbol;
    }
    return field;
}

constexpr std::array<Field, kFieldCount> kFields = {{
    {.id = "pipe-diameter",
     .labelTextId = "flowmeter.label.pipe",
     .quantity = "length",
     .unit = "m",
     .units = kLengthUnits,
     .startUnit = "mm",
     .start = "200",
     .decimals = 4,
     .jsonKey = "D_m",
     .symbol = "D",
     .unitLabelTextId = "flowmeter.unit.pipe"},
    {.id = "bore",
     .labelTextId = "flowmeter.label.bore",
     .role = Role::Either,
     .quantity = "length",
     .unit = "m",
     .units = kLengthUnits,
     .startUnit = "mm",
     .start = "120",
     .decimals = 4,
     .jsonKey = "d_m",
     .symbol = "d",
     .unitLabelTextId = "flowmeter.unit.bore"},
    {.id = "pressure",
     .labelTextId = "flowmeter.label.pressure",
     .quantity = "pressure",
     .unit = "Pa",
     .allUnits = true,
     .startUnit = "MPa",
     .start = "1",
     .jsonKey = "p_Pa",
     .symbol = "p",
     .unitLabelTextId = "flowmeter.unit.pressure"},
    {.id = "temperature",
     .labelTextId = "flowmeter.label.temperature",
     .quantity = "temperature",
     .unit = "K",
     .units = kTemperatureUnits,
     .startUnit = "°C",
     .start = "20",
     .decimals = 3,
     .jsonKey = "T_K",
     .symbol = "T",
     .unitLabelTextId = "flowmeter.unit.temperature"},
    {.id = "z",
     .labelTextId = "flowmeter.label.z",
     .start = "1",
     .jsonKey = "z",
     .startIfLeftOut = true,
     .usedWith = "fluid=gas"},
    {.id = "z-ref",
     .labelTextId = "flowmeter.label.z-ref",
     .start = "1",
     .jsonKey = "z_ref",
     .startIfLeftOut = true,
     .usedWith = "fluid=gas"},
    {.id = "kappa",
     .labelTextId = "flowmeter.label.kappa",
     .start = "1.4",
     .jsonKey = "kappa_input",
     .startIfLeftOut = true,
     .usedWith = "fluid=gas"},
    {.id = "viscosity",
     .labelTextId = "flowmeter.label.viscosity",
     .quantity = "dynamic-viscosity",
     .unit = "Pa.s",
     .units = kViscosityUnits,
     .start = "0.0000181",
     .decimals = 8,
     .jsonKey = "mu_input_Pa_s",
     .unitLabelTextId = "flowmeter.unit.viscosity",
     .usedWith = "fluid=gas|liquid"},
    {.id = "density",
     .labelTextId = "flowmeter.label.density",
     .role = Role::Either,
     .quantity = "density",
     .unit = "kg/m3",
     .start = "1.293",
     .jsonKey = "density_kg_per_m3",
     .symbol = "rho_n",
     .group = 2,
     .jsonOmitsNone = true,
     .usedWith = "fluid=gas|liquid"},
    {.id = "molar-mass",
     .labelTextId = "flowmeter.label.molar-mass",
     .role = Role::Either,
     .unit = "g/mol",
     .jsonKey = "molar_mass_g_per_mol",
     .group = 2,
     .jsonOmitsNone = true,
     .usedWith = "fluid=gas"},
    {.id = "dp",
     .labelTextId = "flowmeter.label.dp",
     .role = Role::Either,
     .quantity = "pressure",
     .unit = "Pa",
     .allUnits = true,
     .startUnit = "kPa",
     .start = "50",
     .decimals = 4,
     .jsonKey = "dp_Pa",
     .symbol = "dp",
     .primary = true,
     .unitLabelTextId = "flowmeter.unit.dp"},
    {.id = "mass-flow",
     .labelTextId = "flowmeter.label.mass-flow",
     .role = Role::Either,
     .quantity = "mass-flow",
     .unit = "kg/s",
     .units = kMassFlowUnits,
     .startUnit = "kg/h",
     .start = "20000",
     .decimals = 4,
     .jsonKey = "qm_kg_per_s",
     .symbol = "qm",
     .group = 1,
     .primary = true,
     .unitLabelTextId = "flowmeter.unit.mass-flow"},
    {.id = "volume-flow",
     .labelTextId = "flowmeter.label.volume-flow",
     .role = Role::Either,
     .quantity = "volume-flow",
     .unit = "m3/h",
     .units = kVolumeFlowUnits,
     .decimals = 4,
     .jsonKey = "qv_m3_per_h",
     .symbol = "qv",
     .group = 1,
     .primary = true,
     .unitLabelTextId = "flowmeter.unit.volume-flow"},
    {.id = "normal-flow",
     .labelTextId = "flowmeter.label.normal-flow",
     .role = Role::Either,
     .quantity = "volume-flow",
     .unit = "m3/h",
     .decimals = 4,
     .jsonKey = "qn_m3_per_h",
     .symbol = "qn",
     .group = 1,
     .primary = true,
     .unitFrom = "volume-flow",
     .usedWith = "fluid=gas",
     .unitPrefix = "N"},
    {.id = "signal",
     .labelTextId = "flowmeter.label.signal",
     .start = "12",
     .decimals = 3,
     .jsonKey = "signal",
     .symbol = "signal",
     .primary = true,
     .unitFrom = "signal-range"},
    {.id = "dp-range-low",
     .labelTextId = "flowmeter.label.dp-range-low",
     .quantity = "pressure",
     .unit = "Pa",
     .start = "0",
     .decimals = 4,
     .jsonKey = "dp_range_low_Pa",
     .unitFrom = "dp-range-high"},
    {.id = "dp-range-high",
     .labelTextId = "flowmeter.label.dp-range-high",
     .quantity = "pressure",
     .unit = "Pa",
     .allUnits = true,
     .startUnit = "kPa",
     .start = "100",
     .decimals = 4,
     .jsonKey = "dp_range_high_Pa",
     .unitLabelTextId = "flowmeter.unit.dp-range"},
    // The mass flow in kg/h for JSON; the faces show qm in the unit chosen.
    {.id = "qm-h",
     .labelTextId = "flowmeter.result.qm-h",
     .role = Role::Output,
     .quantity = "mass-flow",
     .unit = "kg/h",
     .decimals = 4,
     .jsonKey = "qm_kg_per_h",
     .symbol = "qm-h",
     .faces = kCommandLine,
     .jsonOnly = true},
    Labelled(ResultRow("beta", "beta", 6), "flowmeter.result.beta"),
    Labelled(ResultRow("Re_D", "Re_D", 0), "flowmeter.result.reynolds"),
    Labelled(ResultRow("C", "C", 6), "flowmeter.result.discharge"),
    Labelled(ResultRow("epsilon", "epsilon", 6), "flowmeter.result.expansibility"),
    Labelled(ResultRow("rho1", "rho_kg_per_m3", 6, "density", "kg/m3"), "flowmeter.result.density"),
    Labelled(ResultRow("mu1", "mu_Pa_s", 8, "dynamic-viscosity", "Pa.s"),
             "flowmeter.result.viscosity"),
    Labelled(ResultRow("kappa1", "kappa", 6), "flowmeter.result.kappa"),
    Labelled(ResultRow("velocity", "velocity_m_per_s", 4, "speed", "m/s"),
             "flowmeter.result.velocity"),
    Labelled(ResultRow("pressure-loss", "pressure_loss_Pa", 4, "pressure", "Pa"),
             "flowmeter.result.pressure-loss", "dp_loss"),
    Labelled(ResultRow("u_C", "u_C_percent", 3), "flowmeter.result.u-discharge"),
    Labelled(ResultRow("u_epsilon", "u_epsilon_percent", 3), "flowmeter.result.u-expansibility"),
    {.id = "full-scale",
     .labelTextId = "flowmeter.result.full-scale",
     .role = Role::Output,
     .quantity = "mass-flow",
     .unit = "kg/s",
     .units = kKilogramsPerHour,
     .decimals = 4,
     .jsonKey = "qm_full_scale_kg_per_s",
     .symbol = "qm_fs",
     .jsonOmitsNone = true},
    {.id = "full-scale-normal",
     .labelTextId = "flowmeter.result.full-scale-normal",
     .role = Role::Output,
     .quantity = "volume-flow",
     .unit = "m3/h",
     .decimals = 4,
     .jsonKey = "qn_full_scale_m3_per_h",
     .symbol = "qn_fs",
     .jsonOmitsNone = true,
     .unitPrefix = "N"},
}};
static_assert(kFields[kMolarMass].id == "molar-mass" && kFields[kRangeHigh].id == "dp-range-high");
static_assert(kFields[kFullScaleNormalFlow].id == "full-scale-normal");

enum ChoiceIndexes : std::size_t { kDevice, kTaps, kConvergent, kFluid, kPressureKind, kRange };

constexpr std::array<Entry, 4> kDevices = {{
    {"orifice", "flowmeter.device.orifice"},
    {"isa1932-nozzle", "flowmeter.device.isa1932-nozzle"},
    {"long-radius-nozzle", "flowmeter.device.long-radius-nozzle"},
    {"venturi", "flowmeter.device.venturi"},
}};
constexpr std::array<Entry, 3> kTapsEntries = {{
    {"corner", "flowmeter.taps.corner"},
    {"flange", "flowmeter.taps.flange"},
    {"d-d2", "flowmeter.taps.d-d2"},
}};
constexpr std::array<Entry, 3> kConvergents = {{
    {"as-cast", "flowmeter.venturi.as-cast"},
    {"machined", "flowmeter.venturi.machined"},
    {"rough-welded", "flowmeter.venturi.rough-welded"},
}};
constexpr std::array<Entry, 4> kFluids = {{
    {"water", "flowmeter.fluid.water"},
    {"steam", "flowmeter.fluid.steam"},
    {"gas", "flowmeter.fluid.gas"},
    {"liquid", "flowmeter.fluid.liquid"},
}};
constexpr std::array<Entry, 2> kPressureKinds = {{
    {"absolute", "flowmeter.absolute"},
    {"gauge", "flowmeter.gauge"},
}};

// The devices' lists follow flow::kMeterKinds, kTaps and kConvergents, by
// position.
static_assert(kDevices.size() == std::size(flow::kMeterKinds) &&
              kTapsEntries.size() == std::size(flow::kTaps) &&
              kConvergents.size() == std::size(flow::kConvergents));

constexpr std::array<Choice, 6> kChoices = {{
    {.id = "flow-meter",
     .labelTextId = "flowmeter.label.device",
     .entries = kDevices,
     .commandLineRequired = true},
    {.id = "taps",
     .labelTextId = "flowmeter.label.taps",
     .entries = kTapsEntries,
     .start = 1,
     .commandLineStart = 1,
     .usedWith = "flow-meter=orifice"},
    {.id = "venturi",
     .labelTextId = "flowmeter.label.convergent",
     .entries = kConvergents,
     .start = 1,
     .commandLineStart = 1,
     .usedWith = "flow-meter=venturi"},
    {.id = "fluid",
     .labelTextId = "flowmeter.label.fluid",
     .entries = kFluids,
     .commandLineRequired = true},
    {.id = "pressure-kind",
     .labelTextId = "flowmeter.label.pressure-kind",
     .entries = kPressureKinds,
     .entriesAsFlags = true,
     .follows = "pressure"},
    {.id = "signal-range",
     .labelTextId = "flowmeter.label.signal-range",
     .entries = kSignalRangeEntries,
     .follows = "signal"},
}};

enum ModeIndexes : std::size_t { kFlowFromDp, kDpFromFlow, kSizeBore, kFlowFromSignal };

constexpr std::array<std::string_view, 2> kBoreAndDp = {"bore", "dp"};
constexpr std::array<std::string_view, 1> kBoreOnly = {"bore"};
constexpr std::array<std::string_view, 1> kDpOnly = {"dp"};
constexpr std::array<std::string_view, 4> kSignalInputs = {"bore", "signal", "dp-range-low",
                                                           "dp-range-high"};
constexpr std::array<int, 1> kFlowGroup = {1};

constexpr std::array<Mode, 4> kModes = {{
    {.entry = {"flow", "flowmeter.mode.flow"}, .given = kBoreAndDp},
    {.entry = {"dp", "flowmeter.mode.dp"}, .given = kBoreOnly, .groups = kFlowGroup},
    {.entry = {"bore", "flowmeter.mode.bore"}, .given = kDpOnly, .groups = kFlowGroup},
    {.entry = {"signal", "flowmeter.mode.signal"}, .given = kSignalInputs},
}};

constexpr std::array<std::string_view, 3> kDpRangeFields = {"dp-range-low", "dp-range-high",
                                                            "dp-range-high:unit"};
constexpr std::array<OptionGroup, 1> kOptionGroups = {{{"dp-range", kDpRangeFields, 2}}};
constexpr std::array<GroupOption, 1> kGroupOptions = {{{"flow", 1}}};

constexpr Fault FaultOf(flow::Fault fault) {
    if (fault == flow::Fault::None) {
        return {};
    }
    const bool outOfRange =
        fault == flow::Fault::NotFinite || fault == flow::Fault::OutsideWaterSteam ||
        fault == flow::Fault::FlowBeyondInlet || fault == flow::Fault::FlowBeyondPipe ||
        fault == flow::Fault::NoDischargeCoefficient;
    return {flow::FaultTextId(fault), outOfRange ? Severity::OutOfRange : Severity::Refused};
}

flow::FluidResult FluidOf(const Request& r) {
    const bool gauge = r.chosen[kPressureKind] == 1;
    const double pressure =
        r.values[kPressure] + (gauge ? instruments::kStandardAtmospherePascals : 0.0);
    const double temperature = r.values[kTemperature];
    switch (r.chosen[kFluid]) {
    case 2:
        return flow::Gas({pressure, temperature, r.values[kZ], r.values[kKappa],
                          r.values[kViscosity], r.given[kMolarMass], r.values[kDensity],
                          r.values[kMolarMass], r.values[kZRef]});
    case 3:
        return flow::Liquid(pressure, r.given[kDensity] ? r.values[kDensity] : 0.0,
                            r.values[kViscosity]);
    default:
        return flow::WaterSteam(pressure, temperature);
    }
}

flow::Device DeviceOf(const Request& r) {
    return {static_cast<flow::MeterKind>(r.chosen[kDevice]),
            static_cast<flow::Taps>(r.chosen[kTaps]),
            static_cast<flow::Convergent>(r.chosen[kConvergent])};
}

// The given flow in kg/s.
flow::MassFlowResult GivenMassFlow(const Request& r, const flow::FluidState& fluid) {
    if (r.given[kVolumeFlow]) {
        return flow::MassFlowOf(fluid, flow::FlowBasis::Volume, r.values[kVolumeFlow] / si::kHour);
    }
    if (r.given[kNormalFlow]) {
        return flow::MassFlowOf(fluid, flow::FlowBasis::NormalVolume,
                                r.values[kNormalFlow] / si::kHour);
    }
    return flow::MassFlowOf(fluid, flow::FlowBasis::Mass, r.values[kMassFlow]);
}

void Show(Column& column, const flow::FlowResult& flow, const flow::FluidState& fluid) {
    column.values[kMassFlow] = flow.massFlow;
    column.values[kMassFlowPerHour] = flow.massFlow * si::kHour;
    column.values[kVolumeFlow] = flow.volumeFlow * si::kHour;
    if (flow.normalVolumeFlow) {
        column.values[kNormalFlow] = *flow.normalVolumeFlow * si::kHour;
    }
    column.values[kDifferential] = flow.differential;
    column.values[kBore] = flow.bore;
    column.values[kBeta] = flow.beta;
    column.values[kReynolds] = flow.reynolds;
    column.values[kDischarge] = flow.discharge;
    column.values[kExpansibility] = flow.expansibility;
    column.values[kLineDensity] = fluid.density;
    column.values[kLineViscosity] = fluid.viscosity;
    if (!fluid.liquid) {
        column.values[kLineKappa] = fluid.kappa;
    }
    column.values[kVelocity] = flow.velocity;
    column.values[kPressureLoss] = flow.pressureLoss;
    column.values[kDischargeUncertainty] = flow.dischargeUncertainty;
    column.values[kExpansibilityUncertainty] = flow.expansibilityUncertainty;
}

Result ComputeFlowMeter(const Tool& /*tool*/, const Request& request) {
    Result result;
    const flow::FluidResult fluid = FluidOf(request);
    if (fluid.fault != flow::Fault::None) {
        result.fault = FaultOf(fluid.fault);
        return result;
    }
    const flow::Meter meter{DeviceOf(request), request.values[kPipe], request.values[kBore]};
    flow::FlowResult flow;
    Column& column = result.columns[0];
    switch (request.mode) {
    case kDpFromFlow:
    case kSizeBore: {
        const flow::MassFlowResult massFlow = GivenMassFlow(request, fluid.state);
        if (massFlow.fault != flow::Fault::None) {
            result.fault = FaultOf(massFlow.fault);
            return result;
        }
        flow =
            request.mode == kDpFromFlow
                ? flow::DifferentialFromFlow(meter, fluid.state, massFlow.value)
                : flow::SizeBore(meter, fluid.state, massFlow.value, request.values[kDifferential]);
        break;
    }
    case kFlowFromSignal: {
        const flow::SignalFlow signal =
            flow::FlowFromSignal(meter, fluid.state,
                                 {request.values[kRangeLow], request.values[kRangeHigh],
                                  instruments::SignalRanges()[request.chosen[kRange]].span},
                                 request.values[kSignal]);
        flow = signal.flow;
        if (signal.fullScale.fault == flow::Fault::None) {
            column.values[kFullScaleMassFlow] = signal.fullScale.massFlow;
            if (signal.fullScale.normalVolumeFlow) {
                column.values[kFullScaleNormalFlow] =
                    *signal.fullScale.normalVolumeFlow * si::kHour;
            }
        }
        if (signal.reading.fault == instruments::Fault::None && signal.reading.outside) {
            result.Note({"instrument.signal-outside", Severity::OutOfRange});
        }
        break;
    }
    default:
        flow = flow::FlowFromDifferential(meter, fluid.state, request.values[kDifferential]);
        break;
    }
    if (flow.fault != flow::Fault::None) {
        result.fault = FaultOf(flow.fault);
        return result;
    }
    Show(column, flow, fluid.state);
    // A gas's normal density from its molar mass, in the field it is typed
    // in otherwise.
    if (request.given[kMolarMass] && fluid.state.normalDensity) {
        column.values[kDensity] = *fluid.state.normalDensity;
    }
    for (const flow::Limit limit : flow::kAllLimits) {
        if (flow.limits.broken.Has(limit)) {
            result.Note({flow::LimitTextId(limit), Severity::Advice});
        }
    }
    return result;
}

constexpr std::array<std::string_view, 25> kOrder = {
    "flow-meter",
    "taps",
    "venturi",
    "pipe-diameter",
    "bore",
    "fluid",
    "pressure",
    "pressure:unit",
    "pressure-kind",
    "temperature",
    "z",
    "z-ref",
    "kappa",
    "viscosity",
    "density",
    "molar-mass",
    "dp",
    "mass-flow",
    "volume-flow",
    "normal-flow",
    "signal-range",
    "signal",
    "dp-range-low",
    "dp-range-high",
    "dp-range-high:unit",
};

} // namespace

constexpr Tool kFlowMeterTool{
    .id = "flow-meter",
    .titleTextId = "flowmeter.title",
    .fields = kFields,
    .choices = kChoices,
    .modes = kModes,
    .compute = ComputeFlowMeter,
    .optionGroups = kOptionGroups,
    .groupOptions = kGroupOptions,
    .order = kOrder,
    .modeLabelTextId = "flowmeter.label.mode",
    .resultsTextId = "flowmeter.results",
    .noValueTextId = "tool.not-defined",
    .adviceJsonKey = "limits",
    .noAdviceJsonKey = "within_limits",
};

} // namespace velmaro::tools
