#include "flow/limits.h"

#include "flow/tables/nozzles.h"
#include "flow/tables/orifice_plate.h"
#include "flow/tables/venturi_tubes.h"

#include <algorithm>

namespace velmaro::flow {
namespace {

// Diameters are typed as decimals in millimetres and beta is their quotient:
// 225 mm in 300 mm must meet beta <= 0.75 although neither is exact in
// binary. A bound counts as met within this relative slack, far below any
// digit a person types.
constexpr double kSlack = 1e-12;

bool Below(double value, double bound) {
    return value < bound * (1.0 - kSlack);
}

bool Above(double value, double bound) {
    return value > bound * (1.0 + kSlack);
}

// The device's table of limits, and its smallest Reynolds number at this
// beta and D.
struct Range {
    tables::UseRange table;
    double reynoldsMin;
};

Range RangeOf(const Device& device, double beta, double pipeMm) {
    switch (device.kind) {
    case MeterKind::Orifice: {
        const auto& rules = tables::kOrificeReynoldsRules;
        double reynoldsMin = tables::kOrificeRange.reynoldsMin;
        if (device.taps == Taps::Flange) {
            reynoldsMin = std::max(reynoldsMin, rules.flangeFactor * beta * beta * pipeMm);
        } else if (Above(beta, rules.steepFromBeta)) {
            reynoldsMin = std::max(reynoldsMin, rules.steepFactor * beta * beta);
        }
        return {tables::kOrificeRange, reynoldsMin};
    }
    case MeterKind::Isa1932Nozzle: {
        const auto& narrow = tables::kIsa1932NarrowBand;
        return {tables::kIsa1932Range, Below(beta, narrow.belowBeta)
                                           ? narrow.reynoldsMin
                                           : tables::kIsa1932Range.reynoldsMin};
    }
    case MeterKind::LongRadiusNozzle:
        return {tables::kLongRadiusRange, tables::kLongRadiusRange.reynoldsMin};
    case MeterKind::VenturiTube: {
        const tables::UseRange& range =
            tables::kVenturiTubes[static_cast<unsigned>(device.convergent)].range;
        return {range, range.reynoldsMin};
    }
    }
    return {tables::kOrificeRange, tables::kOrificeRange.reynoldsMin};
}

} // namespace

LimitCheck CheckLimits(const Device& device, double pipe, double bore, double reynolds,
                       double pressureRatio, bool liquid) {
    const double beta = bore / pipe;
    const double pipeMm = pipe * 1000.0;
    const auto [table, reynoldsMin] = RangeOf(device, beta, pipeMm);

    LimitCheck check{};
    AppliedLimits& applied = check.applied;
    applied.pipeMin = table.pipeMinMm / 1000.0;
    applied.pipeMax = table.pipeMaxMm / 1000.0;
    if (table.boreMinMm > 0.0) {
        applied.boreMin = table.boreMinMm / 1000.0;
    }
    applied.betaMin = table.betaMin;
    applied.betaMax = table.betaMax;
    applied.reynoldsMin = reynoldsMin;
    if (table.reynoldsMax > 0.0) {
        applied.reynoldsMax = table.reynoldsMax;
    }
    applied.pressureRatioMin = table.pressureRatioMin;

    Limits& broken = check.broken;
    if (Below(pipeMm, table.pipeMinMm)) {
        broken.Add(Limit::PipeBelowMinimum);
    }
    if (Above(pipeMm, table.pipeMaxMm)) {
        broken.Add(Limit::PipeAboveMaximum);
    }
    if (table.boreMinMm > 0.0 && Below(bore * 1000.0, table.boreMinMm)) {
        broken.Add(Limit::BoreBelowMinimum);
    }
    if (Below(beta, table.betaMin)) {
        broken.Add(Limit::BetaBelowMinimum);
    }
    if (Above(beta, table.betaMax)) {
        broken.Add(Limit::BetaAboveMaximum);
    }
    if (Below(reynolds, reynoldsMin)) {
        broken.Add(Limit::ReynoldsBelowMinimum);
    }
    if (table.reynoldsMax > 0.0 && Above(reynolds, table.reynoldsMax)) {
        broken.Add(Limit::ReynoldsAboveMaximum);
    }
    if (!liquid && Below(pressureRatio, table.pressureRatioMin)) {
        broken.Add(Limit::PressureRatioBelowMinimum);
    }
    return check;
}

} // namespace velmaro::flow
