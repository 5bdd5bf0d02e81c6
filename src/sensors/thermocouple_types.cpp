#include "sensors/thermocouple_types.h"

#include <array>

namespace velmaro::sensors {
namespace {

// Types in list order; ranges are closed. Temperature ranges are those of the
// ITS-90 reference functions (NIST Monograph 175). EMF ranges are the printed
// three-decimal table EMFs at the range ends, so the exact EMF at a range end
// can fall just outside (K at 1372 °C gives 54.886364 mV, which is refused).
// Type B's EMF range starts at its EMF at 100 °C: its inverse covers
// 100 ... 1820 °C only.
constexpr std::array<ThermocoupleInfo, kThermocoupleTypeCount> kThermocouples = {{
    {TC_S, 'S', "TC_S", {-50.0, 1768.1}, {-0.236, 18.693}},
    {TC_R, 'R', "TC_R", {-50.0, 1768.1}, {-0.226, 21.101}},
    {TC_B, 'B', "TC_B", {0.0, 1820.0}, {0.033, 13.82}},
    {TC_K, 'K', "TC_K", {-270.0, 1372.0}, {-6.458, 54.886}},
    {TC_N, 'N', "TC_N", {-270.0, 1300.0}, {-4.345, 47.513}},
    {TC_E, 'E', "TC_E", {-270.0, 1000.0}, {-9.835, 76.373}},
    {TC_J, 'J', "TC_J", {-210.0, 1200.0}, {-8.095, 69.553}},
    {TC_T, 'T', "TC_T", {-270.0, 400.0}, {-6.258, 20.872}},
}};

} // namespace

std::span<const ThermocoupleInfo, kThermocoupleTypeCount> ThermocoupleTypes() {
    return kThermocouples;
}

} // namespace velmaro::sensors
