// What a run prints, refuses and returns when values go wrong: each case with
// its whole standard output, standard error and exit status.

#include "cli_runner.h"

#include <gtest/gtest.h>

namespace velmaro::cli {
namespace {

using testing::RunCli;

struct Case {
    std::initializer_list<std::string_view> args;
    const char* input;
    int status;
    const char* out;
    const char* err;
};

TEST(BatchCases, EachPrintsRefusesAndEndsAsDescribed) {
    const Case cases[] = {
        // No CSV row passes --to, and a step that reaches --to ends on it.
        {{"--table", "K", "--from", "0.000001", "--to", "1000", "--step", "1000", "--csv"},
         "",
         0,
         "temperature_C,emf_mV\n0.000001,0.000000\n",
         ""},
        {{"--table", "K", "--from", "372.000001", "--to", "1372", "--step", "1000", "--csv"},
         "",
         0,
         "temperature_C,emf_mV\n372.000001,15.216835\n",
         ""},
        {{"--table", "K", "--csv", "--from", "0.1", "--to", "0.3", "--step", "0.1"},
         "",
         0,
         "temperature_C,emf_mV\n0.1,0.003945\n0.2,0.007891\n0.3,0.011837\n",
         ""},
        {{"--table", "K", "--csv", "--from", "0.0000001", "--to", "2", "--step", "1"},
         "",
         0,
         "temperature_C,emf_mV\n1.000000,0.039474\n2.000000,0.078997\n",
         ""},
        // The steam table's rows by their printed p and t: 1.1 + 3 * 6.988 is
        // 22.064000000000004, off the saturation line, but prints as --to.
        {{"--table", "steam", "--by", "pressure", "--from", "1.1", "--to", "22.064", "--step",
          "6.988", "--csv"},
         "",
         0,
         "t_C,p_MPa,v1_m3_per_kg,v2_m3_per_kg,h1_kJ_per_kg,h2_kJ_per_kg,r_kJ_per_kg,"
         "s1_kJ_per_kgK,s2_kJ_per_kgK\n"
         "184.07,1.100000,0.0011330,0.17744,781.20,2780.67,1999.47,2.1789,6.5520\n"
         "295.77,8.088000,0.0013876,0.02323,1321.29,2757.30,1436.01,3.2148,5.7389\n"
         "342.56,15.076000,0.0016608,0.01026,1613.14,2608.69,995.54,3.6891,5.3060\n"
         "373.95,22.064000,0.0031039,0.00310,2087.25,2087.25,0.00,4.4116,4.4116\n",
         ""},
        // A --from of more decimals than t prints starts from its printed
        // value: no row twice, none outside --from ... --to.
        {{"--table", "steam", "--by", "temperature", "--from", "0.005", "--to", "0.03", "--step",
          "0.01", "--csv"},
         "",
         0,
         "t_C,p_MPa,v1_m3_per_kg,v2_m3_per_kg,h1_kJ_per_kg,h2_kJ_per_kg,r_kJ_per_kg,"
         "s1_kJ_per_kgK,s2_kJ_per_kgK\n"
         "0.01,0.000612,0.0010002,205.99746,0.00,2500.91,2500.91,0.0000,9.1555\n"
         "0.02,0.000612,0.0010002,205.85531,0.04,2500.93,2500.89,0.0002,9.1552\n"
         "0.03,0.000613,0.0010002,205.71328,0.09,2500.95,2500.86,0.0003,9.1550\n",
         ""},
        // Echoed text reaches the terminal with its control characters shown.
        {{"1", "\x1b]0;x\a\x1b[2J\\"},
         "",
         2,
         "",
         "velmaro-convert: unknown unit '\\x1b]0;x\\x07\\x1b[2J\\\\' (--list shows every unit)\n"},
        {{"--strict", "bar", "Pa"},
         "\xc2\x9b\n",
         2,
         "",
         "velmaro-convert: line 1: '\\xc2\\x9b' is not a number\n"},
        // A result beyond the double range is refused; --json says null.
        {{"1e308", "bar", "Pa"},
         "",
         3,
         "",
         "velmaro-convert: 1e+308 bar in Pa is inf, not a finite number\n"},
        {{"-1e999", "mass:Kg"},
         "",
         3,
         "",
         "velmaro-convert: -inf kg in t is -inf, not a finite number\n"},
        {{"--json", "bar", "Pa"},
         "1\n1e308\n",
         3,
         R"({"quantity":"pressure","input":{"bar":1.0},"results":{"Pa":100000.0}})"
         "\n"
         R"({"quantity":"pressure","input":{"bar":1e+308},"results":{"Pa":null},)"
         R"("error":"1e+308 bar in Pa is inf, not a finite number","status":3})"
         "\n",
         "velmaro-convert: line 2: 1e+308 bar in Pa is inf, not a finite number\n"},
        // Every line is converted; each refused one is named.
        {{"--json", "--sensor", "K", "--temperature", "-"},
         "5000\n",
         3,
         R"({"sensor":"K","temperature_C":5000.0,"emf_mV":null,)"
         R"("error":"5000 °C is outside the range of type K: -270 ... 1372 °C","status":3})"
         "\n",
         "velmaro-convert: line 1: 5000 °C is outside the range of type K: -270 ... 1372 °C\n"},
        // --strict takes blanks around a number and nothing else; a line that
        // is not a number outweighs one out of range.
        {{"--strict", "--sensor", "K", "--temperature", "-"},
         " 100\t\n1,5\n5000\n\n-1e2\n",
         2,
         "4.096230\n-3.553631\n",
         "velmaro-convert: line 2: '1,5' is not a number\n"
         "velmaro-convert: line 3: 5000 °C is outside the range of type K: -270 ... 1372 °C\n"
         "velmaro-convert: line 4: '' is not a number\n"},
        {{"--strict", "12abc", "bar", "Pa"},
         "",
         2,
         "",
         "velmaro-convert: '12abc' is not a number\n"},
        {{"12abc", "bar", "Pa"}, "", 0, "1200000.000000\n", ""},
        // So do the tools' options, for each number and not for a unit.
        {{"--strict", "--sensor", "K", "--emf", " 15.2 ", "--cold-junction", "25"},
         "",
         0,
         "395.34 °C\n",
         ""},
        {{"--transmitter", "--range", "0", "1.6", "MPa", "--signal", "12.4mA"},
         "",
         0,
         "12.400 mA\n0.840000 MPa\n52.50 %\n",
         ""},
        {{"--strict", "--transmitter", "--range", "0", "1.6", "MPa", "--signal", "12.4mA"},
         "",
         2,
         "",
         "velmaro-convert: --signal: '12.4mA' is not a number\n"},
        {{"--gas-flow", "1200", "m3/h", "--pressure", "0.6", "MPa", "--temperature", "40", "--z",
          "1,0", "--strict"},
         "",
         2,
         "",
         "velmaro-convert: --z: '1,0' is not a number\n"},
        // A tool's primary input reads standard input for "-", one value per
        // line; a block of several lines parts from the next by a blank line.
        {{"--sensor", "K", "--emf", "-", "--cold-junction", "25"}, "15.2\n", 0, "395.34 °C\n", ""},
        {{"--transmitter", "--range", "0", "1.6", "MPa", "--signal", "-"},
         "12.4\n21\n",
         3,
         "12.400 mA\n0.840000 MPa\n52.50 %\n\n21.000 mA\n1.700000 MPa\n106.25 %\n",
         "velmaro-convert: line 2: transmitter: signal outside its range\n"},
        {{"--gas-flow", "-", "m3/h", "--pressure", "0.6", "MPa", "--gauge", "--temperature", "40",
          "--to", "standard60f"},
         "1200\n",
         0,
         "7657.467554 m3/h\n9367.663195 kg/h\n",
         ""},
        {{"steam", "--pressure", "-", "--temperature", "300", "--print", "h"},
         "1\n3\n101\n",
         3,
         "3051.703 kJ/kg\n2994.349 kJ/kg\n",
         "velmaro-convert: line 3: steam: out of range\n"},
        // Units by their definitions; a signal range takes the unit of the
        // one with its ends; --strict in every mode.
        {{"--steam", "--strict", "--pressure", "7500.6168", "mmHg", "--temperature", "300",
          "--print", "p,T"},
         "",
         0,
         "1.000000 MPa\n573.150 K\n",
         ""},
        {{"--transmitter", "--range", "0", "10", "--signal-range", "0", "10", "--signal", "2"},
         "",
         0,
         "2.000 V\n2.000000\n20.00 %\n",
         ""},
        {{"--steam", "--pressure", "1", "--quality", "abc", "--print", "x"},
         "",
         0,
         "0.00000\n",
         ""},
        // With --json, a refusal is an object too.
        {{"--json", "--gas-flow", "1e307", "m3/h", "--pressure", "100", "MPa", "--temperature",
          "20", "--to", "normal"},
         "",
         3,
         R"({"pressure_kind":"absolute","standard":"standard","p_Pa":100000000.0,"T_K":293.15,)"
         R"("z":1.0,"z_ref":1.0,"line_m3_per_h":1e+307,"normal_m3_per_h":null,)"
         R"("standard_m3_per_h":null,"normal_density_kg_per_m3":1.293,)"
         R"("molar_mass_g_per_mol":null,"mass_kg_per_h":null,)"
         R"("error":"gas-flow: number too large or invalid","status":3})"
         "\n",
         "velmaro-convert: gas-flow: number too large or invalid\n"},
        // A result finite in its compute unit (m3/h) may not be in the unit
        // it is shown in.
        {{"gas-flow", "--line-flow", "1e307", "l/min", "--pressure", "10", "MPa", "--temperature",
          "40"},
         "",
         3,
         "",
         "velmaro-convert: gas-flow: normal-flow in l/min is inf, not a finite number\n"},
        {{"--json", "--steam", "--pressure", "101", "--temperature", "300"},
         "",
         3,
         R"({"pressure_kind":"absolute","ambient_kPa":101.325,"region":null,"phase":null,)"
         R"("t_C":null,"T_K":null,"p_MPa":null,"v_m3_per_kg":null,"rho_kg_per_m3":null,)"
         R"("h_kJ_per_kg":null,"u_kJ_per_kg":null,"s_kJ_per_kgK":null,"cp_kJ_per_kgK":null,)"
         R"("cv_kJ_per_kgK":null,"w_m_per_s":null,"x":null,"superheat_K":null,"mu_Pa_s":null,)"
         R"("nu_m2_per_s":null,"k_W_per_mK":null,"Pr":null,"error":"steam: out of range",)"
         R"("status":3})"
         "\n",
         "velmaro-convert: steam: out of range\n"},
        {{"--json", "cold-junction", "--sensor", "K", "--cold-junction", "25", "--emf", "-",
          "--strict"},
         "15.2\nx\n",
         2,
         R"({"sensor":"K","cold_junction_C":25.0,"emf_mV":15.2,"hot_C":395.3370822979797})"
         "\n"
         R"({"line":2,"error":"--emf: 'x' is not a number","status":2})"
         "\n",
         "velmaro-convert: line 2: --emf: 'x' is not a number\n"},
        {{"--json", "1", "kgg"},
         "",
         2,
         R"x({"error":"unknown unit 'kgg'; nearest: kg, kgf or kPa (--list shows every unit)",)x"
         R"("status":2})"
         "\n",
         "velmaro-convert: unknown unit 'kgg'; nearest: kg, kgf or kPa (--list shows every "
         "unit)\n"},
        {{"--json", "--table", "K", "--from", "0", "--to", "1"},
         "",
         0,
         R"({"temperature_C":0.0,"emf_mV":0.0})"
         "\n"
         R"({"temperature_C":1.0,"emf_mV":0.039474})"
         "\n",
         ""},
    };
    for (const Case& c : cases) {
        const auto run = RunCli(c.args, c.input);
        std::string args;
        for (const std::string_view arg : c.args) {
            args += ' ';
            args += arg;
        }
        EXPECT_EQ(run.status, c.status) << args;
        EXPECT_EQ(run.out, c.out) << args;
        EXPECT_EQ(run.err, c.err) << args;
    }
}

} // namespace
} // namespace velmaro::cli
