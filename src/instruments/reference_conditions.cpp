#include "instruments/reference_conditions.h"

#include <array>

namespace velmaro::instruments {
namespace {

// Normal conditions as the gas industry states them (DIN 1343); standard
// conditions at 20 °C, with 15 °C (ISO 13443) as the alternative some plants
// keep their balance in; and the standard cubic foot of American plants,
// 60 °F at 14.696 psi.
constexpr double kPsi = si::kPoundForce / (si::kInch * si::kInch);
constexpr double kSixtyFahrenheit = (60.0 + 459.67) * si::kFahrenheitDegree;

constexpr std::array<ReferenceInfo, 4> kReferences = {{
    {Reference::Normal, "normal", kStandardAtmospherePascals, kZeroCelsiusKelvin},
    {Reference::Standard20, "standard", kStandardAtmospherePascals, kZeroCelsiusKelvin + 20.0},
    {Reference::Standard15, "standard15", kStandardAtmospherePascals, kZeroCelsiusKelvin + 15.0},
    {Reference::Standard60F, "standard60f", 14.696 * kPsi, kSixtyFahrenheit},
}};

} // namespace

std::span<const ReferenceInfo> References() {
    return kReferences;
}

} // namespace velmaro::instruments
