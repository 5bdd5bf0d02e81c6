#pragma once

// Fonts described the way the windows ask for them: by the size of their
// character cell rather than by points.

#include <QFont>
#include <string_view>

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
