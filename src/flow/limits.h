#pragma once

// The standards' limits of use of each device: outside them the equations
// still give a number, and the sums still give it, but the stated
// uncertainties no longer apply. Each broken limit is named, with the id of
// its text beside it, and the limits that applied are handed back in SI
// units, so that a message can say what the bound was.

#include "flow/devices.h"

#include <optional>
#include <string_view>

namespace velmaro::flow {

enum class Limit : unsigned {
    PipeBelowMinimum,
    PipeAboveMaximum,
    BoreBelowMinimum,
    BetaBelowMinimum,
    BetaAboveMaximum,
    ReynoldsBelowMinimum,
    ReynoldsAboveMaximum,
    PressureRatioBelowMinimum, // p2/p1 below the expansibility equation's range
};

inline constexpr Limit kAllLimits[] = {
    Limit::PipeBelowMinimum,     Limit::PipeAboveMaximum,          Limit::BoreBelowMinimum,
    Limit::BetaBelowMinimum,     Limit::BetaAboveMaximum,          Limit::ReynoldsBelowMinimum,
    Limit::ReynoldsAboveMaximum, Limit::PressureRatioBelowMinimum,
};

constexpr std::string_view LimitTextId(Limit limit) {
    switch (limit) {
    case Limit::PipeBelowMinimum:
        return "flowmeter.limit.pipe-below-minimum";
    case Limit::PipeAboveMaximum:
        return "flowmeter.limit.pipe-above-maximum";
    case Limit::BoreBelowMinimum:
        return "flowmeter.limit.bore-below-minimum";
    case Limit::BetaBelowMinimum:
        return "flowmeter.limit.beta-below-minimum";
    case Limit::BetaAboveMaximum:
        return "flowmeter.limit.beta-above-maximum";
    case Limit::ReynoldsBelowMinimum:
        return "flowmeter.limit.reynolds-below-minimum";
    case Limit::ReynoldsAboveMaximum:
        return "flowmeter.limit.reynolds-above-maximum";
    case Limit::PressureRatioBelowMinimum:
        return "flowmeter.limit.pressure-ratio-below-minimum";
    }
    return "";
}

// kAllLimits holds every limit once, in the enum's order, each with its text.
constexpr bool EveryLimitHasATextId() {
    unsigned index = 0;
    for (const Limit limit : kAllLimits) {
        if (static_cast<unsigned>(limit) != index++ ||
            !LimitTextId(limit).starts_with("flowmeter.limit.")) {
            return false;
        }
    }
    return index == static_cast<unsigned>(Limit::PressureRatioBelowMinimum) + 1;
}
static_assert(EveryLimitHasATextId());

// A set of limits.
class Limits {
public:
    constexpr void Add(Limit limit) { bits_ |= Bit(limit); }
    constexpr bool Has(Limit limit) const { return (bits_ & Bit(limit)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr unsigned Bits() const { return bits_; }
    constexpr bool operator==(const Limits&) const = default;

private:
    static constexpr unsigned Bit(Limit limit) { return 1U << static_cast<unsigned>(limit); }
    unsigned bits_ = 0;
};

// The bounds that applied to one meter at one flow, in SI units. The
// smallest Reynolds number is the one for this beta and D.
struct AppliedLimits {
    double pipeMin = 0.0;          // m
    double pipeMax = 0.0;          // m
    std::optional<double> boreMin; // m; none for nozzles and Venturi tubes
    double betaMin = 0.0;
    double betaMax = 0.0;
    double reynoldsMin = 0.0;
    std::optional<double> reynoldsMax; // none for orifice plates
    double pressureRatioMin = 0.0;     // p2/p1; not checked for a liquid
};

struct LimitCheck {
    Limits broken;
    AppliedLimits applied;
};

// `pipe` and `bore` in metres; `pressureRatio` is p2/p1, checked unless the
// fluid is a liquid. The device must be known (IsKnown).
LimitCheck CheckLimits(const Device& device, double pipe, double bore, double reynolds,
                       double pressureRatio, bool liquid);

} // namespace velmaro::flow
