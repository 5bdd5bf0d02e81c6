#include "instruments/reference_conditions.h"

#include <array>

namespace velmaro::instruments {
namespace {

// Normal conditions as the gas industry states them (DIN 1343); standard
// conditions at 20 °C, with 15 °C (ISO 13443) as the alternative some plants
// keep their balance in.
constexpr std::array<ReferenceInfo, 3> kReferences = {{
    {Reference::Normal, "normal", kStandardAtmospherePascals, kZeroCelsiusKelvin},
    {Reference::Standard20, "standard", kStandardAtmospherePascals, kZeroCelsiusKelvin + 20.0},
    {Reference::Standard15, "standard15", kStandardAtmospherePascals, kZeroCelsiusKelvin + 15.0},
}};
static_assert(kReferences.size() == 3);

} // namespace

std::span<const ReferenceInfo> References() {
    return kReferences;
}

} // namespace velmaro::instruments
