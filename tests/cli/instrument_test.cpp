// The instrument sums on the command line: worked examples of each tool in
// plain and JSON output, and the statuses of input without an answer.

#include "cli/run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace velmaro::cli {
namespace {

struct Outcome {
    int status;
    std::string out;
};

Outcome Call(const std::vector<std::string_view>& args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = Run(args, in, out, err);
    EXPECT_EQ(err.str().empty(), status == 0) << err.str();
    return {status, out.str()};
}

// The meter reads E(T) - E(TC), the difference of two plain EMFs, and its
// reading with the cold end brings the hot end back to the printed digit.
TEST(Instruments, ColdJunctionReadsAndInvertsTheReferenceFunction) {
    std::string meter =
        Call({"--sensor", "K", "--temperature", "400", "--cold-junction", "25"}).out;
    EXPECT_EQ(meter, "15.396899 mV\n");
    meter.resize(meter.find(' '));
    EXPECT_EQ(Call({"--sensor", "K", "--emf", meter, "--cold-junction", "25"}).out, "400.00 °C\n");
    const double hot = std::stod(Call({"--sensor", "J", "--temperature", "400"}).out);
    const double jCold = std::stod(Call({"--sensor", "J", "--temperature", "-10"}).out);
    EXPECT_NEAR(
        std::stod(Call({"--sensor", "J", "--temperature", "400", "--cold-junction", "-10"}).out),
        hot - jCold, 1.5e-6);
}

struct Example {
    std::vector<std::string_view> args;
    int status;
    std::string out;
};

TEST(Instruments, WorkedExamplesAndStatuses) {
    const Example examples[] = {
        {{"--transmitter", "--range", "0", "1.6", "MPa", "--signal", "12.4"},
         0,
         "12.400 mA\n0.840000 MPa\n52.50 %\n"},
        {{"--transmitter", "--range", "0", "100", "m3/h", "--sqrt", "--value", "50", "--json"},
         0,
         R"({"signal_range":"4-20mA","characteristic":"sqrt","lrv":0.0,"urv":100.0,)"
         R"("unit":"m3/h","cut_off_percent":1.0,"signal":8.0,"value":50.0,"percent":50.0})"
         "\n"},
        // A signal range of the command line's own, in the unit it names.
        {{"transmitter", "--range", "0", "10", "--signal-range", "2", "10", "V", "--percent", "50",
          "--json"},
         0,
         R"({"signal_range":"1-5V","characteristic":"linear","lrv":0.0,"urv":10.0,)"
         R"("signal":6.0,"value":5.0,"percent":50.0,"signal_low":2.0,"signal_high":10.0})"
         "\n"},
        {{"--transmitter", "--range", "0", "10", "--signal-range", "1", "5", "--percent", "25"},
         0,
         "2.000 V\n2.500000\n25.00 %\n"},
        // Computed, printed, and reported.
        {{"--transmitter", "--range", "0", "1.6", "MPa", "--signal", "21"},
         3,
         "21.000 mA\n1.700000 MPa\n106.25 %\n"},
        {{"--transmitter", "--range", "1", "1", "--signal", "12"}, 2, ""},
        // 1200 * 701325 / 101325 * 273.15 / 313.15, and that times 1.293.
        {{"--gas-flow", "1200", "m3/h", "--pressure", "0.6", "MPa", "--gauge", "--temperature",
          "40", "--to", "normal"},
         0,
         "7244.905797 m3/h\n9367.663195 kg/h\n"},
        {{"--gas-flow", "7244.905797", "m3/h", "--pressure", "701.325", "kPa", "--temperature",
          "40", "--to", "line"},
         0,
         // 7244.905797 * 1.293
         "1200.000000 m3/h\n9367.663196 kg/h\n"},
        // Every flow from the mass flow; the mass flow from the molar mass.
        {{"gas-flow", "--mass-flow", "9.367663195", "t/h", "--pressure", "0.6", "MPa", "--gauge",
          "--temperature", "40"},
         0,
         "line     1200.000000 m3/h\nnormal   7244.905797 m3/h\nstandard 7775.376659 m3/h\n"
         "mass     9.367663 t/h\n"},
        {{"gas-flow", "--normal-flow", "1000", "--pressure", "101.325", "kPa", "--temperature", "0",
          "--molar-mass", "28.9647", "--print", "density,mass-flow"},
         0,
         "1.292261 kg/m3\n1292.261058 kg/h\n"},
        // Between normal and standard conditions without the line's state.
        {{"--gas-flow", "1000", "m3/h", "--from", "normal", "--to", "standard"},
         0,
         "1073.219843 m3/h\n1293.000000 kg/h\n"},
        {{"--gas-flow", "1", "m3/h", "--pressure", "-0.2", "MPa", "--gauge", "--temperature", "20"},
         2,
         ""},
        {{"--gas-flow", "1", "m3/h", "--pressure", "1", "bar", "--temperature", "20", "--z", "0"},
         2,
         ""},
        {{"--gas-flow", "1", "m3/h", "--pressure", "1", "bar", "--temperature", "-273.15"}, 2, ""},
        {{"--gas-flow", "1", "m3/h", "--to", "standard"}, 2, ""},
        // Flowmeters: one of each kind, each solve; the fluid by IF97, a gas
        // by its molar mass.
        {{"--flow-meter",
          "orifice",
          "--pipe-diameter",
          "200",
          "--flow",
          "20000",
          "Nm3/h",
          "--dp",
          "50",
          "--fluid",
          "gas",
          "--pressure",
          "5",
          "--temperature",
          "15",
          "--z",
          "0.9",
          "--kappa",
          "1.3",
          "--viscosity",
          "1.2e-5",
          "--molar-mass",
          "17.4",
          "--z-ref",
          "0.998",
          "--print",
          "bore,beta,C,epsilon"},
         0,
         "67.5008 mm\n0.337504\n0.598906\n0.997270\n"},
        {{"--flow-meter", "isa1932-nozzle", "--pipe-diameter", "200", "--bore", "140", "--dp", "80",
          "--fluid", "steam", "--pressure", "4", "--temperature", "300"},
         0,
         "d         140.0000 mm\ndp        80.0000 kPa\nqm        96642.1944 kg/h\n"
         "qv        5689.1290 m3/h\nbeta      0.700000\nRe_D      8594409\nC         0.937583\n"
         "epsilon   0.983481\nrho1      16.987169 kg/m3\nmu1       0.00001989 Pa.s\n"
         "kappa1    1.285737\nvelocity  50.3029 m/s\ndp_loss   29123.0429 Pa\nu_C       1.000\n"
         "u_epsilon 0.195\n"},
        {{"flow-meter",
          "--flow-meter",
          "long-radius-nozzle",
          "--pipe-diameter",
          "0.1",
          "m",
          "--bore",
          "40",
          "--mass-flow",
          "40",
          "t/h",
          "--fluid",
          "water",
          "--pressure",
          "5",
          "bar",
          "--temperature",
          "20",
          "--print",
          "dp,C"},
         0,
         "39.2807 kPa\n0.985512\n"},
        {{"--flow-meter",
          "venturi",
          "--pipe-diameter",
          "200",
          "--bore",
          "90",
          "--signal",
          "14.2",
          "--dp-range",
          "0",
          "10",
          "kPa",
          "--fluid",
          "gas",
          "--pressure",
          "0.3",
          "--temperature",
          "20",
          "--molar-mass",
          "28.9647",
          "--viscosity",
          "1.81e-5",
          "--json"},
         0,
         R"({"flow_meter":"venturi","venturi":"machined","fluid":"gas","pressure_kind":"absolute",)"
         R"("signal_range":"4-20mA","D_m":0.2,"d_m":0.09,"p_Pa":300000.0,"T_K":293.15,"z":1.0,)"
         R"("z_ref":1.0,"kappa_input":1.4,"mu_input_Pa_s":1.81e-05,)"
         R"("density_kg_per_m3":1.292261058103243,"molar_mass_g_per_mol":28.9647,)"
         R"("dp_Pa":6375.0,"qm_kg_per_s":1.3614346214766893,"qv_m3_per_h":1374.7796202367335,)"
         R"("qn_m3_per_h":3792.7047376247033,"signal":14.2,"dp_range_low_Pa":0.0,)"
         R"("dp_range_high_Pa":10000.0,"qm_kg_per_h":4901.164637316081,)"
         R"("beta":0.44999999999999996,"Re_D":478848.7286286376,"C":0.995,)"
         R"("epsilon":0.9879125502942425,"rho_kg_per_m3":3.5650547659937772,"mu_Pa_s":1.81e-05,)"
         R"("kappa":1.4,"velocity_m_per_s":12.155720679037488,"pressure_loss_Pa":null,)"
         R"("u_C_percent":1.0,"u_epsilon_percent":0.08857321414550781,)"
         R"("qm_full_scale_kg_per_s":1.6931781543681845,"qn_full_scale_m3_per_h":4716.880786202937,)"
         R"("within_limits":true,"limits":[]})"
         "\n"},
        // A result outside the limits of use stands, with the limits named.
        {{"--flow-meter", "orifice", "--pipe-diameter", "20", "--bore", "2", "--dp", "5", "--fluid",
          "water", "--pressure", "0.3", "--temperature", "20", "--print", "Re_D"},
         0,
         "401\nPipe diameter below the standard's range\nBore below the standard's minimum\n"
         "Re_D below the standard's range\n"},
        {{"--flow-meter", "orifice", "--pipe-diameter", "200", "--bore", "200", "--dp", "5",
          "--fluid", "water", "--pressure", "1", "--temperature", "20"},
         2,
         ""},
        {{"--flow-meter", "orifice", "--pipe-diameter", "200", "--bore", "90", "--dp", "5",
          "--fluid", "steam", "--pressure", "101", "--temperature", "300"},
         3,
         ""},
        {{"--sensor", "K", "--emf", "54", "--cold-junction", "25"}, 3, ""},
        // The reference function's own inverse; the panel's polynomial gives
        // 24.99 and -239.99, and keeps them without a cold junction.
        {{"--sensor", "K", "--emf", "0", "--cold-junction", "25"}, 0, "25.00 °C\n"},
        {{"--sensor", "K", "--emf", "-6.4", "--cold-junction", "0"}, 0, "-249.27 °C\n"},
        {{"--sensor", "K", "--emf", "-6.4"}, 0, "-239.99\n"},
        // B's hot end from 100 °C: below, its EMF names two temperatures.
        {{"--sensor", "B", "--emf", "0", "--cold-junction", "25"}, 3, ""},
        {{"--sensor", "Pt100", "--emf", "1", "--cold-junction", "25"}, 2, ""},
        {{"--transmitter", "--range", "0", "1", "--signal", "4", "--emf", "1"}, 2, ""},
    };
    for (const Example& e : examples) {
        const Outcome outcome = Call(e.args);
        EXPECT_EQ(outcome.status, e.status) << e.args[0] << ' ' << e.args[1];
        EXPECT_EQ(outcome.out, e.out) << e.args[0] << ' ' << e.args[1];
    }
}

} // namespace
} // namespace velmaro::cli
