// Sensor values on the command line: the texts of the sensor panel.

#include "cli_runner.h"

#include <gtest/gtest.h>

namespace velmaro::cli {
namespace {

using testing::RunCli;

TEST(Sensor, BothDirectionsPrintAsThePanelDoes) {
    EXPECT_EQ(RunCli({"--sensor", "K", "--temperature", "100"}).out, "4.096230\n");
    EXPECT_EQ(RunCli({"--sensor", "k", "--emf", "4.096230"}).out, "99.97\n");
    EXPECT_EQ(RunCli({"--sensor", "T", "--temperature", "300"}).out, "14.861928\n");
    EXPECT_EQ(RunCli({"--sensor", "N", "--emf", "0"}).out, "-0.00\n");
    EXPECT_EQ(RunCli({"--sensor", "Pt100", "--temperature", "-10"}).out, "96.085879\n");
    EXPECT_EQ(RunCli({"--sensor", "Pt100", "--resistance", "138.5"}).out, "99.99\n");
    EXPECT_EQ(RunCli({"--sensor", "Cu50", "--temperature", "12abc"}).out,
              RunCli({"--sensor", "Cu50", "--temperature", "12"}).out);
}

TEST(Sensor, JsonNamesTheTypeAndBothUnits) {
    EXPECT_EQ(RunCli({"--json", "--sensor", "Cu50", "--temperature", "100"}).out,
              R"({"sensor":"Cu50","temperature_C":100.0,"resistance_ohm":71.4})"
              "\n");
}

TEST(Sensor, OutOfRangePrintsNothingForItAndABatchGoesOn) {
    const auto single = RunCli({"--sensor", "K", "--emf", "54.886364"});
    EXPECT_EQ(single.status, 3);
    EXPECT_EQ(single.out, "");
    EXPECT_EQ(single.err, "velmaro-convert: 54.886364 mV is outside the range of type K: "
                          "-6.458 ... 54.886 mV\n");
    const auto batch = RunCli({"--sensor", "B", "--temperature", "-"}, "100\n1820\n1821\n5\n");
    EXPECT_EQ(batch.status, 3);
    EXPECT_EQ(batch.out, "0.033204\n13.820279\n-0.001085\n");
    EXPECT_EQ(batch.err, "velmaro-convert: line 3: 1821 °C is outside the range of type B: "
                         "0 ... 1820 °C\n");
}

} // namespace
} // namespace velmaro::cli
