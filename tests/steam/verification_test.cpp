// Every check value the formulation publishes, reproduced to all its printed
// digits: basic equations, saturation line, boundaries and backward equations.

#include "steam/backward.h"
#include "steam/region3.h"
#include "steam/saturation_line.h"
#include "steam/water_steam.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace velmaro::steam {
namespace {

struct CheckValue {
    std::string table;
    double in1;
    double in2;
    std::string property;
    std::string printed;
};

std::vector<CheckValue> ReadCheckValues() {
    std::ifstream file(VELMARO_STEAM_TEST_DATA "/verification.csv");
    std::vector<CheckValue> rows;
    std::string line;
    std::getline(file, line); // header
    while (std::getline(file, line)) {
        std::vector<std::string> cells;
        std::stringstream stream(line);
        for (std::string cell; std::getline(stream, cell, ',');) {
            cells.push_back(cell);
        }
        cells.resize(11);
        rows.push_back({cells[0], std::stod(cells[3]), cells[6].empty() ? 0.0 : std::stod(cells[6]),
                        cells[8], cells[9]});
    }
    return rows;
}

double Pick(const std::string& property, double p, double v, double h, double u, double s,
            double cp, double w) {
    const std::map<std::string, double> values{{"p", p}, {"v", v},   {"h", h}, {"u", u},
                                               {"s", s}, {"cp", cp}, {"w", w}};
    return values.at(property);
}

double Computed(const CheckValue& row) {
    const std::string& t = row.table;
    if (t == "5" || t == "15" || t == "42") { // T, p
        const State st = AtPressureTemperature(row.in2, row.in1).value();
        return Pick(row.property, st.pressure, st.volume, st.enthalpy, st.internalEnergy,
                    st.entropy, st.cp.value(), st.speedOfSound.value());
    }
    if (t == "33") { // T, rho
        const Properties st = Region3(row.in2, row.in1);
        return Pick(row.property, st.pressure, st.volume, st.enthalpy, st.internalEnergy,
                    st.entropy, st.cp, st.speedOfSound);
    }
    const std::map<std::string, double (*)(double, double)> backward{
        {"7", Region1TemperatureFromEnthalpy},
        {"9", Region1TemperatureFromEntropy},
        {"24", Region2TemperatureFromEnthalpy},
        {"29", Region2TemperatureFromEntropy}};
    if (backward.count(t) != 0) {
        return backward.at(t)(row.in1, row.in2);
    }
    const std::map<std::string, double (*)(double)> single{
        {"35ps", SaturationPressure}, {"36Ts", SaturationTemperature}, {"B23p", B23Pressure},
        {"B23T", B23Temperature},     {"B2bcp", B2bcPressure},         {"B2bch", B2bcEnthalpy}};
    return single.at(t + row.property)(row.in1);
}

// The computed value rounded to as many significant digits as are printed.
std::string Rounded(double value, const std::string& printed) {
    const std::string mantissa = printed.substr(0, printed.find('e'));
    const auto digits = static_cast<int>(mantissa.size() - mantissa.find('.') - 1);
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    return text;
}

TEST(SteamVerification, EveryPublishedValueIsReproducedToItsPrintedDigits) {
    const std::vector<CheckValue> rows = ReadCheckValues();
    ASSERT_EQ(rows.size(), 106U);
    for (const CheckValue& row : rows) {
        const double value = Computed(row);
        EXPECT_EQ(std::stod(Rounded(value, row.printed)), std::stod(row.printed))
            << "table " << row.table << " " << row.property << " at " << row.in1 << ", " << row.in2
            << ": " << Rounded(value, row.printed) << " (" << value << ")";
    }
}

} // namespace
} // namespace velmaro::steam
