#pragma once

// Orifice plates, from ISO 5167-2:2003: the coefficients of the
// Reader-Harris/Gallagher equation for the discharge coefficient, the tapping
// spacings, the expansibility equation, the limits of use and the stated
// uncertainties. The equations that use them are in flow/coefficients.cpp.

#include "flow/devices.h"
#include "flow/tables/use_range.h"

#include <iterator>

namespace velmaro::flow::tables {

// C = c0 + c2 b^2 - c8 b^8                                (corner taps, Re_D infinite)
//   + slope (1e6 b / Re_D)^0.7                            (Reynolds-number terms)
//   + (a0 + aA A) b^3.5 (1e6 / Re_D)^0.3
//   + (u0 + u1 exp(-10 L1) - u2 exp(-7 L1)) (1 - uA A) b^4 / (1 - b^4)   (upstream tapping)
//   - d0 (M2' - dM M2'^1.1) b^1.3                         (downstream tapping)
// with A = (aRe b / Re_D)^0.8 and M2' = 2 L2' / (1 - b); below a pipe of
// smallPipeMm the small-pipe term s0 (0.75 - b) (2.8 - D_mm / 25.4) is added.
struct ReaderHarrisGallagher {
    double c0, c2, c8;
    double slope;
    double a0, aA, aRe;
    double u0, u1, u2, uA;
    double d0, dM;
    double smallPipeMm, s0;
};

inline constexpr ReaderHarrisGallagher kReaderHarrisGallagher{
    .c0 = 0.5961,
    .c2 = 0.0261,
    .c8 = 0.216,
    .slope = 0.000521,
    .a0 = 0.0188,
    .aA = 0.0063,
    .aRe = 19000.0,
    .u0 = 0.043,
    .u1 = 0.080,
    .u2 = 0.123,
    .uA = 0.11,
    .d0 = 0.031,
    .dM = 0.8,
    .smallPipeMm = 71.12, // 2.8 in
    .s0 = 0.011,
};

// L1 = l1 / D upstream and L2' = l2' / D downstream; flange tappings sit a
// fixed distance from the plate, so theirs is that distance over D.
struct TapSpacing {
    Taps taps;
    double l1;
    double l2;
    double fixedDistanceMm; // 0: l1 and l2 hold; else L1 = L2' = this / D_mm
};

inline constexpr TapSpacing kTapSpacings[] = {
    {Taps::Corner, 0.0, 0.0, 0.0},
    {Taps::Flange, 0.0, 0.0, 25.4},
    {Taps::DAndD2, 1.0, 0.47, 0.0},
};
static_assert(std::size(kTapSpacings) == std::size(kTaps));

// eps = 1 - (e0 + e4 b^4 + e8 b^8) (1 - (p2/p1)^(1/kappa))
struct OrificeExpansibility {
    double e0, e4, e8;
};
inline constexpr OrificeExpansibility kOrificeExpansibility{0.351, 0.256, 0.93};

// The same for every tapping; the Reynolds number has one more lower bound,
// below.
inline constexpr UseRange kOrificeRange{50.0, 1000.0, 12.5, 0.1,
                                        0.75, 5000.0, 0.0,  kPressureRatioMin};

// Corner and D and D/2 tappings: Re_D >= steepFactor b^2 when b > steepFromBeta.
// Flange tappings: Re_D >= flangeFactor b^2 D_mm.
struct OrificeReynoldsRules {
    double steepFromBeta;
    double steepFactor;
    double flangeFactor;
};
inline constexpr OrificeReynoldsRules kOrificeReynoldsRules{0.56, 16000.0, 170.0};

// Uncertainty of C, in percent: `low` below betaLow, `mid` up to betaHigh,
// then (rise b - riseOffset); added to it, smallPipe (0.75 - b) (2.8 -
// D_mm / 25.4) below smallPipeMm, and lowReynolds when b > lowReynoldsBeta
// and Re_D < lowReynoldsBelow. Of epsilon: epsilon Δp / (kappa p1).
struct OrificeUncertainty {
    double betaLow, low;
    double betaHigh, mid;
    double rise, riseOffset;
    double smallPipe;
    double lowReynoldsBeta, lowReynoldsBelow, lowReynolds;
    double epsilon;
};
inline constexpr OrificeUncertainty kOrificeUncertainty{
    .betaLow = 0.2,
    .low = 0.7,
    .betaHigh = 0.6,
    .mid = 0.5,
    .rise = 1.667,
    .riseOffset = 0.5,
    .smallPipe = 0.9,
    .lowReynoldsBeta = 0.5,
    .lowReynoldsBelow = 10000.0,
    .lowReynolds = 0.2,
    .epsilon = 3.5,
};

} // namespace velmaro::flow::tables
