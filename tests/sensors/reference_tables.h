#pragma once

// Readers for the published reference tables the sensor tests compare with:
// the NIST ITS-90 thermocouple tables (EMF in mV at every whole degree, three
// decimals) and an IEC 60751 Pt100 table (resistance at every whole degree,
// two decimals).

#include <vector>

namespace velmaro::sensors::testing {

struct TablePoint {
    double celsius;
    double value;
};

// The whole-degree EMFs of one thermocouple type ('B', 'E', ...), ascending.
std::vector<TablePoint> ThermocoupleTable(char letter);

// Pt100 resistances from -200 to 840 °C, ascending.
std::vector<TablePoint> Pt100Table();

} // namespace velmaro::sensors::testing
