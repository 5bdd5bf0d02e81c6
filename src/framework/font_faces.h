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

namespace velmaro::fw {

// A font described the way the windows ask for one: the height of its
// character cell and its average character width in pixels (0: the face's
// own), and a weight from 1 to 1000.
struct LogicalFont {
    std::string_view face;
    int cellHeight;
    int averageWidth;
    int weight;
};

// The stand-in face scaled so that its cell and average width come out at the
// requested sizes.
QFont CreateLogicalFont(const LogicalFont& description);

} // namespace velmaro::fw
