#pragma once

// Dialog units to pixels. A dialog unit is a quarter of the template font's
// average character width horizontally and an eighth of its height
// vertically; the proportions of every template depend on it.

#include <string_view>

namespace velmaro::fw {

struct DialogBaseUnits {
    int x; // pixels per 4 horizontal dialog units
    int y; // pixels per 8 vertical dialog units

    int toPixelsX(int du) const { return du * x / 4; }
    int toPixelsY(int du) const { return du * y / 8; }
};

// Base units of a template font. They are taken from the metrics the named
// face has on the system the templates were drawn for, not from whatever face
// stands in for it here, so that every window keeps its proportions: the Song
// face's Latin glyphs are half an em wide and its cells one em high, and the
// "System" face is an 8 x 16 pixel cell at any point size.
DialogBaseUnits BaseUnitsForFont(std::string_view face, int pointSize);

// Pixel size of a point size at the 96 dots per inch the templates assume.
int PointsToPixels(int pointSize);

} // namespace velmaro::fw
