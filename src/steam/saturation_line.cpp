// Region 4's pair of saturation equations (each the exact inverse of the
// other) and the quadratic boundary equations B23 and B2bc.

#include "steam/saturation_line.h"

#include "steam/tables/coefficients.h"

#include <cmath>

namespace velmaro::steam {

using namespace tables;

namespace {

// The release numbers the coefficients from 1.
constexpr double N(const auto& table, int i) {
    return table[static_cast<unsigned>(i - 1)];
}

} // namespace

double SaturationPressure(double temperature) {
    const double t = temperature / kR4Tstar;
    const double v = t + N(kRegion4, 9) / (t - N(kRegion4, 10));
    const double a = v * v + N(kRegion4, 1) * v + N(kRegion4, 2);
    const double b = N(kRegion4, 3) * v * v + N(kRegion4, 4) * v + N(kRegion4, 5);
    const double c = N(kRegion4, 6) * v * v + N(kRegion4, 7) * v + N(kRegion4, 8);
    const double root = 2.0 * c / (-b + std::sqrt(b * b - 4.0 * a * c));
    const double square = root * root;
    return square * square * kR4Pstar;
}

double SaturationTemperature(double pressure) {
    const double beta = std::sqrt(std::sqrt(pressure / kR4Pstar));
    const double e = beta * beta + N(kRegion4, 3) * beta + N(kRegion4, 6);
    const double f = N(kRegion4, 1) * beta * beta + N(kRegion4, 4) * beta + N(kRegion4, 7);
    const double g = N(kRegion4, 2) * beta * beta + N(kRegion4, 5) * beta + N(kRegion4, 8);
    const double d = 2.0 * g / (-f - std::sqrt(f * f - 4.0 * e * g));
    const double n10d = N(kRegion4, 10) + d;
    return (n10d - std::sqrt(n10d * n10d - 4.0 * (N(kRegion4, 9) + N(kRegion4, 10) * d))) / 2.0 *
           kR4Tstar;
}

double B23Pressure(double temperature) {
    const double t = temperature / kB23Tstar;
    return (N(kB23, 1) + N(kB23, 2) * t + N(kB23, 3) * t * t) * kB23Pstar;
}

double B23Temperature(double pressure) {
    const double p = pressure / kB23Pstar;
    return (N(kB23, 4) + std::sqrt((p - N(kB23, 5)) / N(kB23, 3))) * kB23Tstar;
}

double B2bcPressure(double enthalpy) {
    const double h = enthalpy / kB2bcHstar;
    return (N(kB2bc, 1) + N(kB2bc, 2) * h + N(kB2bc, 3) * h * h) * kB2bcPstar;
}

double B2bcEnthalpy(double pressure) {
    const double p = pressure / kB2bcPstar;
    return (N(kB2bc, 4) + std::sqrt((p - N(kB2bc, 5)) / N(kB2bc, 3))) * kB2bcHstar;
}

} // namespace velmaro::steam
