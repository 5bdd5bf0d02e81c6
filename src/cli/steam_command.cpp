#include "cli/steam_command.h"

#include "cli/cli_error.h"
#include "cli/sensor_catalog.h"
#include "cli/steam_options.h"
#include "cli/steam_table.h"
#include "convert/number_text.h"
#include "steam/property_list.h"
#include "steam/water_steam.h"

#include <string>

namespace velmaro::cli {
namespace {

using steam::Property;

struct PropertyName {
    Property property;
    std::string_view plain;
    std::string_view json;
};

constexpr PropertyName kNames[] = {
    {Property::Temperature, "T", "T_K"},
    {Property::Pressure, "p", "p_MPa"},
    {Property::Volume, "v", "v_m3_per_kg"},
    {Property::Density, "rho", "rho_kg_per_m3"},
    {Property::Enthalpy, "h", "h_kJ_per_kg"},
    {Property::InternalEnergy, "u", "u_kJ_per_kg"},
    {Property::Entropy, "s", "s_kJ_per_kgK"},
    {Property::Cp, "cp", "cp_kJ_per_kgK"},
    {Property::Cv, "cv", "cv_kJ_per_kgK"},
    {Property::SpeedOfSound, "w", "w_m_per_s"},
    {Property::Quality, "x", "x"},
};
static_assert(std::size(kNames) == std::size(steam::kPropertyFormats));

std::string_view PhaseName(steam::Phase phase) {
    switch (phase) {
    case steam::Phase::CompressedLiquid:
        return "compressed liquid";
    case steam::Phase::SaturatedLiquid:
        return "saturated liquid";
    case steam::Phase::WetSteam:
        return "wet steam";
    case steam::Phase::SaturatedVapour:
        return "saturated vapour";
    case steam::Phase::SuperheatedVapour:
        return "superheated vapour";
    case steam::Phase::Supercritical:
        return "supercritical fluid";
    }
    return "";
}

// One property per line, "name value unit"; a property not defined for the
// state (cp of wet steam, x off the dome) has no line.
void WritePlain(const steam::State& state, std::string_view indent, OutputBuffer& out) {
    out << indent << "region " << std::to_string(state.region) << '\n';
    out << indent << "phase  " << PhaseName(state.phase) << '\n';
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        const steam::PropertyFormat& format = steam::kPropertyFormats[i];
        const auto value = steam::ValueOf(state, format.property);
        if (!value) {
            continue;
        }
        std::string name(kNames[i].plain);
        name.resize(7, ' ');
        out << indent << name
            << FormatFixed(steam::WithoutNegativeZero(*value, format.decimals),
                           {0, format.decimals});
        if (!format.unit.empty()) {
            out << ' ' << format.unit;
        }
        out << '\n';
    }
}

// Every key always; null where the property is not defined.
std::string JsonObject(const steam::State& state) {
    std::string json = R"({"region":)" + std::to_string(state.region) + R"(,"phase":")" +
                       std::string(PhaseName(state.phase)) + '"';
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        const auto value = steam::ValueOf(state, steam::kPropertyFormats[i].property);
        json += ",\"" + std::string(kNames[i].json) +
                "\":" + (value ? ShortestText(*value) : std::string("null"));
    }
    return json + "}";
}

[[noreturn]] void OutOfRange() {
    throw CliError(kExitOutOfRange,
                   "the state is outside IAPWS-IF97: 273.15 ... 1073.15 K up to 100 MPa, "
                   "1073.15 ... 2273.15 K up to 50 MPa; saturation up to 647.096 K, 22.064 MPa");
}

std::optional<steam::Saturation> SaturationOf(const SteamRequest& r) {
    return r.pressure ? steam::SaturationAtPressure(*r.pressure)
                      : steam::SaturationAtTemperature(*r.temperature);
}

std::optional<steam::State> SingleState(const SteamRequest& r) {
    if (r.quality) {
        const auto saturation = SaturationOf(r);
        return saturation ? steam::WetSteam(*saturation, *r.quality) : std::nullopt;
    }
    if (r.temperature) {
        return steam::AtPressureTemperature(*r.pressure, *r.temperature);
    }
    if (r.enthalpy) {
        return steam::AtPressureEnthalpy(*r.pressure, *r.enthalpy);
    }
    return steam::AtPressureEntropy(*r.pressure, *r.entropy);
}

} // namespace

void RunSteam(std::span<const std::string_view> args, OutputBuffer& out) {
    const SteamRequest request = ParseSteamOptions(args);
    if (request.table) {
        RunSteamTable(request, out);
        return;
    }
    if (request.saturation && !request.quality) {
        const auto saturation = SaturationOf(request);
        if (!saturation) {
            OutOfRange();
        }
        if (request.json) {
            out << R"({"liquid":)" << JsonObject(saturation->liquid) << R"(,"vapour":)"
                << JsonObject(saturation->vapour) << "}\n";
            return;
        }
        out << "liquid\n";
        WritePlain(saturation->liquid, "  ", out);
        out << "vapour\n";
        WritePlain(saturation->vapour, "  ", out);
        return;
    }
    const auto state = SingleState(request);
    if (!state) {
        OutOfRange();
    }
    if (request.json) {
        out << JsonObject(*state) << '\n';
        return;
    }
    WritePlain(*state, "", out);
}

} // namespace velmaro::cli
