#include "framework/font_stand_ins.h"

namespace velmaro::fw {
namespace {

// Song (SimSun) text comes in a Song/Ming face; Arial in its metric twin; the
// "System" face of the category dialogs in a plain sans face with CJK glyphs.
constexpr FaceStandIn kStandIns[] = {
    {"SimSun", {"SimSun", "Noto Serif CJK SC", "AR PL UMing CN"}},
    {"Arial", {"Arial", "Liberation Sans", "Noto Sans CJK SC"}},
    {"System", {"Noto Sans CJK SC", "Liberation Sans", "DejaVu Sans"}},
};

} // namespace

std::span<const FaceStandIn> FaceStandIns() {
    return kStandIns;
}

} // namespace velmaro::fw
