#include "framework/dialog_units.h"

namespace velmaro::fw {

int PointsToPixels(int pointSize) {
    return (pointSize * 96 + 36) / 72;
}

DialogBaseUnits BaseUnitsForFont(std::string_view face, int pointSize) {
    if (face == "System") {
        return {8, 16};
    }
    const int pixels = PointsToPixels(pointSize);
    return {(pixels + 1) / 2, pixels};
}

} // namespace velmaro::fw
