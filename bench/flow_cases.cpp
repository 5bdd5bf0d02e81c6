// Runs the flowmeter sums on cases read from standard input, one a line, for
// bench/flow_peer.py's comparison:
//   solve kind taps convergent D d p1 dp qm rho mu kappa liquid
// solve is flow, dp or bore; kind, taps and convergent their enums' numbers;
// SI units; the unknown's field is read but not used. Prints one line each:
//   fault qm dp d C epsilon Re_D pressure_loss within_limits
// with every number to 17 significant digits (pressure loss 0 where none).

#include "flow/meter.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

int main() {
    using namespace velmaro::flow;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string solve;
        unsigned kind = 0;
        unsigned taps = 0;
        unsigned convergent = 0;
        double pipe = 0.0;
        double bore = 0.0;
        double p1 = 0.0;
        double dp = 0.0;
        double qm = 0.0;
        FluidState fluid;
        int liquid = 0;
        in >> solve >> kind >> taps >> convergent >> pipe >> bore >> p1 >> dp >> qm >>
            fluid.density >> fluid.viscosity >> fluid.kappa >> liquid;
        fluid.pressure = p1;
        fluid.liquid = liquid != 0;
        const Meter meter{{static_cast<MeterKind>(kind), static_cast<Taps>(taps),
                           static_cast<Convergent>(convergent)},
                          pipe,
                          bore};
        const FlowResult r = solve == "flow" ? FlowFromDifferential(meter, fluid, dp)
                             : solve == "dp" ? DifferentialFromFlow(meter, fluid, qm)
                                             : SizeBore(meter, fluid, qm, dp);
        std::printf("%d %.17g %.17g %.17g %.17g %.17g %.17g %.17g %d\n", static_cast<int>(r.fault),
                    r.massFlow, r.differential, r.bore, r.discharge, r.expansibility, r.reynolds,
                    r.pressureLoss.value_or(0.0), r.limits.broken.Empty() ? 1 : 0);
    }
    return 0;
}
