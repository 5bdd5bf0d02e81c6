#pragma once

// The faces the templates and windows name are Windows faces. Each one is
// asked for by its own name first and then by the faces that stand in for it
// on this system (font_stand_ins.h), so a stand-in is used only where the
// original is missing.

#include <QFont>
#include <QStringList>
#include <string_view>

namespace velmaro::fw {

// The family list to ask for in place of `face`.
QStringList FamiliesForFace(std::string_view face);

// A font of `face` at a pixel size (templates are laid out at 96 dots per
// inch, so sizes are pixels, not points that follow the screen).
QFont MakeFont(std::string_view face, int pixelSize);

} // namespace velmaro::fw
