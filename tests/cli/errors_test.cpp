// Every refusal once: its exit status, one line on standard error that says
// what is wrong, and nothing on standard output.

#include "cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmaro::cli {
namespace {

using testing::RunCli;

struct Refusal {
    std::initializer_list<std::string_view> args;
    int status;
    const char* says;
};

TEST(Errors, EachRefusalIsOneLineAndAStatus) {
    const Refusal refusals[] = {
        {{}, 2, "missing UNIT"},
        {{"1", "kgg"}, 2, "unknown unit 'kgg'; nearest: kg, kgf or kPa"},
        {{"1", "mass:kgf"}, 2, "unknown mass unit 'kgf'"},
        {{"1", "weight:lb"}, 2, "unknown quantity 'weight'"},
        {{"1", "lb"}, 2, "'lb' is a unit of length, mass and force: write length:lb, mass:lb or"},
        {{"1", "short t(US)", "long t(UK)"}, 2, "write mass:short t(US) or force:short t(US)"},
        {{"1", "bar", "Kg"}, 2, "'bar' is a unit of pressure, 'Kg' of mass"},
        {{"1", "bar", "bar"}, 2, "is the unit itself"},
        {{"1", "bar", "Pa", "psi"}, 2, "too many arguments"},
        {{"--jsn", "1", "bar"}, 2, "unknown option '--jsn'; nearest: --json"},
        {{"--json=yes", "1", "bar"}, 2, "json was given a disallowed flag override"},
        {{"--table"}, 2, "--table: 1 required TYPE missing"},
        {{"--list", "pressur"}, 2, "unknown quantity 'pressur'; nearest: pressure"},
        {{"--list", "--table", "K"}, 2, "do not go together"},
        {{"--csv", "1", "bar"}, 2, "belong to --table"},
        {{"--table", "K", "--by", "pressure"}, 2, "--by belongs to --table steam"},
        {{"--emf", "1", "1", "bar"}, 2, "need --sensor TYPE"},
        {{"--sensor", "K", "1"}, 2, "unexpected argument '1'"},
        {{"--sensor", "K"}, 2, "--sensor needs --temperature"},
        {{"--sensor", "K", "--emf", "1", "--temperature", "1"}, 2, "give one of"},
        {{"--sensor", "Q", "--emf", "1"}, 2, "unknown sensor type 'Q'"},
        {{"--sensor", "Pt10", "--emf", "1"}, 2, "Pt10 is a resistance thermometer"},
        {{"--sensor", "J", "--resistance", "1"}, 2, "type J is a thermocouple"},
        {{"--sensor", "Cu100", "--resistance", "163.85"},
         3,
         "163.85 Ω is outside the range of Cu100: 78.48 ... 163.84 Ω"},
        {{"--sensor", "S", "--temperature", "-51"},
         3,
         "-51 °C is outside the range of type S: -50 ... 1768.1 °C"},
        {{"--table", "K", "--step", "2"}, 2, "--step is for --csv tables"},
        {{"--table", "K", "--from", "1", "--from", "2"}, 2, "--from is given twice"},
        {{"--table", "K", "--from", "10", "--to", "5"}, 2, "--from 10 is above --to 5"},
        {{"--strict", "--table", "K", "--from", "ten"}, 2, "--from: 'ten' is not a number"},
        {{"--table", "K", "--from", "10.2", "--to", "10.8"}, 2, "no whole degree"},
        {{"--table", "T", "--to", "401"},
         3,
         "the table range -270 ... 401 °C is outside the range of type T: -270 ... 400 °C"},
        {{"--table", "K", "--csv", "--step", "0"}, 2, "--step must be above 0, not 0"},
        {{"--table", "K", "--csv", "--step", "-1"}, 2, "--step must be above 0, not -1"},
        {{"--table", "K", "--csv", "--step", "0.001"}, 2, "makes 1642001 rows"},
        {{"--table", "K", "--csv", "--from", "1300", "--to", "1300", "--step", "1e-30"},
         2,
         "--step must be at least 0.000001, not 1e-30"},
        // The steam table's t has two decimals, its p six.
        {{"--table", "steam", "--by", "temperature", "--from", "1", "--to", "2", "--step", "0.001"},
         2,
         "--step must be at least 0.01, not 0.001"},
        {{"--table", "steam", "--by", "pressure", "--from", "1", "--to", "2", "--step", "1e-7"},
         2,
         "--step must be at least 0.000001, not 1e-07"},
        {{"--table", "steam", "--by", "pressure", "--from", "0.01", "--to", "22", "--step",
          "0.00001"},
         2,
         "makes 2199001 rows"},
        // The tools: their options, inputs and verdicts, by their declarations.
        {{"--steam", "--pressure", "1", "--quality", "1.2"}, 2, "--quality: x must be 0 to 1"},
        {{"--transmitter", "--range", "0", "10", "--signal-range", "0", "5", "--signal", "2"},
         2,
         "--signal-range: give the signal unit: mA or V"},
        {{"--strict", "--steam", "--pressure", "1", "--temperature", "1x"},
         2,
         "--temperature: '1x' is not a number"},
        {{"steam", "--entropy", "nan", "--strict", "--pressure", "1"},
         2,
         "--entropy: 'nan' is not a number"},
        {{"steam", "--pressure", "1"}, 2, "steam takes --pressure --temperature, --pressure"},
        {{"steam", "--temperature", "100", "--saturation", "--gauge"},
         2,
         "--gauge goes with --pressure"},
        {{"steam", "--pressure", "1", "--temperature", "300", "R"},
         2,
         "--temperature: 'R' is not °C, K or °F"},
        {{"steam", "--pressure", "1", "--temperature", "20", "--print", "rh"},
         2,
         "--print: 'rh' is no result of steam; nearest: rho"},
        {{"--steam", "--pressure", "1", "--temperature", "20", "--cold-junction", "25"},
         2,
         "--gas-flow and --flow-meter do not go together"},
        {{"--table", "K", "steam"}, 2, "steam does not take --table"},
        {{"--transmitter", "--range", "0", "1", "--signal", "4", "--emf", "1"},
         2,
         "unknown option '--emf' for transmitter"},
        {{"--sensor", "K", "--emf", "1", "--hot", "2", "--cold-junction", "25"},
         2,
         "cold-junction takes one of --emf or --hot, not --emf and --hot"},
        {{"--sensor", "Pt100", "--emf", "1", "--cold-junction", "25"},
         2,
         "--sensor: 'Pt100' is not S, R, B, K, N, E, J or T"},
        {{"--gas-flow", "1", "m3/h", "--to", "standard"},
         2,
         "line conditions need --pressure and --temperature"},
        {{"gas-flow", "--line-flow", "1", "--temperature", "20"},
         2,
         "gas-flow: the line flow needs the line pressure and temperature"},
        {{"--gas-flow", "1", "m3/h", "--to", "normal15"},
         2,
         "--to: the conditions are line, normal, standard, standard15 or standard60f, not "
         "'normal15'; nearest: normal"},
        {{"--flow-meter", "venturi", "--taps", "corner", "--pipe-diameter", "200", "--bore", "90",
          "--dp", "5", "--fluid", "water", "--pressure", "1", "--temperature", "20"},
         2,
         "--taps goes with --flow-meter orifice"},
        {{"--flow-meter", "orifice", "--pipe-diameter", "200", "--bore", "90", "--dp", "5",
          "--fluid", "liquid", "--pressure", "1", "--temperature", "20", "--viscosity", "0.001"},
         2,
         "flow-meter needs --density"},
        {{"--flow-meter", "orifice", "--pipe-diameter", "200", "--bore", "90", "--dp", "5",
          "--flow", "1", "kg/h", "--fluid", "water", "--pressure", "1", "--temperature", "20"},
         2,
         "flow-meter takes --bore --dp, --bore --flow, --dp --flow or --bore --signal --dp-range"},
        {{"transmitter", "--range", "1", "1", "--signal", "12"},
         2,
         "transmitter: upper range value equals the lower"},
        {{"--cold-junction", "25", "--emf", "1"}, 2, "cold-junction needs --sensor S|R|B|K"},
        {{"--cold-junction", "25", "--sensor", "K", "--emf", "-", "--hot", "-"},
         2,
         "takes one of --emf or --hot"},
        {{"--cold-junction", "-", "--sensor", "K", "--emf", "1"},
         2,
         "--cold-junction: - (standard input) is for --emf or --hot"},
    };
    for (const Refusal& refusal : refusals) {
        const auto run = RunCli(refusal.args);
        std::string args;
        for (const std::string_view arg : refusal.args) {
            args += ' ';
            args += arg;
        }
        EXPECT_EQ(run.status, refusal.status) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_TRUE(run.err.starts_with("velmaro-convert: ")) << args << ": " << run.err;
        EXPECT_NE(run.err.find(refusal.says), std::string::npos) << args << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
    }
}

TEST(Errors, AFailedWriteIsNoSuccess) {
    const std::vector<std::string_view> args{"1", "bar"};
    std::istringstream in;
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(cli::Run(args, in, out, err), 1);
    EXPECT_EQ(err.str(), "velmaro-convert: could not write the results\n");
}

TEST(Errors, HelpAndVersionSucceed) {
    EXPECT_TRUE(RunCli({"1", "--help", "kgg"}).out.starts_with("Usage: velmaro-convert"));
    // In every mode, and for a tool its own, in either spelling.
    const std::string steam = "Water and Steam Properties\nUsage: velmaro-convert steam";
    EXPECT_TRUE(RunCli({"--steam", "--help"}).out.starts_with(steam));
    EXPECT_TRUE(RunCli({"steam", "--pressure", "-h"}).out.starts_with(steam));
    EXPECT_TRUE(RunCli({"--cold-junction", "--help"})
                    .out.starts_with("Thermocouple cold junction\nUsage: velmaro-convert"));
    EXPECT_TRUE(RunCli({"--sensor", "K", "--help"}).out.starts_with("Usage: velmaro-convert"));
    EXPECT_EQ(RunCli({"--version"}).out, "velmaro-convert (Velmaro) " VELMARO_VERSION "\n");
}

} // namespace
} // namespace velmaro::cli
