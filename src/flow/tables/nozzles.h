#pragma once

// Nozzles, from ISO 5167-3:2003: the discharge-coefficient equations of the
// ISA 1932 nozzle and the long radius nozzle (its high- and low-ratio forms
// share one), their limits of use and their stated uncertainties. The
// expansibility is the isentropic throat equation (flow/coefficients.cpp),
// without coefficients of its own.

#include "flow/tables/use_range.h"

namespace velmaro::flow::tables {

// C = c0 - c41 b^4.1 - (c2 b^2 - c415 b^4.15) (1e6 / Re_D)^1.15
struct Isa1932Nozzle {
    double c0, c41, c2, c415;
};
inline constexpr Isa1932Nozzle kIsa1932Nozzle{0.9900, 0.2262, 0.00175, 0.0033};

// Re_D from 2e4; from 7e4 where b < narrowBelowBeta (that band's upper beta
// is exclusive).
inline constexpr UseRange kIsa1932Range{50.0, 500.0, 0.0, 0.3, 0.8, 2e4, 1e7, kPressureRatioMin};
struct Isa1932NarrowBand {
    double belowBeta;
    double reynoldsMin;
};
inline constexpr Isa1932NarrowBand kIsa1932NarrowBand{0.44, 7e4};

// Uncertainty of C in percent: `flat` up to flatToBeta, then (rise b - offset).
struct Isa1932Uncertainty {
    double flatToBeta, flat, rise, offset;
};
inline constexpr Isa1932Uncertainty kIsa1932Uncertainty{0.6, 0.8, 2.0, 0.4};

// C = c0 - c05 b^0.5 (1e6 / Re_D)^0.5
struct LongRadiusNozzle {
    double c0, c05;
};
inline constexpr LongRadiusNozzle kLongRadiusNozzle{0.9965, 0.00653};

inline constexpr UseRange kLongRadiusRange{50.0, 630.0, 0.0, 0.2, 0.8, 1e4, 1e7, kPressureRatioMin};

// Uncertainty of C in percent.
inline constexpr double kLongRadiusUncertainty = 2.0;

// Uncertainty of epsilon in percent, both nozzles: (e0 + e8 b^8) Δp / p1.
struct ThroatEpsilonUncertainty {
    double e0, e8;
};
inline constexpr ThroatEpsilonUncertainty kNozzleEpsilonUncertainty{4.0, 100.0};

} // namespace velmaro::flow::tables
