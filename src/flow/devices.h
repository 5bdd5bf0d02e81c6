#pragma once

// The differential-pressure devices the flowmeter sums know: orifice plates
// with their three tapping arrangements, the two nozzles, and classical
// Venturi tubes by the way their convergent section is made. Each has an id
// (the spelling typed on the command line) and a text id for its name.

#include <cstddef>
#include <iterator>
#include <string_view>

namespace velmaro::flow {

enum class MeterKind : unsigned { Orifice, Isa1932Nozzle, LongRadiusNozzle, VenturiTube };

// Orifice plates only.
enum class Taps : unsigned { Corner, Flange, DAndD2 };

// Classical Venturi tubes only.
enum class Convergent : unsigned { AsCast, Machined, RoughWelded };

struct Device {
    MeterKind kind = MeterKind::Orifice;
    Taps taps = Taps::Corner;                     // read for orifice plates only
    Convergent convergent = Convergent::Machined; // read for Venturi tubes only
};

template <class Kind> struct Named {
    Kind kind;
    std::string_view id;
    std::string_view textId;
};

inline constexpr Named<MeterKind> kMeterKinds[] = {
    {MeterKind::Orifice, "orifice", "flowmeter.device.orifice"},
    {MeterKind::Isa1932Nozzle, "isa1932-nozzle", "flowmeter.device.isa1932-nozzle"},
    {MeterKind::LongRadiusNozzle, "long-radius-nozzle", "flowmeter.device.long-radius-nozzle"},
    {MeterKind::VenturiTube, "venturi", "flowmeter.device.venturi"},
};

inline constexpr Named<Taps> kTaps[] = {
    {Taps::Corner, "corner", "flowmeter.taps.corner"},
    {Taps::Flange, "flange", "flowmeter.taps.flange"},
    {Taps::DAndD2, "d-d2", "flowmeter.taps.d-d2"},
};

inline constexpr Named<Convergent> kConvergents[] = {
    {Convergent::AsCast, "as-cast", "flowmeter.venturi.as-cast"},
    {Convergent::Machined, "machined", "flowmeter.venturi.machined"},
    {Convergent::RoughWelded, "rough-welded", "flowmeter.venturi.rough-welded"},
};

// Each list in the order of its enum, so that an enum value indexes it.
template <class Kind, std::size_t N> constexpr bool InEnumOrder(const Named<Kind> (&list)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(list[i].kind) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InEnumOrder(kMeterKinds) && InEnumOrder(kTaps) && InEnumOrder(kConvergents));

// The entry of `id` in `list`, or nullptr.
template <class Kind, std::size_t N>
constexpr const Named<Kind>* FindNamed(const Named<Kind> (&list)[N], std::string_view id) {
    for (const Named<Kind>& entry : list) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

// Whether each field the device reads holds one of its enum's values.
constexpr bool IsKnown(const Device& device) {
    const auto within = [](auto value, const auto& list) {
        return static_cast<std::size_t>(value) < std::size(list);
    };
    if (!within(device.kind, kMeterKinds)) {
        return false;
    }
    if (device.kind == MeterKind::Orifice) {
        return within(device.taps, kTaps);
    }
    if (device.kind == MeterKind::VenturiTube) {
        return within(device.convergent, kConvergents);
    }
    return true;
}

} // namespace velmaro::flow
