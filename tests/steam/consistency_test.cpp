// The entry points agree with one another: (p,h) and (p,s) lead back to the
// temperature that gave h and s, the regions meet where the formulation
// joins them, and states outside the formulation are refused.

#include "steam/water_steam.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmaro::steam {
namespace {

struct PressureTemperature {
    double p; // MPa
    double T; // K
};

// One state or more in each region, the critical neighbourhood included,
// and the range's ends, where h or s computed from the state can lie a
// rounding error beyond the end.
constexpr PressureTemperature kStates[] = {
    {0.000612, 273.16}, {3.0, 300.0},  {80.0, 500.0},  {100.0, 273.15},
    {0.0035, 300.0},    {0.1, 400.0},  {30.0, 700.0},  {10.0, 1073.0},
    {25.0, 650.0},      {22.1, 647.2}, {21.9, 646.2},  {60.0, 640.0},
    {100.0, 860.0},     {0.5, 1500.0}, {50.0, 2273.0}, {1e-6, 273.15000000000009},
    {1e-6, 2273.15},
};

TEST(SteamRoundTrip, EnthalpyAndEntropyLeadBackToTheTemperature) {
    for (const auto [p, T] : kStates) {
        const State start = AtPressureTemperature(p, T).value();
        const auto byH = AtPressureEnthalpy(p, start.enthalpy);
        const auto byS = AtPressureEntropy(p, start.entropy);
        ASSERT_TRUE(byH && byS) << p << " MPa, " << T << " K";
        EXPECT_NEAR(byH->temperature, T, 1e-7 * T) << p << " MPa, " << T << " K";
        EXPECT_NEAR(byS->temperature, T, 1e-7 * T) << p << " MPa, " << T << " K";
        EXPECT_NEAR(byH->enthalpy, start.enthalpy, 1e-9 * std::abs(start.enthalpy) + 1e-12);
        EXPECT_NEAR(byS->entropy, start.entropy, 1e-9 * std::abs(start.entropy) + 1e-12);
        EXPECT_EQ(byH->region, start.region);
    }
}

TEST(SteamRoundTrip, InsideTheDomeEnthalpyAndEntropyGiveTheQuality) {
    for (const double p : {0.001, 1.0, 16.0, 20.0, 22.0}) {
        const Saturation sat = SaturationAtPressure(p).value();
        const State wet = WetSteam(sat, 0.3).value();
        for (const auto& back :
             {AtPressureEnthalpy(p, wet.enthalpy), AtPressureEntropy(p, wet.entropy)}) {
            ASSERT_TRUE(back) << p;
            EXPECT_EQ(back->phase, Phase::WetSteam);
            EXPECT_NEAR(back->quality.value(), 0.3, 1e-9) << p;
            EXPECT_FALSE(back->cp.has_value());
        }
    }
}

// Both sides of a boundary, a hair apart: the release keeps the regions
// consistent to within these.
void ExpectClose(const State& a, const State& b, const char* where) {
    EXPECT_NEAR(a.volume, b.volume, 5e-4 * a.volume) << where;
    EXPECT_NEAR(a.enthalpy, b.enthalpy, 0.2) << where;
    EXPECT_NEAR(a.entropy, b.entropy, 2e-4) << where;
}

TEST(SteamBoundaries, NeighbouringRegionsMeet) {
    constexpr double eps = 1e-9;
    for (const double p : {20.0, 50.0, 100.0}) { // region 1 | region 3 at 623.15 K
        ExpectClose(AtPressureTemperature(p, 623.15).value(),
                    AtPressureTemperature(p, 623.15 + eps).value(), "623.15 K");
    }
    for (const double T : {630.0, 700.0, 860.0}) { // region 2 | region 3 on B23
        const double p = 0.34805185628969e3 - 0.11671859879975e1 * T + 0.10192970039326e-2 * T * T;
        const State two = AtPressureTemperature(p, T).value();
        const State three = AtPressureTemperature(p * (1 + eps), T).value();
        EXPECT_EQ(two.region, 2);
        EXPECT_EQ(three.region, 3);
        ExpectClose(two, three, "B23");
    }
    for (const double p : {0.1, 10.0, 50.0}) { // region 2 | region 5 at 1073.15 K
        ExpectClose(AtPressureTemperature(p, 1073.15).value(),
                    AtPressureTemperature(p, 1073.15 + eps).value(), "1073.15 K");
    }
    for (const double T : {300.0, 500.0, 640.0, 647.0}) { // the saturation line
        const Saturation sat = SaturationAtTemperature(T).value();
        const double p = sat.liquid.pressure;
        ExpectClose(sat.liquid, AtPressureTemperature(p * (1 + eps), T).value(), "liquid");
        ExpectClose(sat.vapour, AtPressureTemperature(p * (1 - eps), T).value(), "vapour");
        if (T > 623.15) { // region 3's two phases: equal Gibbs free energy
            EXPECT_NEAR(sat.liquid.enthalpy - T * sat.liquid.entropy,
                        sat.vapour.enthalpy - T * sat.vapour.entropy, 1e-5 * 0.461526 * T);
        }
    }
}

TEST(SteamRange, StatesOutsideTheFormulationAreRefused) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr PressureTemperature outside[] = {
        {1.0, 273.14}, {100.01, 300.0}, {50.01, 1100.0}, {1.0, 2273.16}, {0.0, 400.0},
        {-1.0, 400.0}, {nan, 400.0},    {1.0, nan},      {inf, 400.0},   {1e-320, 400.0}};
    for (const auto [p, T] : outside) {
        EXPECT_FALSE(AtPressureTemperature(p, T)) << p << " MPa, " << T << " K";
    }
    EXPECT_FALSE(AtPressureEnthalpy(1.0, -10.0));
    EXPECT_FALSE(AtPressureEnthalpy(1.0, 1e5));
    EXPECT_FALSE(AtPressureEntropy(60.0, 20.0)); // above 50 MPa region 5 is closed
    EXPECT_FALSE(AtPressureEnthalpy(nan, 100.0));
    EXPECT_FALSE(SaturationAtPressure(22.065));
    EXPECT_FALSE(SaturationAtTemperature(647.1));
    EXPECT_FALSE(WetSteam(SaturationAtPressure(1.0).value(), 1.01));
}

} // namespace
} // namespace velmaro::steam
