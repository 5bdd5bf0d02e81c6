// Picks the region for a state and runs its equation; the (p,h) and (p,s)
// searches walk along the isobar region by region.

#include "steam/water_steam.h"

#include "steam/backward.h"
#include "steam/gibbs_regions.h"
#include "steam/region3.h"
#include "steam/region3_start.h"
#include "steam/saturation_line.h"
#include "steam/tables/coefficients.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace velmaro::steam {

using namespace tables;

namespace {

bool AllFinite(const State& state) {
    const std::array<double, 7> values{state.temperature, state.pressure, state.volume,
                                       state.density,     state.enthalpy, state.internalEnergy,
                                       state.entropy};
    const auto finite = [](double value) { return std::isfinite(value); };
    const auto finiteOrEmpty = [](const std::optional<double>& value) {
        return !value || std::isfinite(*value);
    };
    return std::all_of(values.begin(), values.end(), finite) && finiteOrEmpty(state.cp) &&
           finiteOrEmpty(state.cv) && finiteOrEmpty(state.speedOfSound) &&
           finiteOrEmpty(state.densityByPressure) && finiteOrEmpty(state.quality);
}

std::optional<State> Checked(const State& state) {
    if (!AllFinite(state)) {
        return std::nullopt;
    }
    return state;
}

bool InRange(double pressure, double temperature) {
    if (!(pressure > 0.0) || !(temperature >= kTMin)) {
        return false;
    }
    if (temperature <= kT25) {
        return pressure <= kPMax;
    }
    return temperature <= kTMax && pressure <= kPMax5;
}

Phase SinglePhase(double pressure, double temperature) {
    if (temperature >= kTc) {
        return pressure >= kPc ? Phase::Supercritical : Phase::SuperheatedVapour;
    }
    if (pressure >= kPc || pressure >= SaturationPressure(temperature)) {
        return Phase::CompressedLiquid;
    }
    return Phase::SuperheatedVapour;
}

State MakeState(int region, Phase phase, const Properties& p) {
    return {region,         phase,          p.temperature,       p.pressure,  p.volume,
            1.0 / p.volume, p.enthalpy,     p.internalEnergy,    p.entropy,   p.cp,
            p.cv,           p.speedOfSound, p.densityByPressure, std::nullopt};
}

Region3Branch BranchAt(double pressure, double temperature) {
    return temperature < kTc && pressure >= SaturationPressure(temperature) ? Region3Branch::Liquid
                                                                            : Region3Branch::Vapour;
}

// Region 3 at (p, T) on a given branch, or empty when no root is found;
// `start` is a density near the root, when one is known.
std::optional<Properties> Region3At(double pressure, double temperature, Region3Branch branch,
                                    std::optional<double> start = std::nullopt) {
    const auto density = Region3Density(pressure, temperature, branch, start);
    if (!density) {
        return std::nullopt;
    }
    Properties properties = Region3(*density, temperature);
    properties.pressure = pressure; // the asked pressure, not the root's rounding of it
    return properties;
}

State SaturatedState(const Properties& properties, Phase phase) {
    State state = MakeState(4, phase, properties);
    state.quality = phase == Phase::SaturatedLiquid ? 0.0 : 1.0;
    return state;
}

// Both saturated states at (p, T) on the saturation line.
std::optional<Saturation> SaturatedPair(double pressure, double temperature) {
    std::optional<Properties> liquid;
    std::optional<Properties> vapour;
    if (temperature <= kT13) {
        liquid = Region1(pressure, temperature);
        vapour = Region2(pressure, temperature);
    } else {
        liquid = Region3At(pressure, temperature, Region3Branch::Liquid);
        vapour = Region3At(pressure, temperature, Region3Branch::Vapour);
    }
    if (!liquid || !vapour) {
        return std::nullopt;
    }
    const Saturation pair{SaturatedState(*liquid, Phase::SaturatedLiquid),
                          SaturatedState(*vapour, Phase::SaturatedVapour)};
    if (!AllFinite(pair.liquid) || !AllFinite(pair.vapour)) {
        return std::nullopt;
    }
    return pair;
}

// --- (p,h) and (p,s) -------------------------------------------------------

enum class Given { Enthalpy, Entropy };

double Value(Given given, const Properties& p) {
    return given == Given::Enthalpy ? p.enthalpy : p.entropy;
}

// d(h or s)/dT at constant pressure.
double Slope(Given given, const Properties& p) {
    return given == Given::Enthalpy ? p.cp : p.cp / p.temperature;
}

// A stretch of the isobar that one region's equation covers.
struct Piece {
    int region = 0;
    double low = 0.0;  // K
    double high = 0.0; // K
    // Region 3 beside the dome keeps to its side of it, even where the
    // saturation equations round the other way.
    std::optional<Region3Branch> branch;
};

// `density`, when given, starts region 3's density search.
std::optional<Properties> Evaluate(const Piece& piece, double pressure, double temperature,
                                   std::optional<double> density = std::nullopt) {
    switch (piece.region) {
    case 1:
        return Region1(pressure, temperature);
    case 2:
        return Region2(pressure, temperature);
    case 3:
        return Region3At(pressure, temperature,
                         piece.branch.value_or(BranchAt(pressure, temperature)), density);
    default:
        return Region5(pressure, temperature);
    }
}

// Where the search along a piece starts: a temperature, and in region 3 the
// density there when known.
struct Start {
    double temperature;
    std::optional<double> density;
};

// Region 3 starts from its grid, then from the state that Newton's method on
// density and temperature together finds from there.
Start Region3Start(Given given, const Piece& piece, double pressure, double target) {
    const Region3Given given3 =
        given == Given::Enthalpy ? Region3Given::Enthalpy : Region3Given::Entropy;
    // Above the critical pressure the isobar is liquid-like below Tc.
    const Region3Branch branch = piece.branch.value_or(Region3Branch::Liquid);
    const double temperature = Region3StartingTemperature(pressure, given3, target, branch);
    const DensityTemperature guess{Region3StartingDensity(pressure, temperature, branch),
                                   temperature};
    if (const auto joint = Region3AtPressureAnd(pressure, given3, target, guess, piece.low,
                                                piece.high, piece.branch)) {
        return {joint->temperature, joint->density};
    }
    return {temperature, std::nullopt};
}

Start StartingPoint(Given given, const Piece& piece, double pressure, double target,
                    double lowValue, double highValue) {
    Start start{std::numeric_limits<double>::quiet_NaN(), std::nullopt};
    if (piece.region == 1) {
        start.temperature = given == Given::Enthalpy
                                ? Region1TemperatureFromEnthalpy(pressure, target)
                                : Region1TemperatureFromEntropy(pressure, target);
    } else if (piece.region == 2) {
        start.temperature = given == Given::Enthalpy
                                ? Region2TemperatureFromEnthalpy(pressure, target)
                                : Region2TemperatureFromEntropy(pressure, target);
    } else if (piece.region == 3) {
        start = Region3Start(given, piece, pressure, target);
    } else if (highValue > lowValue) {
        start.temperature =
            piece.low + (piece.high - piece.low) * (target - lowValue) / (highValue - lowValue);
    }
    if (!(start.temperature > piece.low && start.temperature < piece.high)) {
        start = {0.5 * (piece.low + piece.high), std::nullopt};
    }
    return start;
}

// Newton's method on T, T <- T - (z(p,T) - z) / (dz/dT), held inside the
// piece; h and s both rise with T along an isobar. Once the steps are small,
// each step's density starts the next step's search in region 3.
constexpr double kNearbyKelvins = 1.0;

std::optional<Properties> SolveOnPiece(Given given, const Piece& piece, double pressure,
                                       double target, const Start& start) {
    double low = piece.low;
    double high = piece.high;
    double temperature = start.temperature;
    std::optional<Properties> state;
    for (int iteration = 0; iteration < 100; ++iteration) {
        std::optional<double> density = start.density;
        if (state) {
            density.reset();
            if (std::abs(state->temperature - temperature) < kNearbyKelvins) {
                density = 1.0 / state->volume;
            }
        }
        state = Evaluate(piece, pressure, temperature, density);
        if (!state) {
            return std::nullopt;
        }
        const double f = Value(given, *state) - target;
        if (std::abs(f) <= 1e-14 * (std::abs(target) + 1.0)) {
            break;
        }
        (f < 0.0 ? low : high) = temperature;
        double next = temperature - f / Slope(given, *state);
        if (!(next >= low && next <= high)) {
            next = 0.5 * (low + high);
        }
        if (std::abs(next - temperature) <= 1e-14 * temperature) {
            break;
        }
        temperature = next;
    }
    return state;
}

// The stretches of the isobar from the lowest temperature upwards; a region
// 0 piece is the saturation dome at the one temperature `ts`.
struct Isobar {
    std::array<Piece, 6> pieces{};
    std::size_t count = 0;
    double ts = 0.0;

