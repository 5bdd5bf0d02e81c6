// Water and steam by IAPWS-IF97: a state from pressure and temperature, from
// pressure and enthalpy or entropy, or on the saturation line by pressure or
// by temperature, with the wet steam of a quality between the two saturated
// states.

#include "convert/unit_definitions.h"
#include "steam/property_list.h"
#include "steam/superheat.h"
#include "steam/transport.h"
#include "steam/water_steam.h"
#include "tools/tools.h"

#include <array>
#include <cmath>
#include <string_view>

namespace velmaro::tools {
namespace {

using steam::Property;

constexpr std::array<std::string_view, 3> kTemperatureUnits = {"°C", "K", "°F"};
constexpr std::array<std::string_view, 1> kCelsiusOnly = {"°C"};
constexpr std::array<std::string_view, 1> kMilliPascalSeconds = {"mPa.s"};
constexpr std::array<std::string_view, 1> kSquareMillimetresPerSecond = {"mm2/s"};

// The phases by steam::Phase, as the command line and JSON name them.
constexpr std::array<Entry, 6> kPhases = {{
    {"compressed liquid", "steam.phase.compressed-liquid"},
    {"saturated liquid", "steam.phase.saturated-liquid"},
    {"wet steam", "steam.phase.wet-steam"},
    {"saturated vapour", "steam.phase.saturated-vapour"},
    {"superheated vapour", "steam.phase.superheated-vapour"},
    {"supercritical fluid", "steam.phase.supercritical"},
}};

// Inputs first, in the window's tab order, then the result rows.
enum FieldIndexes : std::size_t {
    kPressure,
    kAmbient,
    kTemperature,
    kEnthalpy,
    kEntropy,
    kQuality,
    kRegion,
    kPhase,
    kCelsius,
    kFirstProperty, // T, then the rest of steam::kPropertyFormats in its order
    kTypedPressure = kFirstProperty + std::size(steam::kPropertyFormats),
    kSaturationTemperature,
    kSuperheat,
    kViscosity,
    kKinematicViscosity,
    kConductivity,
    kPrandtl,
    kFieldCount,
};

// One result row of a property, in its unit and with its decimals.
constexpr Field PropertyRow(std::string_view id, std::string_view labelTextId,
                            std::string_view jsonKey, std::size_t property) {
    const steam::PropertyFormat& format = steam::kPropertyFormats[property];
    return {.id = id,
            .labelTextId = labelTextId,
            .role = Role::Output,
            .unit = format.unit,
            .decimals = format.decimals,
            .jsonKey = jsonKey,
            .symbol = id};
}

constexpr std::array<Field, kFieldCount> kFields = {{
    {.id = "pressure",
     .labelTextId = "steam.label.pressure",
     .quantity = "pressure",
     .unit = "MPa",
     .allUnits = true,
     .start = "1",
     .primary = true,
     .unitLabelTextId = "steam.label.pressure-unit"},
    {.id = "ambient",
     .labelTextId = "steam.label.ambient",
     .quantity = "pressure",
     .unit = "kPa",
     .start = "101.325",
     .range = {0.0},
     .decimals = 3,
     .jsonKey = "ambient_kPa",
     .startIfLeftOut = true,
     .follows = "pressure",
     .rangeTextId = "instrument.pressure-not-positive"},
    {.id = "temperature",
     .labelTextId = "steam.label.temperature",
     .quantity = "temperature",
     .unit = "K",
     .units = kTemperatureUnits,
     .startUnit = "°C",
     .start = "300",
     .decimals = 3,
     .primary = true,
     .unitLabelTextId = "steam.label.temperature-unit"},
    {.id = "enthalpy",
     .labelTextId = "steam.label.enthalpy",
     .unit = "kJ/kg",
     .start = "3000",
     .decimals = 3,
     .primary = true},
    {.id = "entropy",
     .labelTextId = "steam.label.entropy",
     .unit = "kJ/(kg K)",
     .start = "7",
     .decimals = 5,
     .primary = true},
    {.id = "quality",
     .labelTextId = "steam.label.quality",
     .start = "0.5",
     .range = {0.0, 1.0},
     .decimals = 5,
     .primary = true,
     .rangeTextId = "steam.quality-outside",
     .rangeCheckedByTool = true},
    {.id = "region",
     .labelTextId = "steam.result.region",
     .role = Role::Output,
     .decimals = 0,
     .jsonKey = "region",
     .symbol = "region"},
    {.id = "phase",
     .labelTextId = "steam.result.phase",
     .role = Role::Output,
     .decimals = 0,
     .jsonKey = "phase",
     .symbol = "phase",
     .entries = kPhases},
    {.id = "t",
     .labelTextId = "steam.result.celsius",
     .role = Role::Output,
     .quantity = "temperature",
     .unit = "°C",
     .decimals = 3,
     .jsonKey = "t_C",
     .symbol = "t"},
    PropertyRow("T", "steam.result.temperature", "T_K", 0),
    PropertyRow("p", "steam.result.pressure", "p_MPa", 1),
    PropertyRow("v", "steam.result.volume", "v_m3_per_kg", 2),
    PropertyRow("rho", "steam.result.density", "rho_kg_per_m3", 3),
    PropertyRow("h", "steam.result.enthalpy", "h_kJ_per_kg", 4),
    PropertyRow("u", "steam.result.internal-energy", "u_kJ_per_kg", 5),
    PropertyRow("s", "steam.result.entropy", "s_kJ_per_kgK", 6),
    PropertyRow("cp", "steam.result.cp", "cp_kJ_per_kgK", 7),
    PropertyRow("cv", "steam.result.cv", "cv_kJ_per_kgK", 8),
    PropertyRow("w", "steam.result.speed-of-sound", "w_m_per_s", 9),
    PropertyRow("x", "steam.result.quality", "x", 10),
    // The pressure again in the unit it was typed in.
    {.id = "p-typed",
     .labelTextId = "steam.result.typed-pressure",
     .role = Role::Output,
     .quantity = "pressure",
     .unit = "MPa",
     .symbol = "p",
     .faces = kWindow | kPage,
     .unitFrom = "pressure"},
    // Where the state lies against the saturation line at its pressure.
    {.id = "t-sat",
     .labelTextId = "steam.result.saturation-temperature",
     .role = Role::Output,
     .quantity = "temperature",
     .unit = "K",
     .units = kCelsiusOnly,
     .decimals = 3,
     .jsonKey = "T_sat_K",
     .symbol = "t_sat",
     .jsonOmitsNone = true},
    {.id = "superheat",
     .labelTextId = "steam.result.superheat",
     .role = Role::Output,
     .unit = "K",
     .decimals = 3,
     .jsonKey = "superheat_K",
     .symbol = "dt_sat"},
    // Transport properties (IAPWS 2008 and 2011, density from IF97).
    {.id = "mu",
     .labelTextId = "steam.result.viscosity",
     .role = Role::Output,
     .quantity = "dynamic-viscosity",
     .unit = "Pa.s",
     .units = kMilliPascalSeconds,
     .decimals = 6,
     .jsonKey = "mu_Pa_s",
     .symbol = "mu"},
    {.id = "nu",
     .labelTextId = "steam.result.kinematic-viscosity",
     .role = Role::Output,
     .quantity = "kinematic-viscosity",
     .unit = "m2/s",
     .units = kSquareMillimetresPerSecond,
     .decimals = 6,
     .jsonKey = "nu_m2_per_s",
     .symbol = "nu"},
    {.id = "k",
     .labelTextId = "steam.result.conductivity",
     .role = Role::Output,
     .quantity = "thermal-conductivity",
     .unit = "W/(m.K)",
     .decimals = 6,
     .jsonKey = "k_W_per_mK",
     .symbol = "k"},
    {.id = "Pr",
     .labelTextId = "steam.result.prandtl",
     .role = Role::Output,
     .decimals = 5,
     .jsonKey = "Pr",
     .symbol = "Pr"},
}};
static_assert(kFields[kQuality].id == "quality" && kFields[kCelsius].id == "t");
static_assert(kFields[kFirstProperty].id == "T" && kFields[kTypedPressure - 1].id == "x");
static_assert(kFields[kFieldCount - 1].id == "Pr");

enum ChoiceIndexes : std::size_t { kPressureKind };

constexpr std::array<Entry, 2> kPressureKinds = {{
    {"absolute", "steam.absolute"},
    {"gauge", "steam.gauge"},
}};

constexpr std::array<Choice, 1> kChoices = {{
    {.id = "pressure-kind",
     .labelTextId = "steam.label.pressure-kind",
     .entries = kPressureKinds,
     .entriesAsFlags = true,
     .follows = "pressure"},
}};

constexpr std::array<std::string_view, 2> kPressureAndTemperature = {"pressure", "temperature"};
constexpr std::array<std::string_view, 1> kPressureOnly = {"pressure"};
constexpr std::array<std::string_view, 1> kTemperatureOnly = {"temperature"};
constexpr std::array<std::string_view, 2> kPressureAndEnthalpy = {"pressure", "enthalpy"};
constexpr std::array<std::string_view, 2> kPressureAndEntropy = {"pressure", "entropy"};
constexpr std::array<std::string_view, 2> kPressureAndQuality = {"pressure", "quality"};
constexpr std::array<std::string_view, 2> kTemperatureAndQuality = {"temperature", "quality"};
constexpr std::array<std::string_view, 1> kQualityOnly = {"quality"};

// Result columns: one state, or the saturated pair and the wet state between.
constexpr std::array<Entry, 4> kColumns = {{
    {"state", "steam.heading.state"},
    {"liquid", "steam.heading.saturated-liquid"},
    {"vapour", "steam.heading.saturated-vapour"},
    {"wet", "steam.heading.wet-steam"},
}};
constexpr std::array<std::string_view, 1> kStateColumn = {"state"};
constexpr std::array<std::string_view, 3> kSaturationColumns = {"liquid", "vapour", "wet"};
constexpr std::array<std::string_view, 1> kWetColumn = {"wet"};

enum ModeIndexes : std::size_t {
    kPressureTemperature,
    kSaturationByPressure,
    kSaturationByTemperature,
    kPressureEnthalpy,
    kPressureEntropy,
    kWetByPressure,
    kWetByTemperature,
};

// The window's and the page's five input choices, in their list's order; the
// command line asks for one wet state by its quality alone.
constexpr std::array<Mode, 7> kModes = {{
    {{"pressure-temperature", "steam.mode.pressure-temperature"},
     kEveryFace,
     kPressureAndTemperature,
     {},
     {},
     kStateColumn},
    {{"saturation-by-pressure", "steam.mode.saturation-by-pressure"},
     kEveryFace,
     kPressureOnly,
     kQualityOnly,
     "saturation",
     kSaturationColumns},
    {{"saturation-by-temperature", "steam.mode.saturation-by-temperature"},
     kEveryFace,
     kTemperatureOnly,
     kQualityOnly,
     "saturation",
     kSaturationColumns},
    {{"pressure-enthalpy", "steam.mode.pressure-enthalpy"},
     kEveryFace,
     kPressureAndEnthalpy,
     {},
     {},
     kStateColumn},
    {{"pressure-entropy", "steam.mode.pressure-entropy"},
     kEveryFace,
     kPressureAndEntropy,
     {},
     {},
     kStateColumn},
    {{"wet-by-pressure"}, kCommandLine, kPressureAndQuality, {}, {}, kWetColumn},
    {{"wet-by-temperature"}, kCommandLine, kTemperatureAndQuality, {}, {}, kWetColumn},
}};

constexpr Fault kOutOfRange{"steam.out-of-range", Severity::OutOfRange};

void ShowState(Column& column, const steam::State& state) {
    column.values[kRegion] = state.region;
    column.values[kPhase] = static_cast<double>(state.phase);
    column.values[kCelsius] = state.temperature - si::kKelvinAtZeroCelsius;
    for (std::size_t i = 0; i < std::size(steam::kPropertyFormats); ++i) {
        column.values[kFirstProperty + i] =
            steam::ValueOf(state, steam::kPropertyFormats[i].property);
    }
    column.values[kTypedPressure] = state.pressure;
    column.values[kSaturationTemperature] = steam::SaturationTemperatureAt(state.pressure);
    column.values[kSuperheat] = steam::SuperheatOf(state);
    if (const auto transport = steam::TransportOf(state)) {
        column.values[kViscosity] = transport->dynamicViscosity;
        column.values[kKinematicViscosity] = transport->kinematicViscosity;
        column.values[kConductivity] = transport->thermalConductivity;
        column.values[kPrandtl] = transport->prandtl;
    }
}

// Fills `column` with `state`, or marks it out of range.
void Fill(Column& column, const std::optional<steam::State>& state) {
    if (state) {
        ShowState(column, *state);
    } else {
        column.fault = kOutOfRange;
    }
}

Result ComputeSteam(const Tool& /*tool*/, const Request& request) {
    const bool gauge = request.chosen[kPressureKind] == 1;
    const double pressure = request.values[kPressure] +
                            (gauge ? request.values[kAmbient] / 1000.0 : 0.0); // MPa, absolute
    const double temperature = request.values[kTemperature];
    Result result;
    result.columnIds = kModes[request.mode].columns;
    switch (request.mode) {
    case kPressureTemperature:
        Fill(result.columns[0], steam::AtPressureTemperature(pressure, temperature));
        break;
    case kPressureEnthalpy:
        Fill(result.columns[0], steam::AtPressureEnthalpy(pressure, request.values[kEnthalpy]));
        break;
    case kPressureEntropy:
        Fill(result.columns[0], steam::AtPressureEntropy(pressure, request.values[kEntropy]));
        break;
    default: {
        const bool byPressure =
            request.mode == kSaturationByPressure || request.mode == kWetByPressure;
        const auto pair = byPressure ? steam::SaturationAtPressure(pressure)
                                     : steam::SaturationAtTemperature(temperature);
        if (!pair) {
            result.fault = kOutOfRange;
            return result;
        }
        // The saturated pair stands whatever the quality; a quality outside
        // 0 ... 1 refuses the wet state alone.
        const bool wetOnly = request.mode == kWetByPressure || request.mode == kWetByTemperature;
        if (request.given[kQuality]) {
            const double quality = request.values[kQuality];
            Column& wet = result.columns[wetOnly ? 0 : 2];
            if (kFields[kQuality].range.Holds(quality)) {
                Fill(wet, steam::WetSteam(*pair, quality));
            } else {
                wet.fault = {kFields[kQuality].rangeTextId, Severity::Refused};
            }
        }
        if (wetOnly) {
            break;
        }
        ShowState(result.columns[0], pair->liquid);
        ShowState(result.columns[1], pair->vapour);
        if (!request.given[kQuality]) {
            result.columnIds = result.columnIds.first(2);
        }
        break;
    }
    }
    for (const Column& column : result.columns) {
        if (column.fault) {
            result.fault = column.fault;
        }
    }
    return result;
}

} // namespace

constexpr Tool kSteamTool{
    .id = "steam",
    .titleTextId = "steam.title",
    .fields = kFields,
    .choices = kChoices,
    .modes = kModes,
    .columns = kColumns,
    .compute = ComputeSteam,
    .modeLabelTextId = "steam.known",
    .resultsTextId = "steam.results",
    .noValueTextId = "tool.not-defined",
};

} // namespace velmaro::tools
