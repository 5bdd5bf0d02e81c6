#pragma once

// EMFs the thermocouple bisection cannot bring within its tolerance: those
// between a bracket threshold (or an end of the EMF range) and the EMF at the
// bracket limit next to it. The solver runs to its step cap and ends on that
// limit.

#include "sensors/thermocouple_reference.h"

#include <algorithm>

namespace velmaro::sensors {

struct CapWindow {
    ThermocoupleType type;
    double boundaryEmf;  // threshold or end of the EMF range, mV
    double limitCelsius; // the bracket limit the solver ends on
};

inline constexpr CapWindow kCapWindows[] = {
    {TC_S, 10.3342, 1064.18}, {TC_S, 17.536, 1664.5},  {TC_S, -0.236, -50.0},
    {TC_R, 11.3615, 1064.18}, {TC_R, 19.7325, 1664.5}, {TC_B, 1.9755, 630.615},
    {TC_B, 0.033, 100.0},     {TC_N, 47.513, 1300.0},  {TC_E, -9.835, -270.0},
    {TC_E, 76.373, 1000.0},   {TC_J, 42.919, 760.0},   {TC_T, -6.258, -270.0},
    {TC_T, 20.872, 400.0},
};

inline double LimitEmf(const CapWindow& window) {
    return ReferenceEmf(window.type, window.limitCelsius);
}

inline bool InCapWindow(ThermocoupleType type, double emf) {
    for (const CapWindow& window : kCapWindows) {
        const double a = std::min(window.boundaryEmf, LimitEmf(window));
        const double b = std::max(window.boundaryEmf, LimitEmf(window));
        if (window.type == type && emf >= a && emf <= b) {
            return true;
        }
    }
    return false;
}

} // namespace velmaro::sensors
