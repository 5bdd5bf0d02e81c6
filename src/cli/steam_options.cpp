#include "cli/steam_options.h"

#include "cli/cli_error.h"
#include "cli/option_number.h"
#include "cli/unit_lookup.h"
#include "convert/change_cycle.h"
#include "convert/number_text.h"
#include "convert/temperature_scales.h"

#include <charconv>
#include <cmath>
#include <string>

namespace velmaro::cli {
namespace {

constexpr double kAtmosphereMPa = 0.101325;
constexpr std::string_view kPressureQuantity = "pressure";

bool IsOption(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9') && arg[1] != '.';
}

// A pressure in `unit` (any pressure symbol of the program) in MPa, by the
// pressure panel's own factors.
double PressureInMPa(double value, std::string_view unit) {
    const Quantity& pressure = QuantityNamed(kPressureQuantity);
    const auto units = UnitsNamed(pressure, unit);
    const auto mpa = UnitsNamed(pressure, "MPa");
    if (units.empty()) {
        std::string symbols;
        for (const Unit& field : pressure.group->units) {
            symbols += " " + std::string(field.symbol);
        }
        throw UsageError("'" + std::string(unit) + "' is no pressure unit; use one of" + symbols);
    }
    return ConvertValue(*pressure.group, units.front().index, mpa.front().index, value);
}

// °C, K or °F (C, F, ℃ as elsewhere) in kelvins, by the temperature panel's
// own scales.
double TemperatureInKelvin(double value, std::string_view unit) {
    const Quantity& temperature = QuantityNamed("temperature");
    const auto units = UnitsNamed(temperature, unit);
    if (units.empty() || units.front().index == kTemperatureGroup.indexOf("R")) {
        throw UsageError("'" + std::string(unit) + "' is no temperature unit; use C, K or F");
    }
    return ConvertValue(kTemperatureGroup, units.front().index, kTemperatureGroup.indexOf("K"),
                        value);
}

struct Reader {
    std::span<const std::string_view> args;
    std::size_t i = 0;

    std::string_view Value(std::string_view option) {
        if (i + 1 >= args.size()) {
            throw UsageError(std::string(option) + " needs a value");
        }
        return args[++i];
    }
    // The unit after a value, when the next argument is not an option.
    std::optional<std::string_view> Unit() {
        if (i + 1 < args.size() && !IsOption(args[i + 1])) {
            return args[++i];
        }
        return std::nullopt;
    }
};

void SetOnce(std::optional<double>& slot, std::string_view option, double value) {
    if (slot) {
        throw UsageError(std::string(option) + " is given twice");
    }
    slot = value;
}

void CheckState(const SteamRequest& r) {
    const int given = static_cast<int>(r.temperature.has_value()) +
                      static_cast<int>(r.enthalpy.has_value()) +
                      static_cast<int>(r.entropy.has_value());
    if (r.saturation || r.quality) {
        if (r.enthalpy || r.entropy || (r.pressure.has_value() == r.temperature.has_value())) {
            throw UsageError("--saturation and --quality take --pressure or --temperature alone");
        }
        return;
    }
    if (!r.pressure || given != 1) {
        throw UsageError("--steam needs --pressure with one of --temperature, --enthalpy and "
                         "--entropy, or --saturation (see --help)");
    }
}

void CheckTable(const SteamRequest& r, bool sawFrom, bool sawTo, bool sawStep) {
    if (!sawFrom || !sawTo || !sawStep) {
        throw UsageError("--table steam needs --from, --to and --step");
    }
    if (r.pressure || r.temperature || r.enthalpy || r.entropy || r.quality || r.saturation ||
        r.json) {
        throw UsageError("--table steam takes --by, --from, --to, --step and --csv only");
    }
    if (r.from > r.to) {
        throw UsageError("--from is above --to");
    }
    if (!(r.step > 0.0)) {
        throw UsageError("--step must be above 0");
    }
}

} // namespace

bool IsSteamRequest(std::span<const std::string_view> args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--steam" || args[i] == "--table=steam" ||
            (args[i] == "--table" && i + 1 < args.size() && args[i + 1] == "steam")) {
            return true;
        }
    }
    return false;
}

// One pass over flat options, as the converter's own reader does.
// NOLINTNEXTLINE(readability-function-cognitive-complexity)
SteamRequest ParseSteamOptions(std::span<const std::string_view> args) {
    SteamRequest r;
    bool sawBy = false;
    bool sawFrom = false;
    bool sawTo = false;
    bool sawStep = false;
    bool gauge = false;
    Reader read{args};
    for (; read.i < args.size(); ++read.i) {
        const std::string_view arg = args[read.i];
        if (arg == "--steam") {
            continue;
        }
        if (arg == "--table" || arg == "--table=steam") {
            r.table = true;
            read.i += arg == "--table" ? 1 : 0;
        } else if (arg == "--json") {
            r.json = true;
        } else if (arg == "--csv") {
            r.csv = true;
        } else if (arg == "--gauge") {
            gauge = true;
        } else if (arg == "--saturation") {
            r.saturation = true;
        } else if (arg == "--pressure") {
            const double value = ParseNumber(read.Value(arg));
            SetOnce(r.pressure, arg, PressureInMPa(value, read.Unit().value_or("MPa")));
        } else if (arg == "--temperature") {
            const double value = ParseNumber(read.Value(arg));
            SetOnce(r.temperature, arg, TemperatureInKelvin(value, read.Unit().value_or("C")));
        } else if (arg == "--enthalpy") {
            SetOnce(r.enthalpy, arg, ParseNumber(read.Value(arg)));
        } else if (arg == "--entropy") {
            SetOnce(r.entropy, arg, ParseNumber(read.Value(arg)));
        } else if (arg == "--quality") {
            SetOnce(r.quality, arg, ParseNumber(read.Value(arg)));
        } else if (arg == "--by") {
            const std::string_view by = read.Value(arg);
            if (by != "temperature" && by != "pressure") {
                throw UsageError("--by takes temperature or pressure, not '" + std::string(by) +
                                 "'");
            }
            sawBy = true;
            r.byPressure = by == "pressure";
        } else if (arg == "--from" || arg == "--to" || arg == "--step") {
            const double value = OptionNumber(arg, read.Value(arg));
            (arg == "--from" ? sawFrom : arg == "--to" ? sawTo : sawStep) = true;
            (arg == "--from" ? r.from : arg == "--to" ? r.to : r.step) = value;
        } else {
            throw UsageError("'" + std::string(arg) + "' does not go with --steam (see --help)");
        }
    }
    if (gauge && r.pressure) {
        *r.pressure += kAtmosphereMPa;
    }
    if (r.table) {
        CheckTable(r, sawFrom, sawTo, sawStep);
    } else {
        if (sawBy || sawFrom || sawTo || sawStep || r.csv) {
            throw UsageError("--by, --from, --to, --step and --csv belong to --table steam");
        }
        CheckState(r);
    }
    return r;
}

} // namespace velmaro::cli
