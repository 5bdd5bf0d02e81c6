#pragma once

// The reference conditions a gas volume flow is stated at besides the line's
// own pressure and temperature.

#include "convert/unit_definitions.h"

#include <span>
#include <string_view>

namespace velmaro::instruments {

// Atmospheric pressure that a gauge pressure is read above, Pa.
inline constexpr double kStandardAtmospherePascals = si::kAtmosphere;

// 0 °C on the kelvin scale.
inline constexpr double kZeroCelsiusKelvin = si::kKelvinAtZeroCelsius;

enum class Reference : unsigned {
    Normal = 0,      // 0 °C, 101.325 kPa ("Nm³")
    Standard20 = 1,  // 20 °C, 101.325 kPa
    Standard15 = 2,  // 15 °C, 101.325 kPa
    Standard60F = 3, // 60 °F, 14.696 psia: the standard cubic foot (SCFM)
};

struct ReferenceInfo {
    Reference reference;
    std::string_view id; // "normal", "standard", "standard15", "standard60f"
    double pascals;
    double kelvin;
};

// Indexed by Reference.
std::span<const ReferenceInfo> References();

inline const ReferenceInfo& ReferenceOf(Reference reference) {
    return References()[static_cast<unsigned>(reference)];
}

} // namespace velmaro::instruments
