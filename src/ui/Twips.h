#pragma once

#include <cmath>

// Window and control geometry is kept in twips, the unit the windows' design is measured in. At
// the standard 96 pixels to the inch a pixel is 15 twips; on a scaled display (120, 144 or 192
// pixels to the inch) the controls grow with the display, a twip being dpi / 1440 of a pixel.
// Texture pixels never scale: the canvas shows one texture pixel on one screen pixel.
namespace vantrel::ui {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kStandardDpi = 96;
inline constexpr int kTwipsPerInch = kTwipsPerPixel * kStandardDpi;  // 1440

// To the nearest whole pixel, halves away from zero: 4580 twips are 305 pixels, 7.5 twips 1.
inline int TwipsToPixels(double twips, int dpi = kStandardDpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

inline constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// At the display's resolution, to the nearest whole twip: 3 pixels at 192 dpi are 23 twips.
inline int PixelsToTwips(int pixels, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(pixels) * kTwipsPerInch / dpi));
}

// A rectangle in twips, relative to its parent's client area.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The same rectangle in pixels. Each edge is rounded on its own, so that controls that touch in
// twips touch on the screen too.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline PixelRect ToPixels(const TwipsRect& twips, int dpi = kStandardDpi) {
    const int left = TwipsToPixels(twips.left, dpi);
    const int top = TwipsToPixels(twips.top, dpi);
    return PixelRect{left, top, TwipsToPixels(twips.left + twips.width, dpi) - left,
                     TwipsToPixels(twips.top + twips.height, dpi) - top};
}

// A font size in points at the display's resolution, in pixels (the em height).
inline int PointsToPixels(double points, int dpi = kStandardDpi) {
    return static_cast<int>(std::lround(points * dpi / 72.0));
}

}  // namespace vantrel::ui
