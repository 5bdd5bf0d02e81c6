#include "convert/temperature_scales.h"

#include "convert/unit_definitions.h"

namespace velmaro {
namespace {

// The double nearest to 5/9. Conversions towards Celsius multiply by it; there
// is no division by 1.8 anywhere, which the printed residues depend on.
constexpr double kFiveNinths = 0.5555555555555556;
constexpr double kDegreeRatio = 1.8;       // °F or R per °C
constexpr double kFahrenheitAtZero = 32.0; // °F of 0 °C
constexpr double kKelvinAtZero = si::kKelvinAtZeroCelsius;
constexpr double kAnchorCelsius = 1.0;       // the Rankine anchor point ...
constexpr double kAnchorRankine = 493.46999; // ... in R (not 493.47)
constexpr double kAnchorKelvin = 274.15;     // ... in K

// The definitions are exact; the panel's formulas above are its own (the
// Rankine anchor among them) and stay as they are.
constexpr Unit kUnits[] = {
    {"°C", "℃|C|degC", 1, si::kKelvinAtZeroCelsius},
    {"°F", "℉|F|degF", si::kFahrenheitDegree, si::kKelvinAtZeroFahrenheit},
    {"K", {}, 1},
    {"R", {}, si::kFahrenheitDegree},
};
enum Scale : std::size_t { kC = 0, kF = 1, kK = 2, kR = 3 };

double RankineFromCelsius(double t) {
    return (t - kAnchorCelsius) * kDegreeRatio + kAnchorRankine;
}

// Each branch writes its targets in the order its field's handler lists them.
std::vector<TargetValue> ConvertTemperature(std::size_t source, double x) {
    switch (source) {
    case kC:
        return {{kF, x * kDegreeRatio + kFahrenheitAtZero},
                {kK, x + kKelvinAtZero},
                {kR, RankineFromCelsius(x)}};
    case kF: {
        const double t = (x - kFahrenheitAtZero) * kFiveNinths;
        return {{kK, t + kKelvinAtZero}, {kC, t}, {kR, RankineFromCelsius(t)}};
    }
    case kK: {
        const double t = x - kKelvinAtZero;
        return {{kC, t}, {kF, t * kDegreeRatio + kFahrenheitAtZero}, {kR, RankineFromCelsius(t)}};
    }
    case kR: {
        // a is the Celsius value minus the anchor's 1 °C.
        const double a = (x - kAnchorRankine) * kFiveNinths;
        return {{kC, a + kAnchorCelsius},
                {kF, (a + kAnchorCelsius) * kDegreeRatio + kFahrenheitAtZero},
                {kK, a + kAnchorKelvin}};
    }
    default:
        return {};
    }
}

} // namespace

constexpr FieldGroup kTemperatureGroup{"temperature", kUnits, kFormat6f, {}, ConvertTemperature};

OtherScales ScalesFromCelsius(double celsius) {
    return {celsius * kDegreeRatio + kFahrenheitAtZero, celsius + kKelvinAtZero,
            RankineFromCelsius(celsius)};
}

} // namespace velmaro
