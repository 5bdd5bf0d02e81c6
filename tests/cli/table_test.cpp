// Reference tables: the printed layout against the published ITS-90 tables,
// row for row and digit for digit, and the Pt100 table against IEC 60751.

#include "../sensors/reference_tables.h"
#include "cli_runner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

namespace velmaro::cli {
namespace {

using testing::RunCli;

bool StartsWithWholeNumber(const std::string& line) {
    std::istringstream tokens(line);
    std::string first;
    tokens >> first;
    return !first.empty() && first != "-" &&
           first.find_first_not_of("-0123456789") == std::string::npos;
}

std::string WithoutTrailingBlanks(std::string line) {
    line.erase(line.find_last_not_of(" \t\r") + 1);
    return line;
}

// The rows of a table: lines that start with their temperature, as printed.
std::vector<std::string> Rows(std::istream& in, const std::string& until = "") {
    std::vector<std::string> rows;
    std::string line;
    while (std::getline(in, line) && (until.empty() || !line.starts_with(until))) {
        if (StartsWithWholeNumber(line)) {
            rows.push_back(WithoutTrailingBlanks(line));
        }
    }
    return rows;
}

// The published rows of one type: its table runs from its heading to the
// coefficient section, whose lines start with '*'.
std::vector<std::string> PublishedRows(char letter) {
    std::ifstream in(std::string(VELMARO_SENSORS_TEST_DATA) + "/its90-all-types-table.tab");
    const std::string heading = std::string("ITS-90 Table for type ") + letter;
    std::string line;
    while (std::getline(in, line) && line.find(heading) == std::string::npos) {
    }
    return Rows(in, "*");
}

class PublishedTable : public ::testing::TestWithParam<char> {};

TEST_P(PublishedTable, EveryRowEqualsTheReference) {
    const auto run = RunCli({"--table", std::string_view(&GetParam(), 1)});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream printed(run.out);
    const std::vector<std::string> expected = PublishedRows(GetParam());
    ASSERT_GT(expected.size(), 60U);
    EXPECT_EQ(Rows(printed), expected);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, PublishedTable,
                         ::testing::Values('S', 'R', 'B', 'K', 'N', 'E', 'J', 'T'));

TEST(Table, Pt100AgreesWithTheIecTable) {
    const auto run = RunCli({"--table", "Pt100"});
    ASSERT_EQ(run.status, 0);
    // Every whole degree, read back from the rows of both pages.
    std::map<int, double> printed;
    std::istringstream in(run.out);
    int direction = -1;
    for (const std::string& row : Rows(in)) {
        std::istringstream tokens(row);
        int base = 0;
        tokens >> base;
        if (base == 0 && printed.contains(0)) {
            direction = 1;
        }
        double ohms = 0.0;
        for (int column = 0; tokens >> ohms; ++column) {
            printed[base + direction * column] = ohms;
        }
    }
    EXPECT_EQ(printed.size(), 1051U); // -200 ... 850 °C
    for (const sensors::testing::TablePoint& point : sensors::testing::Pt100Table()) {
        // The reference rounds to 0.01 Ω, the table to 0.001 Ω.
        EXPECT_NEAR(printed.at(static_cast<int>(point.celsius)), point.value, 0.0055)
            << point.celsius;
    }
}

TEST(Table, RangeLimitsRowsAndCsv) {
    EXPECT_EQ(RunCli({"--table", "K", "--from", "-12", "--to", "12.5"}).out,
              "ITS-90 table for type K thermocouple: EMF in mV, reference junction at 0 °C\n"
              "\n"
              "  °C      0     -1     -2     -3     -4     -5     -6     -7     -8     -9    -10\n"
              " -10 -0.392 -0.431 -0.470\n"
              "   0  0.000 -0.039 -0.079 -0.118 -0.157 -0.197 -0.236 -0.275 -0.314 -0.353 -0.392\n"
              "\n"
              "  °C      0      1      2      3      4      5      6      7      8      9     10\n"
              "   0  0.000  0.039  0.079  0.119  0.158  0.198  0.238  0.277  0.317  0.357  0.397\n"
              "  10  0.397  0.437  0.477\n");
    EXPECT_EQ(
        RunCli({"--table", "pt10", "--csv", "--from", "-0.2", "--to", "0", "--step", "0.1"}).out,
        "temperature_C,resistance_ohm\n-0.2,9.992183\n-0.1,9.996092\n0.0,10.000000\n");
    // A CSV row holds what the panel shows for its temperature.
    const auto csv = RunCli({"--table", "J", "--csv", "--from", "759", "--to", "761"});
    EXPECT_EQ(csv.out, "temperature_C,emf_mV\n759," +
                           RunCli({"--sensor", "J", "--temperature", "759"}).out + "760," +
                           RunCli({"--sensor", "J", "--temperature", "760"}).out + "761," +
                           RunCli({"--sensor", "J", "--temperature", "761"}).out);
}

} // namespace
} // namespace velmaro::cli