    void Add(int region, double low, double high,
             std::optional<Region3Branch> branch = std::nullopt) {
        pieces.at(count++) = {region, low, high, branch};
    }
};

Isobar PiecesAlong(double pressure) {
    Isobar isobar;
    const bool wet = pressure >= SaturationPressure(kTMin) && pressure <= kPc;
    const double ts = wet ? std::clamp(SaturationTemperature(pressure), kTMin, kTc) : 0.0;
    isobar.ts = ts;
    if (pressure < SaturationPressure(kT13)) {
        if (wet) {
            isobar.Add(1, kTMin, ts);
            isobar.Add(0, ts, ts);
            isobar.Add(2, ts, kT25);
        } else {
            isobar.Add(2, kTMin, kT25);
        }
    } else {
        const double t23 = B23Temperature(pressure);
        isobar.Add(1, kTMin, kT13);
        if (wet) {
            isobar.Add(3, kT13, ts, Region3Branch::Liquid);
            isobar.Add(0, ts, ts);
            isobar.Add(3, ts, t23, Region3Branch::Vapour);
        } else {
            isobar.Add(3, kT13, t23);
        }
        isobar.Add(2, t23, kT25);
    }
    if (pressure <= kPMax5) {
        isobar.Add(5, kT25, kTMax);
    }
    return isobar;
}

// What one piece says about the wanted h or s: the state when it lies there,
// else the value at the piece's upper end (where the next piece starts).
struct Search {
    bool done = false;
    std::optional<State> state;
    double highValue = 0.0;
};

Search SearchDome(Given given, double pressure, double ts, double target) {
    const auto pair = SaturatedPair(pressure, ts);
    if (!pair) {
        return {true, std::nullopt, 0.0};
    }
    const double liquid = given == Given::Enthalpy ? pair->liquid.enthalpy : pair->liquid.entropy;
    const double vapour = given == Given::Enthalpy ? pair->vapour.enthalpy : pair->vapour.entropy;
    if (target > vapour) {
        return {false, std::nullopt, vapour};
    }
    return {true, WetSteam(*pair, std::clamp((target - liquid) / (vapour - liquid), 0.0, 1.0)),
            vapour};
}

Search SearchPiece(Given given, const Piece& piece, double pressure, double target,
                   double lowValue) {
    const auto top = Evaluate(piece, pressure, piece.high);
    if (!top) {
        return {true, std::nullopt, 0.0};
    }
    const double highValue = Value(given, *top);
    if (target > highValue) {
        return {false, std::nullopt, highValue};
    }
    const Start start = StartingPoint(given, piece, pressure, target, lowValue, highValue);
    const auto solved = SolveOnPiece(given, piece, pressure, target, start);
    if (!solved) {
        return {true, std::nullopt, highValue};
    }
    return {true,
            Checked(MakeState(piece.region, SinglePhase(pressure, solved->temperature), *solved)),
            highValue};
}

std::optional<State> AtPressureAnd(Given given, double pressure, double target) {
    if (!std::isfinite(target) || !(pressure > 0.0) || !(pressure <= kPMax)) {
        return std::nullopt;
    }
    const Isobar isobar = PiecesAlong(pressure);
    const Piece& first = isobar.pieces[0];
    const auto lowest = Evaluate(first, pressure, first.low);
    if (!lowest) {
        return std::nullopt;
    }
    // The h or s of a state at either end of the range, computed from that
    // state, can lie a rounding error outside the ends as computed here: it is
    // taken as the end.
    const auto nearly = [](double a, double b) {
        return std::abs(a - b) <= 1e-12 * (std::abs(b) + 1.0);
    };
    double lowValue = Value(given, *lowest);
    if (target < lowValue) {
        if (!nearly(target, lowValue)) {
            return std::nullopt;
        }
        target = lowValue;
    }
    for (std::size_t i = 0; i < isobar.count; ++i) {
        const Piece& piece = isobar.pieces.at(i);
        Search search = piece.region == 0 ? SearchDome(given, pressure, isobar.ts, target)
                                          : SearchPiece(given, piece, pressure, target, lowValue);
        if (!search.done && i + 1 == isobar.count && nearly(target, search.highValue)) {
            search = SearchPiece(given, piece, pressure, search.highValue, lowValue);
        }
        if (search.done) {
            return search.state;
        }
        lowValue = search.highValue;
    }
    return std::nullopt;
}

} // namespace

