// The flowmeter sums beyond the worked cases: input without an answer is a
// named fault, a broken limit of use is named and the result still given,
// the three sums undo one another at the edges of their iterations, the
// fluids' front ends and the transmitter's Δp.

#include "flow/meter.h"
#include "flow/roots.h"
#include "flow/transmitter_link.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmaro::flow {
namespace {

constexpr Device kCorner{MeterKind::Orifice, Taps::Corner};
constexpr Device kFlange{MeterKind::Orifice, Taps::Flange};
constexpr Device kIsa1932{MeterKind::Isa1932Nozzle};
constexpr Device kLongRadius{MeterKind::LongRadiusNozzle};
constexpr Device kRoughWelded{MeterKind::VenturiTube, Taps::Corner, Convergent::RoughWelded};
constexpr Meter kOrifice{kCorner, 0.1, 0.05};
constexpr FluidState kWater{500000.0, 998.2, 0.0010016, 0.0, true, std::nullopt};
constexpr FluidState kAir{200000.0, 2.37674, 1.81e-05, 1.4, false, std::nullopt};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

FluidState Fluid(double p, double rho, double mu, double kappa, bool liquid) {
    return {p, rho, mu, kappa, liquid, std::nullopt};
}

struct FaultCase {
    const char* name;
    FlowResult result;
    Fault expected;
};

TEST(Meter, InputWithoutAnAnswerIsAFault) {
    const FaultCase cases[] = {
        {"D 0", FlowFromDifferential({kCorner, 0.0, 0.05}, kWater, 25000.0),
         Fault::PipeNotPositive},
        {"d < 0", FlowFromDifferential({kCorner, 0.1, -0.05}, kWater, 25000.0),
         Fault::BoreNotPositive},
        {"d = D", DifferentialFromFlow({kCorner, 0.1, 0.1}, kWater, 1.0), Fault::BoreNotBelowPipe},
        {"Δp 0", FlowFromDifferential(kOrifice, kWater, 0.0), Fault::DifferentialNotPositive},
        {"Δp = p1", FlowFromDifferential(kOrifice, kWater, 500000.0),
         Fault::DifferentialNotBelowInlet},
        {"sizing, Δp > p1", SizeBore(kOrifice, kAir, 1.0, 300000.0),
         Fault::DifferentialNotBelowInlet},
        {"p1 0", FlowFromDifferential(kOrifice, Fluid(0.0, 998.2, 1e-3, 0.0, true), 1.0),
         Fault::PressureNotPositive},
        {"rho 0", FlowFromDifferential(kOrifice, Fluid(5e5, 0.0, 1e-3, 0.0, true), 1.0),
         Fault::DensityNotPositive},
        {"mu < 0", SizeBore(kOrifice, Fluid(5e5, 998.2, -1e-3, 0.0, true), 1.0, 1.0),
         Fault::ViscosityNotPositive},
        {"gas, kappa 1", FlowFromDifferential(kOrifice, Fluid(2e5, 2.4, 2e-5, 1.0, false), 1.0),
         Fault::KappaNotAboveOne},
        {"liquid, kappa unread", FlowFromDifferential(kOrifice, kWater, 25000.0), Fault::None},
        {"qm 0", DifferentialFromFlow(kOrifice, kWater, 0.0), Fault::MassFlowNotPositive},
        {"NaN Δp", FlowFromDifferential(kOrifice, kWater, kNaN), Fault::NotFinite},
        {"infinite D", SizeBore({kCorner, INFINITY, 0.0}, kWater, 1.0, 1.0), Fault::NotFinite},
        {"overflow", FlowFromDifferential(kOrifice, Fluid(1e300, 1e300, 1e-3, 0.0, true), 1e299),
         Fault::NotFinite},
        {"unknown kind",
         FlowFromDifferential({{static_cast<MeterKind>(7)}, 0.1, 0.05}, kWater, 1.0),
         Fault::UnknownDevice},
        {"unknown taps",
         FlowFromDifferential({{MeterKind::Orifice, static_cast<Taps>(3)}, 0.1, 0.05}, kWater, 1.0),
         Fault::UnknownDevice},
        // p2 would fall below zero: no Δp passes 1000 kg/s of water.
        {"liquid beyond p1", DifferentialFromFlow(kOrifice, kWater, 1000.0),
         Fault::FlowBeyondInlet},
        // More than the throat passes when it chokes.
        {"gas beyond choking", DifferentialFromFlow({kLongRadius, 0.1, 0.08}, kAir, 5.0),
         Fault::FlowBeyondInlet},
        {"gas beyond the pipe", SizeBore({kIsa1932, 0.1, 0.0}, kAir, 50.0, 20000.0),
         Fault::FlowBeyondPipe},
        // C = 0.9965 - 4.6 / sqrt(Re_D) has no positive value at Re_D ~ 2.
        {"long radius at Re_D 2",
         FlowFromDifferential({kLongRadius, 0.1, 0.05}, Fluid(5e5, 998.2, 10.0, 0.0, true), 1e3),
         Fault::NoDischargeCoefficient},
    };
    for (const FaultCase& c : cases) {
        EXPECT_EQ(c.result.fault, c.expected) << c.name;
        if (c.expected != Fault::None) {
            EXPECT_EQ(c.result.massFlow, 0.0) << c.name;
            EXPECT_EQ(c.result.differential, 0.0) << c.name;
        }
    }
}

struct LimitCase {
    const char* name;
    Device device;
    double pipe;
    double bore;
    double reynolds;
    double pressureRatio;
    bool liquid;
    std::initializer_list<Limit> broken;
};

TEST(Meter, BrokenLimitsAreNamed) {
    const LimitCase cases[] = {
        {"within", kCorner, 0.1, 0.05, 1e5, 0.9, false, {}},
        {"225 mm in 300 mm is beta 0.75", kCorner, 0.3, 0.225, 1e6, 0.75, false, {}},
        {"D 40 mm", kCorner, 0.04, 0.02, 1e5, 0.9, false, {Limit::PipeBelowMinimum}},
        {"D 1200 mm", kCorner, 1.2, 0.6, 1e6, 0.9, false, {Limit::PipeAboveMaximum}},
        {"d 10 mm", kCorner, 0.05, 0.01, 1e5, 0.9, false, {Limit::BoreBelowMinimum}},
        {"beta 0.09", kCorner, 0.2, 0.018, 1e5, 0.9, false, {Limit::BetaBelowMinimum}},
        {"beta 0.8, Re_D 9000",
         kCorner,
         0.1,
         0.08,
         9000.0,
         0.9,
         false,
         {Limit::BetaAboveMaximum, Limit::ReynoldsBelowMinimum}},
        {"beta 0.56, Re_D 5000", kCorner, 0.1, 0.056, 5000.0, 0.9, false, {}},
        {"beta 0.6, Re_D 5500 < 16000 beta²",
         kCorner,
         0.1,
         0.06,
         5500.0,
         0.9,
         false,
         {Limit::ReynoldsBelowMinimum}},
        {"flange, Re_D 40000 < 170 beta² D_mm",
         kFlange,
         1.0,
         0.5,
         40000.0,
         0.9,
         false,
         {Limit::ReynoldsBelowMinimum}},
        {"ISA 1932, beta 0.4, Re_D 5e4",
         kIsa1932,
         0.1,
         0.04,
         5e4,
         0.9,
         false,
         {Limit::ReynoldsBelowMinimum}},
        {"ISA 1932, beta 0.44, Re_D 5e4", kIsa1932, 0.1, 0.044, 5e4, 0.9, false, {}},
        {"ISA 1932, Re_D 2e7", kIsa1932, 0.1, 0.05, 2e7, 0.9, false, {Limit::ReynoldsAboveMaximum}},
        {"gas, p2/p1 0.74",
         kLongRadius,
         0.1,
         0.05,
         1e5,
         0.74,
         false,
         {Limit::PressureRatioBelowMinimum}},
        {"liquid, p2/p1 0.74", kLongRadius, 0.1, 0.05, 1e5, 0.74, true, {}},
        {"rough-welded, D 150 mm, beta 0.72",
         kRoughWelded,
         0.15,
         0.108,
         5e5,
         0.9,
         false,
         {Limit::PipeBelowMinimum, Limit::BetaAboveMaximum}},
    };
    for (const LimitCase& c : cases) {
        Limits expected;
        for (const Limit limit : c.broken) {
            expected.Add(limit);
        }
        const LimitCheck check =
            CheckLimits(c.device, c.pipe, c.bore, c.reynolds, c.pressureRatio, c.liquid);
        EXPECT_EQ(check.broken.Bits(), expected.Bits()) << c.name;
    }

    const AppliedLimits flange = CheckLimits(kFlange, 1.0, 0.5, 1e6, 0.9, false).applied;
    EXPECT_DOUBLE_EQ(flange.reynoldsMin, 42500.0);
    EXPECT_DOUBLE_EQ(flange.boreMin.value(), 0.0125);
    EXPECT_FALSE(flange.reynoldsMax);

    // Outside a limit the flow is still worked out.
    const FlowResult wide = FlowFromDifferential({kCorner, 0.1, 0.08}, kWater, 25000.0);
    EXPECT_EQ(wide.fault, Fault::None);
    EXPECT_GT(wide.massFlow, 0.0);
    EXPECT_TRUE(wide.limits.broken.Has(Limit::BetaAboveMaximum));
}

struct RoundTrip {
    const char* name;
    Meter meter;
    FluidState fluid;
    double differential;
};

// Δp from the flow and the bore from both return the flow's own Δp and d,
// where each iteration has the most to do.
TEST(Meter, SumsUndoOneAnother) {
    const RoundTrip cases[] = {
        {"orifice, Re_D 15 (C 4.1)", kOrifice, Fluid(5e5, 998.2, 10.0, 0.0, true), 1000.0},
        {"flange, Re_D 0.5 (C 130)",
         {kFlange, 0.1, 0.05},
         Fluid(5e5, 998.2, 1e4, 0.0, true),
         1000.0},
        {"ISA 1932, beta 0.8, Re_D 3e4",
         {kIsa1932, 0.1, 0.08},
         Fluid(5e5, 998.2, 0.02, 0, true),
         40000.0},
        {"long radius, near choking",
         {kLongRadius, 0.1, 0.08},
         Fluid(1e5, 1.0, 1e-5, 1.05, false),
         34000.0},
        {"Venturi tube, p2/p1 0.75", {kRoughWelded, 0.6, 0.3}, kAir, 50000.0},
        {"orifice, p2/p1 0.4", {kCorner, 0.1, 0.03}, kAir, 120000.0},
        {"orifice, beta 0.05", {kCorner, 1.0, 0.05}, kAir, 100.0},
        {"orifice, beta 0.9", {kCorner, 0.1, 0.09}, kWater, 100.0},
        {"ISA 1932, beta 0.96: the secant leaves (0, 1)", {kIsa1932, 0.3, 0.288}, kWater, 20000.0},
    };
    for (const RoundTrip& c : cases) {
        const FlowResult forward = FlowFromDifferential(c.meter, c.fluid, c.differential);
        ASSERT_EQ(forward.fault, Fault::None) << c.name;
        const FlowResult back = DifferentialFromFlow(c.meter, c.fluid, forward.massFlow);
        ASSERT_EQ(back.fault, Fault::None) << c.name;
        EXPECT_NEAR(back.differential, c.differential, 1e-12 * c.differential) << c.name;
        const FlowResult sized = SizeBore(c.meter, c.fluid, forward.massFlow, c.differential);
        ASSERT_EQ(sized.fault, Fault::None) << c.name;
        EXPECT_NEAR(sized.bore, c.meter.bore, 1e-12 * c.meter.bore) << c.name;
        EXPECT_NEAR(sized.discharge, forward.discharge, 1e-12) << c.name;
    }
}

// Where the secant gives up, the bracket still ends: at a jump, on the two
// doubles beside it.
TEST(Meter, BracketEndsAtAJump) {
    const auto step = [](double x) { return x < 0.3 ? -1.0 : 1.0; };
    EXPECT_FALSE(Secant(
        step, 0.1, 0.2, [](double x) { return x > 0.0 && x < 1.0; }, 1e-12, 30));
    const double root = RootInBracket(step, 0.0, 1.0, -1.0, 1.0, 0.0);
    EXPECT_NEAR(root, 0.3, 1e-16);
}

TEST(Fluids, FrontEnds) {
    // Air: rho_n = p_n M / (R T_n), rho1 = rho_n (p / p_n) (T_n / T).
    const GasInput air{200000.0, 293.15, 1.0, 1.4, 1.81e-5, true, 0.0, 28.9647, 1.0};
    const FluidResult byMolarMass = Gas(air);
    ASSERT_EQ(byMolarMass.fault, Fault::None);
    const double normal = 101325.0 * 28.9647e-3 / (8.314462618 * 273.15);
    EXPECT_NEAR(*byMolarMass.state.normalDensity, normal, 1e-15 * normal);
    EXPECT_NEAR(byMolarMass.state.density, 200000.0 * 28.9647e-3 / (8.314462618 * 293.15), 1e-14);
    GasInput typed = air;
    typed.fromMolarMass = false;
    typed.normalDensity = normal;
    typed.z = 0.95;
    EXPECT_NEAR(Gas(typed).state.density, byMolarMass.state.density / 0.95, 1e-14);

    const FlowResult gas = FlowFromDifferential({kCorner, 0.1, 0.06}, byMolarMass.state, 20000.0);
    EXPECT_NEAR(*gas.normalVolumeFlow, gas.massFlow / normal, 1e-15);
    EXPECT_FALSE(FlowFromDifferential(kOrifice, kWater, 1e4).normalVolumeFlow);

    const FluidResult water = WaterSteam(500000.0, 293.15);
    EXPECT_TRUE(water.state.liquid);
    EXPECT_NEAR(water.state.density, 998.388383511, 1e-9);
    // Steam at 4 MPa, 300 °C: kappa = rho w² / p from IF97.
    const FluidResult steam = WaterSteam(4e6, 573.15);
    EXPECT_FALSE(steam.state.liquid);
    EXPECT_NEAR(steam.state.kappa, 1.28573720431, 1e-10);

    const struct {
        const char* name;
        Fault fault;
        Fault expected;
    } faults[] = {
        {"T 0", Gas({2e5, 0.0, 1, 1.4, 2e-5, true, 0, 29, 1}).fault, Fault::TemperatureNotPositive},
        {"Z 0", Gas({2e5, 293, 0, 1.4, 2e-5, true, 0, 29, 1}).fault, Fault::ZNotPositive},
        {"M 0", Gas({2e5, 293, 1, 1.4, 2e-5, true, 0, 0, 1}).fault, Fault::MolarMassNotPositive},
        {"rho_n 0", Gas({2e5, 293, 1, 1.4, 2e-5, false, 0, 29, 1}).fault,
         Fault::DensityNotPositive},
        {"kappa 0.9", Gas({2e5, 293, 1, 0.9, 2e-5, true, 0, 29, 1}).fault, Fault::KappaNotAboveOne},
        {"liquid, mu 0", Liquid(5e5, 998.0, 0.0).fault, Fault::ViscosityNotPositive},
        {"steam at 2500 K", WaterSteam(1e6, 2500.0).fault, Fault::OutsideWaterSteam},
        // IF97 holds, the viscosity's equation does not.
        {"steam at 1500 K", WaterSteam(1e6, 1500.0).fault, Fault::OutsideWaterSteam},
        {"volume flow", MassFlowOf(kWater, FlowBasis::Volume, 0.01).fault, Fault::None},
        {"normal flow of water", MassFlowOf(kWater, FlowBasis::NormalVolume, 1.0).fault,
         Fault::NoNormalDensity},
        {"mass flow 0", MassFlowOf(kWater, FlowBasis::Mass, 0.0).fault, Fault::MassFlowNotPositive},
    };
    for (const auto& f : faults) {
        EXPECT_EQ(f.fault, f.expected) << f.name;
    }
    EXPECT_DOUBLE_EQ(MassFlowOf(kWater, FlowBasis::Volume, 0.01).value, 9.982);
}

TEST(Transmitter, SignalToFlowAndFullScale) {
    const DifferentialTransmitter range{0.0, 40000.0, {4.0, 20.0}};
    const SignalFlow mid = FlowFromSignal(kOrifice, kWater, range, 12.0);
    EXPECT_EQ(mid.reading.value, 20000.0);
    EXPECT_EQ(mid.flow.massFlow, FlowFromDifferential(kOrifice, kWater, 20000.0).massFlow);
    EXPECT_EQ(mid.fullScale.massFlow, FlowFromDifferential(kOrifice, kWater, 40000.0).massFlow);

    const SignalFlow low = FlowFromSignal(kOrifice, kWater, range, 3.6);
    EXPECT_TRUE(low.reading.outside);
    EXPECT_EQ(low.flow.fault, Fault::DifferentialNotPositive);
    EXPECT_EQ(low.fullScale.fault, Fault::None);

    const SignalFlow empty = FlowFromSignal(kOrifice, kWater, {0.0, 0.0, {4.0, 20.0}}, 12.0);
    EXPECT_EQ(empty.reading.fault, instruments::Fault::EmptyRange);
    EXPECT_EQ(empty.flow.fault, Fault::NoSignalReading);
}

} // namespace
} // namespace velmaro::flow
