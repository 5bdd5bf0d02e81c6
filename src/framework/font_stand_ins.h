#pragma once

// The faces tried, in order, for a face the templates and windows name: the
// face itself by its own name where it is installed, then the faces that
// stand in for it. The lists differ by system (font_stand_ins.cpp,
// font_stand_ins_win.cpp).

#include <array>
#include <span>
#include <string_view>

namespace velmaro::fw {

struct FaceStandIn {
    std::string_view face;
    std::array<const char*, 3> families; // tried in order
};

std::span<const FaceStandIn> FaceStandIns();

} // namespace velmaro::fw
