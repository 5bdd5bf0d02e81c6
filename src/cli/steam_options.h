#pragma once

// The options of --steam and --table steam, read into numbers in the units
// of the formulation (MPa, K, kJ/kg, kJ/(kg K)).

#include <optional>
#include <span>
#include <string_view>

namespace velmaro::cli {

struct SteamRequest {
    bool table = false; // --table steam
    bool json = false;
    bool csv = false;
    bool saturation = false;
    std::optional<double> pressure;    // absolute, MPa
    std::optional<double> temperature; // K
    std::optional<double> enthalpy;
    std::optional<double> entropy;
    std::optional<double> quality;
    bool byPressure = false; // --by pressure (MPa); else by temperature (°C)
    double from = 0.0;
    double to = 0.0;
    double step = 0.0;
};

// Refuses what does not fit with a usage error (exit status 2).
SteamRequest ParseSteamOptions(std::span<const std::string_view> args);

} // namespace velmaro::cli
