#pragma once

// The states at the nodes of region 3's grid (region3_grid.h) that start the
// density search, solved. The program reads them from the table they were
// generated into (region3_states.h, by generate_states.cpp). The page's build
// (VELMARO_REGION3_SOLVED_NODES) carries no table: it solves a node the first
// time it is read, by the same search and rounding, which gives it the
// table's floats bit for bit (tests/golden/region3_nodes_check.cpp proves it
// under Node) without the table's 55 kB.

#include "steam/properties.h"
#include "steam/region3.h"
#include "steam/tables/region3_grid.h"

#include <cstddef>
#include <optional>

namespace velmaro::steam::tables {

// The state at the node (row, column) on `branch` as the search finds it: the
// density by the bracketed search alone, with its enthalpy and entropy. A node
// outside region 3 takes the state at the nearest pressure inside it (on the
// 2-3 boundary), and below the critical temperature a node on the other side
// of the saturation line takes the saturated state of its own phase, so that
// each phase's rows vary smoothly up to the saturation line. Empty when the
// search finds no root.
std::optional<Properties> Region3NodeState(int row, int column, Region3Branch branch);

// That state as the table holds it: each value to six significant digits, as
// a float.
std::optional<GridState> Region3NodeRounded(int row, int column, Region3Branch branch);

// The page's node `at` (row * kGridColumns + column) of the liquid's rows or
// of the main rows, solved the first time it is read and kept
// (region3_solved_nodes.cpp, in the page's build only).
const GridState& Region3SolvedNode(std::size_t at, bool liquid);

} // namespace velmaro::steam::tables
