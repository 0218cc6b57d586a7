#pragma once

#include <windows.h>

#include <cmath>

#include "ui/Twips.h"

// The windows' layouts are kept in twips, the unit their design is measured in, at the editor's
// fixed 15 twips to a pixel. Fonts follow the same rule: a point is 96/72 pixel, so every text
// keeps its place in the fixed layout.
namespace vantrel::win32 {

using ui::kTwipsPerPixel;

constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// To the nearest whole pixel: 4580 twips are 305 pixels.
inline int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline RECT TwipsRect(int left, int top, int width, int height) {
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    return RECT{x, y, x + TwipsToPixels(width), y + TwipsToPixels(height)};
}

// The LOGFONT height of a font of the given point size in the fixed 96-pixels-per-inch scale.
inline LONG PointsToFontHeight(double points) { return -static_cast<LONG>(std::lround(points * 96.0 / 72.0)); }

}  // namespace vantrel::win32
