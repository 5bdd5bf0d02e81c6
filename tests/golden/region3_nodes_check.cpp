// Every node of region 3's grid as the page's build solves it
// (Region3NodeRounded) against the table the program reads
// (region3_states.h), bit for bit: under Node this proves that the page,
// which carries no table, starts every density search where the program
// does, and so prints the same digits. Natively it proves the table is what
// its generator writes. Standard library I/O only.

#include "steam/region3.h"
#include "steam/tables/region3_nodes.h"
#include "steam/tables/region3_states.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <span>

namespace {

using namespace velmaro::steam;
using namespace velmaro::steam::tables;

// Bit for bit (emscripten's library has no std::bit_cast).
std::uint32_t Bits(float value) {
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

bool Same(float a, float b) {
    return Bits(a) == Bits(b);
}

bool Same(const GridState& a, const GridState& b) {
    return Same(a.density, b.density) && Same(a.enthalpy, b.enthalpy) && Same(a.entropy, b.entropy);
}

int Differences(std::span<const GridState> table, Region3Branch branch) {
    int differences = 0;
    for (std::size_t at = 0; at < table.size(); ++at) {
        const auto row = static_cast<int>(at / kGridColumns);
        const auto column = static_cast<int>(at % kGridColumns);
        const auto solved = Region3NodeRounded(row, column, branch);
        if (!solved || !Same(*solved, table[at])) {
            std::cout << (branch == Region3Branch::Liquid ? "liquid" : "main") << " row " << row
                      << ", column " << column << ": table " << table[at].density << " "
                      << table[at].enthalpy << " " << table[at].entropy << ", solved "
                      << (solved ? solved->density : 0.0F) << "\n";
            ++differences;
        }
    }
    return differences;
}

} // namespace

int main() {
    const int differences = Differences(kRegion3Grid, Region3Branch::Vapour) +
                            Differences(kRegion3LiquidGrid, Region3Branch::Liquid);
    std::cout << differences << " of " << std::size(kRegion3Grid) + std::size(kRegion3LiquidGrid)
              << " nodes differ from the table\n";
    return differences == 0 ? 0 : 1;
}
