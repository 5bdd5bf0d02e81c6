#pragma once

// What --table steam asks for, in the units of the formulation's table: by
// temperature in °C or by pressure in MPa.

namespace velmaro::cli {

struct SteamRequest {
    bool csv = false;
    bool byPressure = false; // --by pressure (MPa); else by temperature (°C)
    double from = 0.0;
    double to = 0.0;
    double step = 0.0;
};

} // namespace velmaro::cli
