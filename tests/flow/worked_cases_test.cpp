// The standard's worked cases, forward (qm from Δp) and inverse (Δp from qm,
// d from qm and Δp), reproduced to their printed digits; every case lies
// within the limits of use. The Venturi nozzle is not one of our devices and
// its cases are passed over.

#include "flow/meter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace velmaro::flow {
namespace {

// A CSV file after its comment line, each row by its header's names.
std::vector<std::map<std::string, std::string>> ReadRows(const std::string& name) {
    std::ifstream file(std::string(VELMARO_FLOW_TEST_DATA "/") + name);
    std::string line;
    std::getline(file, line); // what the file holds
    std::vector<std::string> header;
    std::getline(file, line);
    std::stringstream names(line);
    for (std::string cell; std::getline(names, cell, ',');) {
        header.push_back(cell);
    }
    std::vector<std::map<std::string, std::string>> rows;
    while (std::getline(file, line)) {
        std::stringstream cells(line);
        auto& row = rows.emplace_back();
        std::string cell;
        for (const std::string& column : header) {
            std::getline(cells, cell, ',');
            row[column] = cell;
        }
    }
    return rows;
}

std::optional<Device> DeviceOf(const std::string& device, const std::string& taps) {
    const std::map<std::string, Taps> tapsByName{
        {"corner", Taps::Corner}, {"flange", Taps::Flange}, {"D and D/2", Taps::DAndD2}};
    const std::map<std::string, Device> devices{
        {"ISA 1932 nozzle", {MeterKind::Isa1932Nozzle}},
        {"long radius nozzle", {MeterKind::LongRadiusNozzle}},
        {"Venturi tube as-cast convergent",
         {MeterKind::VenturiTube, Taps::Corner, Convergent::AsCast}},
        {"Venturi tube machined convergent",
         {MeterKind::VenturiTube, Taps::Corner, Convergent::Machined}},
        {"Venturi tube rough-welded sheet-iron convergent",
         {MeterKind::VenturiTube, Taps::Corner, Convergent::RoughWelded}},
    };
    if (device == "orifice") {
        return Device{MeterKind::Orifice, tapsByName.at(taps)};
    }
    const auto found = devices.find(device);
    return found == devices.end() ? std::nullopt : std::optional<Device>(found->second);
}

FluidState FluidOf(std::map<std::string, std::string>& row) {
    const bool liquid = row["kappa"].empty();
    return {std::stod(row["p1_Pa"]),
            std::stod(row["rho1_kg_m3"]),
            std::stod(row["mu_Pa_s"]),
            liquid ? 0.0 : std::stod(row["kappa"]),
            liquid,
            std::nullopt};
}

// Printed with 10 significant digits.
void ExpectPrinted(double computed, const std::string& printed, const std::string& what) {
    const double expected = std::stod(printed);
    EXPECT_NEAR(computed, expected, 6e-10 * std::abs(expected)) << what;
}

void ExpectWithinLimits(const FlowResult& result, const std::string& what) {
    EXPECT_EQ(result.fault, Fault::None) << what;
    EXPECT_TRUE(result.limits.broken.Empty()) << what << ": " << result.limits.broken.Bits();
}

TEST(WorkedCases, FlowFromDifferential) {
    int reproduced = 0;
    for (auto& row : ReadRows("examples.csv")) {
        const auto device = DeviceOf(row["device"], row["taps"]);
        if (!device) {
            continue;
        }
        const std::string what = "case " + row["id"];
        const Meter meter{*device, std::stod(row["D_m"]), std::stod(row["d_m"])};
        const FlowResult r = FlowFromDifferential(meter, FluidOf(row), std::stod(row["dp_Pa"]));
        ExpectWithinLimits(r, what);
        ExpectPrinted(r.massFlow, row["qm_kg_s"], what + " qm");
        ExpectPrinted(r.discharge, row["C"], what + " C");
        ExpectPrinted(r.expansibility, row["epsilon"], what + " epsilon");
        ExpectPrinted(r.reynolds, row["ReD"], what + " ReD");
        if (!row["pressure_loss_Pa"].empty()) {
            ExpectPrinted(r.pressureLoss.value(), row["pressure_loss_Pa"], what + " loss");
        }
        ++reproduced;
    }
    EXPECT_EQ(reproduced, 30); // 32 less the two Venturi nozzles
}

TEST(WorkedCases, DifferentialAndBoreFromFlow) {
    int reproduced = 0;
    for (auto& row : ReadRows("examples_inverse.csv")) {
        const auto device = DeviceOf(row["device"], row["taps"]);
        if (!device) {
            continue;
        }
        const std::string what = "inverse case " + row["id"];
        const double pipe = std::stod(row["D_m"]);
        const double massFlow = std::stod(row["qm_kg_s"]);
        FlowResult r;
        if (row["solve_for"] == "dp") {
            r = DifferentialFromFlow({*device, pipe, std::stod(row["d_m"])}, FluidOf(row),
                                     massFlow);
            ExpectPrinted(r.differential, row["result"], what + " dp");
        } else {
            r = SizeBore({*device, pipe, 0.0}, FluidOf(row), massFlow, std::stod(row["dp_Pa"]));
            ExpectPrinted(r.bore, row["result"], what + " d");
            EXPECT_NEAR(r.beta, r.bore / pipe, 1e-15) << what;
        }
        ExpectWithinLimits(r, what);
        ExpectPrinted(r.discharge, row["C"], what + " C");
        ExpectPrinted(r.expansibility, row["epsilon"], what + " epsilon");
        ExpectPrinted(r.reynolds, row["ReD"], what + " ReD");
        ++reproduced;
    }
    EXPECT_EQ(reproduced, 10); // 11 less the Venturi nozzle
}

} // namespace
} // namespace velmaro::flow
