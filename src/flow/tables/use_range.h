#pragma once

// The shape of a device's limits of use as the standards print them: pipe
// and bore in millimetres, the diameter ratio, the pipe Reynolds number and
// the smallest pressure ratio p2/p1 for which the expansibility equation
// holds. Rules that depend on beta or D besides are written beside the
// device's table.

namespace velmaro::flow::tables {

struct UseRange {
    double pipeMinMm;
    double pipeMaxMm;
    double boreMinMm; // 0: the standard sets no smallest bore
    double betaMin;
    double betaMax;
    double reynoldsMin;
    double reynoldsMax; // 0: the standard sets no upper Reynolds number
    double pressureRatioMin;
};

// Every expansibility equation of the three parts holds down to p2/p1 = 0.75.
inline constexpr double kPressureRatioMin = 0.75;

} // namespace velmaro::flow::tables
