#pragma once

// Classical Venturi tubes, from ISO 5167-4:2003: a constant discharge
// coefficient, its uncertainty and the limits of use for each way of making
// the convergent section. The expansibility is the isentropic throat
// equation, as for nozzles.

#include "flow/devices.h"
#include "flow/tables/nozzles.h"
#include "flow/tables/use_range.h"

#include <iterator>

namespace velmaro::flow::tables {

struct VenturiTube {
    Convergent convergent;
    double discharge;          // C
    double uncertaintyPercent; // of C
    UseRange range;
};

inline constexpr VenturiTube kVenturiTubes[] = {
    {Convergent::AsCast, 0.984, 0.7, {100.0, 800.0, 0.0, 0.3, 0.75, 2e5, 2e6, kPressureRatioMin}},
    {Convergent::Machined, 0.995, 1.0, {50.0, 250.0, 0.0, 0.4, 0.75, 2e5, 1e6, kPressureRatioMin}},
    {Convergent::RoughWelded,
     0.985,
     1.5,
     {200.0, 1200.0, 0.0, 0.4, 0.7, 2e5, 2e6, kPressureRatioMin}},
};
static_assert(std::size(kVenturiTubes) == std::size(kConvergents));

// Uncertainty of epsilon in percent: (e0 + e8 b^8) Δp / p1, as for nozzles.
inline constexpr ThroatEpsilonUncertainty kVenturiEpsilonUncertainty{4.0, 100.0};

} // namespace velmaro::flow::tables
