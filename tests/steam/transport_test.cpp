// The viscosity and thermal conductivity releases' check values, and the
// transport properties and superheat over the whole range of the states.

#include "steam/region3.h"
#include "steam/superheat.h"
#include "steam/transport.h"
#include "steam/transport_terms.h"
#include "steam/water_steam.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

namespace velmaro::steam {
namespace {

struct CheckValue {
    std::string table;
    double temperature;             // K
    std::optional<double> density;  // kg/m3
    std::optional<double> pressure; // MPa
    std::string quantity;
    std::string printed;
    std::string thermo;
};

std::vector<CheckValue> ReadCheckValues() {
    std::ifstream file(VELMARO_STEAM_TEST_DATA "/transport_verification.csv");
    std::vector<CheckValue> rows;
    std::string line;
    std::getline(file, line); // the source
    std::getline(file, line); // header
    const auto optional = [](const std::string& cell) {
        return cell.empty() ? std::nullopt : std::optional<double>(std::stod(cell));
    };
    while (std::getline(file, line)) {
        std::vector<std::string> cells;
        std::stringstream stream(line);
        for (std::string cell; std::getline(stream, cell, ',');) {
            cells.push_back(cell);
        }
        cells.resize(10);
        rows.push_back({cells[1], std::stod(cells[2]), optional(cells[3]), optional(cells[4]),
                        cells[5], cells[6], cells[8]});
    }
    return rows;
}

// A state given by T and rho: region 3's equation, as the release's table does.
State Region3State(double density, double temperature) {
    const Properties p = Region3(density, temperature);
    State state;
    state.region = 3;
    state.phase = Phase::Supercritical;
    state.temperature = temperature;
    state.pressure = p.pressure;
    state.density = density;
    state.cp = p.cp;
    state.cv = p.cv;
    state.densityByPressure = p.densityByPressure;
    return state;
}

// The printed quantity: mu in uPa s, lambda and its parts in mW/(m K).
double Computed(const CheckValue& row) {
    const double t = row.temperature;
    if (row.thermo == "none") {
        return row.quantity == "mu"
                   ? DiluteGasViscosity(t) * ResidualViscosityFactor(t, *row.density)
                   : DiluteGasConductivity(t) * ResidualConductivityFactor(t, *row.density);
    }
    const State state = row.pressure ? AtPressureTemperature(*row.pressure, t).value()
                                     : Region3State(*row.density, t);
    const double lambda = 1e3 * TransportOf(state).value().thermalConductivity;
    const double background =
        DiluteGasConductivity(t) * ResidualConductivityFactor(t, state.density);
    if (row.quantity == "lambda0bar") {
        return DiluteGasConductivity(t);
    }
    if (row.quantity == "lambda1bar") {
        return ResidualConductivityFactor(t, state.density);
    }
    if (row.quantity == "lambda2bar") {
        return lambda - background;
    }
    return lambda;
}

// The computed value with as many decimals as are printed.
std::string Rounded(double value, const std::string& printed) {
    const auto decimals = static_cast<int>(printed.size() - printed.find('.') - 1);
    std::ostringstream text;
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

// The rows with IAPWS-95 thermodynamics (the scientific critical checks at
// 647.35 K) need that formulation's derivatives, which IF97 does not give.
TEST(SteamTransportVerification, EveryCheckValueForIf97OrWithoutCriticalTermIsReproduced) {
    const std::vector<CheckValue> rows = ReadCheckValues();
    ASSERT_EQ(rows.size(), 41U);
    int checked = 0;
    for (const CheckValue& row : rows) {
        if (row.thermo == "IAPWS-95") {
            continue;
        }
        ++checked;
        const double value = Computed(row);
        EXPECT_EQ(Rounded(value, row.printed), row.printed)
            << "table " << row.table << " " << row.quantity << " at " << row.temperature << " K ("
            << value << ")";
    }
    EXPECT_EQ(checked, 27);
}

std::string Where(const State& state) {
    return std::to_string(state.pressure) + " MPa, " + std::to_string(state.temperature) + " K";
}

// A single-phase state has transport properties, and its superheat has the
// sign of its phase wherever its pressure has a saturation temperature.
void CheckSinglePhase(double pressure, double temperature) {
    const State state = AtPressureTemperature(pressure, temperature).value();
    EXPECT_TRUE(TransportOf(state)) << Where(state);
    const auto superheat = SuperheatOf(state);
    const bool saturable = pressure >= 611.212677e-6 && pressure <= 22.064;
    ASSERT_EQ(superheat.has_value(), saturable) << Where(state);
    if (superheat) {
        EXPECT_EQ(*superheat < 0.0, state.phase == Phase::CompressedLiquid) << Where(state);
    }
}

// Both saturated states have them, and lie on the line; a mixture has neither.
void CheckSaturation(double temperature) {
    const Saturation sat = SaturationAtTemperature(temperature).value();
    EXPECT_TRUE(TransportOf(sat.liquid) && TransportOf(sat.vapour)) << Where(sat.liquid);
    EXPECT_EQ(SuperheatOf(sat.liquid), 0.0);
    EXPECT_NEAR(SaturationTemperatureAt(sat.liquid.pressure).value(), temperature,
                1e-9 * temperature);
    const State wet = WetSteam(sat, 0.5).value();
    EXPECT_FALSE(TransportOf(wet) || SuperheatOf(wet)) << Where(wet);
}

// Every state up to 1173.15 K, the critical region and the saturation line
// to within millikelvins of the critical point.
TEST(SteamTransportSweep, EveryStateOfTheRangeHasThemAndWetSteamNone) {
    for (int i = -10; i <= 50; ++i) { // 0.1 kPa ... 100 MPa, ten to a decade
        const double p = 1e-3 * std::pow(10.0, i / 10.0);
        const double highest = p <= 50.0 ? 1173.15 : 1073.15;
        for (int k = 0; 273.15 + 7.5 * k <= highest; ++k) {
            CheckSinglePhase(p, 273.15 + 7.5 * k);
        }
    }
    for (const auto& [p, t] : {std::pair{22.1, 647.2}, {22.064, 647.1}, {25.0, 650.0}}) {
        CheckSinglePhase(p, t);
    }
    for (const double t : {273.16, 373.15, 500.0, 623.15, 640.0, 647.0, 647.09}) {
        CheckSaturation(t);
    }
    EXPECT_FALSE(TransportOf(AtPressureTemperature(10.0, 1173.2).value()));
    EXPECT_FALSE(SaturationTemperatureAt(22.0641));
}

} // namespace
} // namespace velmaro::steam