std::optional<State> AtPressureTemperature(double pressure, double temperature) {
    if (!InRange(pressure, temperature)) {
        return std::nullopt;
    }
    const Phase phase = SinglePhase(pressure, temperature);
    if (temperature > kT25) {
        return Checked(MakeState(5, phase, Region5(pressure, temperature)));
    }
    if (temperature <= kT13) {
        if (pressure >= SaturationPressure(temperature)) {
            return Checked(MakeState(1, phase, Region1(pressure, temperature)));
        }
        return Checked(MakeState(2, phase, Region2(pressure, temperature)));
    }
    if (pressure > B23Pressure(temperature)) {
        const auto properties = Region3At(pressure, temperature, BranchAt(pressure, temperature));
        if (!properties) {
            return std::nullopt;
        }
        return Checked(MakeState(3, phase, *properties));
    }
    return Checked(MakeState(2, phase, Region2(pressure, temperature)));
}

std::optional<Saturation> SaturationAtPressure(double pressure) {
    if (!(pressure >= SaturationPressure(kTMin) && pressure <= kPc)) {
        return std::nullopt;
    }
    return SaturatedPair(pressure, std::clamp(SaturationTemperature(pressure), kTMin, kTc));
}

std::optional<Saturation> SaturationAtTemperature(double temperature) {
    if (!(temperature >= kTMin && temperature <= kTc)) {
        return std::nullopt;
    }
    return SaturatedPair(std::min(SaturationPressure(temperature), kPc), temperature);
}

