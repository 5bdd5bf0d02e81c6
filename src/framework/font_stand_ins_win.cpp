#include "framework/font_stand_ins.h"

namespace velmaro::fw {
namespace {

// Windows has the faces the windows name: SimSun (one of the Chinese
// supplemental fonts) and Arial are used by their names. Where SimSun is not
// installed, Microsoft YaHei, which every Windows 10 and 11 carries, stands
// in; on Wine the Debian host's faces do. The "System" face of the category
// dialogs is a bitmap face that cannot be scaled, so a plain sans face with
// CJK glyphs takes its place, as on the other systems.
constexpr FaceStandIn kStandIns[] = {
    {"SimSun", {"SimSun", "Microsoft YaHei", "Noto Serif CJK SC"}},
    {"Arial", {"Arial", "Liberation Sans", "Microsoft YaHei"}},
    {"System", {"Microsoft YaHei", "Noto Sans CJK SC", "SimSun"}},
};

} // namespace

std::span<const FaceStandIn> FaceStandIns() {
    return kStandIns;
}

} // namespace velmaro::fw
