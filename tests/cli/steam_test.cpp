// Water and steam on the command line: plain lines, JSON keys, and the exit
// statuses of a refused state.

#include "cli_runner.h"

#include <gtest/gtest.h>

namespace velmaro::cli {
namespace {

using testing::RunCli;

TEST(Steam, PlainOutputIsOnePropertyPerLineWithItsUnit) {
    EXPECT_EQ(RunCli({"--steam", "--pressure", "3", "--temperature", "300", "K"}).out,
              "region 1\nphase  compressed liquid\nt      26.850 °C\nT      300.000 K\n"
              "p      3.000000 MPa\n"
              "v      0.0010022 m3/kg\nrho    997.8529 kg/m3\nh      115.331 kJ/kg\n"
              "u      112.325 kJ/kg\ns      0.39229 kJ/(kg K)\ncp     4.17301 kJ/(kg K)\n"
              "cv     4.12120 kJ/(kg K)\nw      1507.74 m/s\nt_sat  233.858 °C\n"
              "dt_sat -207.008 K\nmu     0.853493 mPa.s\nnu     0.855329 mm2/s\n"
              "k      0.611117 W/(m.K)\nPr     5.82808\n");
    // Units and gauge pressure: 30 bar is 3 MPa; 3 MPa gauge is 3.101325 absolute.
    EXPECT_EQ(RunCli({"--steam", "--pressure", "30", "bar", "--temperature", "26.85"}).out,
              RunCli({"--steam", "--pressure", "3", "--temperature", "80.33", "F"}).out);
    EXPECT_NE(RunCli({"--steam", "--pressure", "3", "--gauge", "--temperature", "300", "K"})
                  .out.find("p      3.101325 MPa"),
              std::string::npos);
}

TEST(Steam, JsonHasEveryKeyAndNullOffTheDome) {
    const std::string json =
        RunCli({"--json", "--steam", "--pressure", "0.0035", "--temperature", "700", "K"}).out;
    EXPECT_TRUE(json.starts_with(
        R"({"pressure_kind":"absolute","ambient_kPa":101.325,"region":2,)"
        R"("phase":"superheated vapour","t_C":426.85,"T_K":700.0,"p_MPa":0.0035,"v_m3_per_kg":)"))
        << json;
    EXPECT_NE(json.find(R"("w_m_per_s":644.28906)"), std::string::npos);
    EXPECT_NE(json.find(R"("x":null,"T_sat_K":)"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("Pr":0.92229)"), std::string::npos) << json;
    // No saturation temperature above the critical pressure.
    const std::string above =
        RunCli({"--json", "--steam", "--pressure", "30", "--temperature", "500"}).out;
    EXPECT_NE(above.find(R"("x":null,"superheat_K":null,"mu_Pa_s":)"), std::string::npos) << above;
    const std::string wet =
        RunCli({"--json", "--steam", "--pressure", "1", "--enthalpy", "1500"}).out;
    EXPECT_NE(wet.find(R"("cp_kJ_per_kgK":null)"), std::string::npos);
    const std::string sat =
        RunCli({"--json", "--steam", "--temperature", "100", "--saturation"}).out;
    EXPECT_EQ(sat.substr(0, 49), R"({"liquid":{"region":4,"phase":"saturated liquid",)");
    EXPECT_NE(sat.find(R"(},"vapour":{"region":4,"phase":"saturated vapour")"), std::string::npos);
}

TEST(Steam, SaturationTableListsBothPhasesPerRow) {
    EXPECT_EQ(RunCli({"--table", "steam", "--by", "pressure", "--from", "1", "--to", "2", "--step",
                      "1", "--csv"})
                  .out,
              "t_C,p_MPa,v1_m3_per_kg,v2_m3_per_kg,h1_kJ_per_kg,h2_kJ_per_kg,r_kJ_per_kg,"
              "s1_kJ_per_kgK,s2_kJ_per_kgK\n"
              "179.89,1.000000,0.0011272,0.19435,762.68,2777.12,2014.44,2.1384,6.5850\n"
              "212.38,2.000000,0.0011768,0.09958,908.62,2798.38,1889.76,2.4470,6.3392\n");
}

TEST(Steam, RefusedStatesAndOptionsExitWithTheirStatus) {
    struct Case {
        std::initializer_list<std::string_view> args;
        int status;
    };
    const Case cases[] = {
        {{"--steam", "--pressure", "101", "--temperature", "20"}, 3},
        {{"--steam", "--pressure", "1", "--temperature", "-5"}, 3},
        {{"--steam", "--pressure", "abc", "--temperature", "20"}, 3}, // p reads as 0
        {{"--steam", "--pressure", "1", "--quality", "1.5"}, 2},
        {{"--steam", "--temperature", "380", "--saturation"}, 3},
        {{"--table", "steam", "--by", "temperature", "--from", "-1", "--to", "10", "--step", "1"},
         3},
        {{"--steam", "--pressure", "1"}, 2},
        {{"--steam", "--pressure", "1", "furlong", "--temperature", "20"}, 2},
        {{"--steam", "--pressure", "1", "--temperature", "20", "R"}, 2},
        {{"--table", "steam", "--from", "1", "--to", "2", "--step", "x"}, 2},
    };
    for (const Case& c : cases) {
        const auto outcome = RunCli(c.args);
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
}

} // namespace
} // namespace velmaro::cli
