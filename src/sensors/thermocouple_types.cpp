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
// The exact inverse covers each type's whole temperature range, except B's
// below 100 °C: B's EMF falls from 0 mV at 0 °C to its least near 21 °C and is
// back at 0 mV near 42 °C, so an EMF there names two temperatures; like the
// panel's inverse, B's starts at 100 °C.
constexpr std::array<ThermocoupleInfo, kThermocoupleTypeCount> kThermocouples = {{
    {TC_S, 'S', "TC_S", {-50.0, 1768.1}, {-0.236, 18.693}, {-50.0, 1768.1}},
    {TC_R, 'R', "TC_R", {-50.0, 1768.1}, {-0.226, 21.101}, {-50.0, 1768.1}},
    {TC_B, 'B', "TC_B", {0.0, 1820.0}, {0.033, 13.82}, {100.0, 1820.0}},
    {TC_K, 'K', "TC_K", {-270.0, 1372.0}, {-6.458, 54.886}, {-270.0, 1372.0}},
    {TC_N, 'N', "TC_N", {-270.0, 1300.0}, {-4.345, 47.513}, {-270.0, 1300.0}},
    {TC_E, 'E', "TC_E", {-270.0, 1000.0}, {-9.835, 76.373}, {-270.0, 1000.0}},
    {TC_J, 'J', "TC_J", {-210.0, 1200.0}, {-8.095, 69.553}, {-210.0, 1200.0}},
    {TC_T, 'T', "TC_T", {-270.0, 400.0}, {-6.258, 20.872}, {-270.0, 400.0}},
}};

} // namespace

std::span<const ThermocoupleInfo, kThermocoupleTypeCount> ThermocoupleTypes() {
    return kThermocouples;
}

} // namespace velmaro::sensors
