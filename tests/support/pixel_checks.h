#pragma once

// Looking at what a widget drew: grabs as plain RGB images, and the colour
// questions the window tests ask of them.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <algorithm>

namespace velmaro::test {

// What `widget` shows in `area` (its own rectangle by default), including
// what its parent draws behind it when `widget` is the parent.
inline QImage Grab(QWidget* widget, const QRect& area = QRect()) {
    return widget->grab(area.isNull() ? widget->rect() : area)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

inline QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

inline bool SameRgb(QColor a, QColor b) {
    return a.rgb() == b.rgb();
}

// Every channel lies between those of `a` and `b`: an anti-aliased edge of
// a text in colour `b` over a face in colour `a` (or one of the two).
inline bool IsBlendOf(QColor pixel, QColor a, QColor b) {
    const auto between = [](int value, int x, int y) {
        return value >= std::min(x, y) && value <= std::max(x, y);
    };
    return between(pixel.red(), a.red(), b.red()) && between(pixel.green(), a.green(), b.green()) &&
           between(pixel.blue(), a.blue(), b.blue());
}

inline int CountRgb(const QImage& image, QColor colour, const QRect& area = QRect()) {
    const QRect box = area.isNull() ? image.rect() : area;
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            count += SameRgb(image.pixelColor(x, y), colour) ? 1 : 0;
        }
    }
    return count;
}

// Pixels of `area` that are not `background`: the smallest box around them
// (a null rectangle when there are none).
inline QRect InkBox(const QImage& image, QColor background, const QRect& area = QRect()) {
    const QRect box = area.isNull() ? image.rect() : area;
    QRect ink;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (!SameRgb(image.pixelColor(x, y), background)) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// The smallest box around the pixels exactly in `colour`.
inline QRect BoxOf(const QImage& image, QColor colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (SameRgb(image.pixelColor(x, y), colour)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The longest horizontal run of pixels exactly in `colour` (an underline).
inline int LongestRun(const QImage& image, QColor colour) {
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = SameRgb(image.pixelColor(x, y), colour) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

// A caption large enough for strokes wider than a pixel: their inner pixels
// show the caption colour itself, not an anti-aliased blend.
inline void UseBoldCaption(QWidget& button) {
    QFont font = button.font();
    font.setPixelSize(20);
    font.setWeight(QFont::Black);
    button.setFont(font);
}

} // namespace velmaro::test
