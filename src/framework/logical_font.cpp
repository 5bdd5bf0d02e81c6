#include "framework/logical_font.h"

#include "framework/font_faces.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace velmaro::fw {

QFont CreateLogicalFont(const LogicalFont& description) {
    QFont font = MakeFont(description.face, description.cellHeight);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(description.weight, 1, 1000)));
    const QFontMetricsF cell(font);
    if (cell.height() > 0) {
        const int pixels = static_cast<int>(
            std::lround(description.cellHeight * description.cellHeight / cell.height()));
        font.setPixelSize(std::max(1, pixels));
    }
    if (description.averageWidth > 0) {
        const QFontMetricsF scaled(font);
        if (scaled.averageCharWidth() > 0) {
            const int stretch = static_cast<int>(
                std::lround(100.0 * description.averageWidth / scaled.averageCharWidth()));
            font.setStretch(std::clamp(stretch, 1, 4000));
        }
    }
    return font;
}

} // namespace velmaro::fw
