#pragma once

// Constants of the resistance-thermometer characteristics. Platinum follows
// the Callendar-Van Dusen equation with the IEC 60751 coefficients; copper has
// one cubic characteristic for temperature to resistance and another for
// resistance to temperature, so a round trip does not return exactly the same
// temperature.

#include "sensors/rtd_types.h"

#include <array>

namespace velmaro::sensors {

// A constant written as decimal mantissa * 10^exponent; the temperature-to-
// resistance functions form it that way, once.
struct DecimalConstant {
    double mantissa;
    int exponent;
};

// Platinum, temperature to resistance, -200 ... 850 °C (C only below 0 °C).
inline constexpr DecimalConstant kPlatinumA{3.9083, -3};
inline constexpr DecimalConstant kPlatinumB{-5.775, -7};
inline constexpr DecimalConstant kPlatinumC{-4.183, -12};

// Platinum, resistance to temperature at or above R0 (t >= 0 °C): the closed
// form with A^2, 4B and 1/(2B) precomputed.
inline constexpr double kPlatinumInverseA = 3.9083e-3;
inline constexpr double kPlatinumASquared = 1.527480889e-5;
inline constexpr double kPlatinumFourB = -2.31e-6;
inline constexpr double kPlatinumOneOverTwoB = -865800.8658008657;

// Platinum, trial resistance of the bisection below R0: the equation below
// 0 °C written with the magnitudes of B and C.
inline constexpr double kPlatinumTrialA = 3.9083e-3;
inline constexpr double kPlatinumTrialB = 5.775e-7;
inline constexpr double kPlatinumTrialC = 4.183e-12;

// Copper, temperature to resistance, -50 ... 150 °C.
inline constexpr DecimalConstant kCopperAlpha{4.28, -3};
inline constexpr DecimalConstant kCopperBeta{-9.31, -8};
inline constexpr DecimalConstant kCopperGamma{1.23, -9};

// Copper, trial resistance of the bisection (resistance to temperature).
inline constexpr double kCopperTrialA = 4.28899e-3;
inline constexpr double kCopperTrialB = -2.133e-7;
inline constexpr double kCopperTrialC = 1.233e-9;

// Resistance-to-temperature bisection: the solver stops when the trial
// resistance is strictly closer than this, and after at most 501 halvings.
inline constexpr double kRtdToleranceOhms = 0.007;
inline constexpr int kRtdStepCap = 500;

enum class RtdElement { Platinum, Copper };

// Per type: element, R0, the factor that forms R/R0 in the platinum closed
// form, and where the bisection starts. The start resistances are fixed: for
// platinum the resistance at -100 °C, for copper a little below what the
// trial characteristic gives at 50 °C (121.4070 and 60.7035 Ω).
struct RtdCharacteristic {
    RtdElement element;
    double r0;
    double perR0;
    double startCelsius;
    double startOhms;
    double lowCelsius;
    double highCelsius;
};

// Indexed by RtdType.
inline constexpr std::array<RtdCharacteristic, kRtdTypeCount> kRtdCharacteristics = {{
    {RtdElement::Platinum, 100.0, 0.01, -100.0, 60.25584, -201.0, 0.0},
    {RtdElement::Platinum, 10.0, 0.1, -100.0, 6.025584, -201.0, 0.0},
    {RtdElement::Copper, 100.0, 0.0, 50.0, 121.3921, -50.0, 150.0},
    {RtdElement::Copper, 50.0, 0.0, 50.0, 60.69605, -50.0, 150.0},
    {RtdElement::Platinum, 1000.0, 0.001, -100.0, 602.5584, -201.0, 0.0},
    {RtdElement::Platinum, 500.0, 0.002, -100.0, 301.2792, -201.0, 0.0},
}};

} // namespace velmaro::sensors
