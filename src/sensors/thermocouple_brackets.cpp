#include "sensors/thermocouple_brackets.h"

#include <array>
#include <limits>

namespace velmaro::sensors {
namespace {

constexpr double kAbove = std::numeric_limits<double>::infinity();

// The thresholds sit at the EMF of the sub-range limit, cut to a few digits.
// For S and J that matches the limit to the digits given; R's 11.3615 and
// 19.7325 mV and B's 1.9755 mV lie a little below the limit EMFs (11.3637,
// 19.7388, 1.9784 mV): an EMF in between is solved in the upper bracket, never
// comes within tolerance and ends at the step cap on the bracket's lower limit.
constexpr BisectionBracket kS[] = {
    {10.3342, -50.0, 1064.18, 0},
    {17.536, 1064.18, 1664.5, 1},
    {kAbove, 1664.5, 1768.1, 2},
};
constexpr BisectionBracket kR[] = {
    {11.3615, -50.0, 1064.18, 0},
    {19.7325, 1064.18, 1664.5, 1},
    {kAbove, 1664.5, 1768.1, 2},
};
// Type B's inverse starts at 100 °C, where its EMF range starts (0.033 mV).
constexpr BisectionBracket kB[] = {
    {1.9755, 100.0, 630.615, 0},
    {kAbove, 630.615, 1820.0, 1},
};
constexpr BisectionBracket kN[] = {
    {0.0, -270.0, 0.0, 0},
    {kAbove, 0.0, 1300.0, 1},
};
constexpr BisectionBracket kE[] = {
    {0.0, -270.0, 0.0, 0},
    {kAbove, 0.0, 1000.0, 1},
};
constexpr BisectionBracket kJ[] = {
    {42.919, -210.0, 760.0, 0},
    {kAbove, 760.0, 1200.0, 1},
};
constexpr BisectionBracket kT[] = {
    {0.0, -270.0, 0.0, 0},
    {kAbove, 0.0, 400.0, 1},
};

// Indexed by ThermocoupleType. Type K is inverted by its own polynomials.
constexpr std::array<BisectionPlan, kThermocoupleTypeCount> kPlans = {{
    {-9, 50, kS},
    {-9, 50, kR},
    {-7, 50, kB},
    {0, 0, {}},
    {-9, 50, kN},
    {-11, 50, kE},
    {-7, 500, kJ},
    {-7, 500, kT},
}};

} // namespace

const BisectionPlan& BisectionPlanFor(ThermocoupleType type) {
    return kPlans[type];
}

} // namespace velmaro::sensors