std::optional<State> WetSteam(const Saturation& saturation, double quality) {
    if (!(quality >= 0.0 && quality <= 1.0)) {
        return std::nullopt;
    }
    if (quality == 0.0) {
        return saturation.liquid;
    }
    if (quality == 1.0) {
        return saturation.vapour;
    }
    const State& l = saturation.liquid;
    const State& g = saturation.vapour;
    const auto mix = [quality](double liquid, double vapour) {
        return liquid + quality * (vapour - liquid);
    };
    State state{};
    state.region = 4;
    state.phase = Phase::WetSteam;
    state.temperature = l.temperature;
    state.pressure = l.pressure;
    state.volume = mix(l.volume, g.volume);
    state.density = 1.0 / state.volume;
    state.enthalpy = mix(l.enthalpy, g.enthalpy);
    state.internalEnergy = mix(l.internalEnergy, g.internalEnergy);
    state.entropy = mix(l.entropy, g.entropy);
    state.quality = quality;
    return Checked(state);
}

std::optional<State> AtPressureEnthalpy(double pressure, double enthalpy) {
    return AtPressureAnd(Given::Enthalpy, pressure, enthalpy);
}

std::optional<State> AtPressureEntropy(double pressure, double entropy) {
    return AtPressureAnd(Given::Entropy, pressure, entropy);
}

} // namespace velmaro::steam
